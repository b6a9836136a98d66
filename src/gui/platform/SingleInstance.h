#pragma once

#include "core/Outcome.h"
#include "gui/platform/LocalSocket.h"

#include <QLockFile>
#include <QObject>
#include <memory>

class QSocketNotifier;

// One running program per user and desktop. The first start holds a lock file in the user's
// private runtime folder and listens on a local socket beside it; a later start knocks on the
// socket, which asks the first to raise its windows, and ends before it changes anything.
// Only a knock that is answered shows the lock's holder alive: a lock nobody answers for
// (empty, garbage, written by another host, left by a program that died) is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,      // this start runs the program
        Later,      // another program runs and was asked to raise its windows
        Impossible, // no private folder or no socket: problem() says why
    };

    // Decides at once, before the application object exists, and never waits more than a
    // moment. The lock and the socket are named for the desktop (an X display without its
    // screen number, a Wayland compositor).
    SingleInstance();
    ~SingleInstance() override;

    Role role() const { return m_role; }
    const Outcome& problem() const { return m_problem; }
    // The first program, once the application object exists: knocks from later starts,
    // including those that came while it was starting, arrive as raiseRequested.
    void listen();

signals:
    void raiseRequested();

private:
    void decide();
    void becomeFirst();

    QByteArray m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    LocalSocket::Listener m_listener;
    QSocketNotifier* m_notifier = nullptr;
    Role m_role = Role::Impossible;
    Outcome m_problem;
};
