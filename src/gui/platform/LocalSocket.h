#pragma once

#include "core/Outcome.h"

#include <QByteArray>
#include <optional>

// The few calls on a local (AF_UNIX) stream socket the single-instance check needs, made
// directly on the system so that the program needs no network library to start.
namespace LocalSocket {

// Who listens at a socket, as the system vouches for it: the process that made the socket
// listen, which no program can forge.
struct Peer {
    qint64 pid = 0;
    quint32 uid = 0;
};

// Connects to whoever listens at path and hangs up again: the listener, or nothing when nobody
// listens there or the listener is too busy to take the call. The connection itself is the
// request to raise the windows. Never waits.
std::optional<Peer> knock(const QByteArray& path);

struct Listener {
    int fd = -1;       // -1 when not listening
    quint64 inode = 0; // of the socket file, to tell it from one made by a later program
};

// Listens at path, replacing a socket file left there; a failure holds the system's words.
Outcome listen(const QByteArray& path, Listener& listener);

// Accepts and closes every connection waiting on a listening socket; how many there were.
int acceptAll(int listening);

// Stops listening and removes the socket file, unless a later program made a new one.
void close(const Listener& listener, const QByteArray& path);

} // namespace LocalSocket
