#pragma once

#include <QLockFile>
#include <QObject>

class QLocalServer;

// One running program per user and desktop. The first start holds a lock file in the user's
// runtime folder and listens on a local socket beside it; a later start asks it to raise its
// window and ends before it changes anything. A lock left by a program that died is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Takes the lock; works before the application object exists.
    SingleInstance();
    ~SingleInstance() override;

    // False when another program holds the lock. Without a usable runtime folder the program
    // runs anyway.
    bool isFirst() const { return m_first; }
    // The first program, once the application exists: listens for later starts.
    void listen();
    // A later start, once a QCoreApplication exists: asks the first to raise its window.
    bool askFirstToRaise() const;

signals:
    void raiseRequested();

private:
    QString m_path; // of the lock file and the socket, without the ending
    QLockFile m_lock;
    bool m_first = true;
    QLocalServer* m_server = nullptr;
};
