#pragma once

#include "core/Outcome.h"

#include <QString>

// The folder that holds the start lock and its socket. It must be the user's alone: whoever
// else can write there can take the lock away or stand in for the running program. Tried in
// turn: $XDG_RUNTIME_DIR, then a folder of the user's own in the temporary folder, made with
// mode 0700 when missing. Never the current folder. A folder fits only when the socket's path
// in it fits into a local socket's address (107 bytes).
struct RuntimeFolder {
    QString path;    // empty when no candidate is fit
    Outcome problem; // then why not, one line per candidate
    // When $XDG_RUNTIME_DIR is set but passed over for the folder in the temporary folder: why,
    // and where the program notes instead that it runs. Empty otherwise.
    UserText notice;

    // socketName: the file name of the socket the folder is to hold.
    static RuntimeFolder find(const QString& socketName);
};
