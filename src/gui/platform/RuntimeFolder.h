#pragma once

#include "core/Outcome.h"

#include <QString>

// The folder that holds the start lock and its socket. It must be the user's alone: whoever
// else can write there can take the lock away or stand in for the running program. Tried in
// turn: $XDG_RUNTIME_DIR, then a folder of the user's own in the temporary folder, made with
// mode 0700 when missing. Never the current folder.
struct RuntimeFolder {
    QString path;    // empty when no candidate is fit
    Outcome problem; // then why not, one line per candidate

    // Names longer than this do not fit into a local socket's address.
    static constexpr int LongestName = 60;

    static RuntimeFolder find();
};
