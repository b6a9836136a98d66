#pragma once

#include "core/Outcome.h"

#include <QByteArray>

// The few calls on a local (AF_UNIX) stream socket the single-instance check needs, made
// directly on the system so that the program needs no network library to start.
namespace LocalSocket {

// Connects to whoever listens at path and hangs up again: true when a process listens there,
// which is the only proof that the program holding the lock is still alive. The connection
// itself is the request to raise the windows. Never waits.
bool knock(const QByteArray& path);

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
