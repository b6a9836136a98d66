#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {

// Each desktop the user runs (an X display, a Wayland compositor) has a program of its own.
QString basePath() {
    QString desktop = QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY") + '_' + qgetenv("DISPLAY"));
    desktop.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]")), QStringLiteral("_"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(QStringLiteral("biorhythmus-") + desktop);
}

constexpr int ConnectTimeoutMs = 3000;
const char RaiseRequest[] = "raise\n";

} // namespace

SingleInstance::SingleInstance() : m_path(basePath()), m_lock(m_path + QStringLiteral(".lock")) {
    // The lock stays valid however long the program runs; only a dead holder makes it stale.
    m_lock.setStaleLockTime(0);
    m_first = m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::listen() {
    const QString socket = m_path + QStringLiteral(".socket");
    // A socket left by a program that was killed; the lock says it is ours now.
    QLocalServer::removeServer(socket);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().contains(RaiseRequest))
                    emit raiseRequested();
                client->disconnectFromServer();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    m_server->listen(socket);
}

bool SingleInstance::askFirstToRaise() const {
    // The first program may be starting up still and not yet listening.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ConnectTimeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(m_path + QStringLiteral(".socket"));
        if (socket.waitForConnected(ConnectTimeoutMs)) {
            socket.write(RaiseRequest);
            return socket.waitForBytesWritten(ConnectTimeoutMs);
        }
        QThread::msleep(100);
    }
    return false;
}
