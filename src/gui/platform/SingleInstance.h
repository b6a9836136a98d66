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
//
// The lock says whether a program runs: a live process of this program holds it (the lock file
// names it and is locked while it lives). A lock nobody holds so (empty, garbage, written by
// another host, left by a program that died, held by another program) is taken over. The socket
// says whether the program can be reached: only a listener that runs this program answers, as
// the system names it; another program listening under the socket's name is no answer, and the
// first program takes the name over. A first program whose socket is removed (by a cleaner of
// the temporary folder) listens anew.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,      // this start runs the program
        Later,      // another program runs and was asked to raise its windows
        Impossible, // no private folder, no socket, or a running program that does not answer:
                    // problem() says why
    };

    // Decides at once, before the application object exists, and never waits more than a
    // moment. The lock and the socket are named for the desktop (an X display without its
    // screen number, a Wayland compositor).
    SingleInstance();
    ~SingleInstance() override;

    Role role() const { return m_role; }
    const Outcome& problem() const { return m_problem; }
    // For the first program: why it keeps its lock elsewhere than $XDG_RUNTIME_DIR; the user is
    // to be told. Empty when there is nothing to tell.
    const UserText& notice() const { return m_notice; }
    // The first program, once the application object exists: knocks from later starts,
    // including those that came while it was starting, arrive as raiseRequested.
    void listen();

signals:
    void raiseRequested();

private:
    void decide();
    void becomeFirst();
    void watchListener();
    void keepSocket();

    QString m_folder;
    QByteArray m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    LocalSocket::Listener m_listener;
    QSocketNotifier* m_notifier = nullptr;
    Role m_role = Role::Impossible;
    Outcome m_problem;
    UserText m_notice;
};
