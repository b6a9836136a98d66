#include "LocalSocket.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
bool addressOf(const QByteArray& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= int(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), path.size());
    return true;
}

// Close-on-exec, so that no helper program started later keeps the socket open and seems to
// be the program after it ended.
int newSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}
} // namespace

namespace LocalSocket {

std::optional<Peer> knock(const QByteArray& path) {
    sockaddr_un address;
    const int fd = newSocket();
    if (fd < 0 || !addressOf(path, address)) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    std::optional<Peer> listener;
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        listener = Peer{credentials.pid, credentials.uid};
    ::close(fd);
    return listener;
}

Outcome listen(const QByteArray& path, Listener& listener) {
    const auto failed = [] {
        return Outcome::failure(UserText(), QString::fromLocal8Bit(std::strerror(errno)));
    };
    listener = {};
    sockaddr_un address;
    if (!addressOf(path, address))
        return failed();
    const int fd = newSocket();
    if (fd < 0)
        return failed();
    ::unlink(path.constData());
    struct stat file {};
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0 || ::stat(path.constData(), &file) != 0) {
        const Outcome why = failed();
        ::close(fd);
        return why;
    }
    listener = {fd, quint64(file.st_ino)};
    return Outcome();
}

int acceptAll(int listening) {
    int accepted = 0;
    for (int fd; (fd = ::accept4(listening, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; ++accepted)
        ::close(fd);
    return accepted;
}

void close(const Listener& listener, const QByteArray& path) {
    if (listener.fd < 0)
        return;
    ::close(listener.fd);
    struct stat file {};
    if (::lstat(path.constData(), &file) == 0 && file.st_ino == listener.inode)
        ::unlink(path.constData());
}

} // namespace LocalSocket
