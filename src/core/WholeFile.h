#pragma once

#include "core/Outcome.h"

class QByteArray;
class QIODevice;
class QString;

// Writes the bytes as the whole new content of the file at path, whose name is bytes as the
// system gives them (core/FileName.h), never re-encoded.
//
// An ordinary file, or a name under which nothing lies yet, is written whole or not at all:
// into a new file beside it that replaces it only once it is complete, so that a failed write
// leaves the previous file as it was. A link is followed, and the file it ends in is replaced.
// The replacement keeps the old file's owner, group and mode; where it cannot (a user who may
// write into another user's file may not give the new one away) the file is left as it is and
// the failure says why. A file the user may not write into is not replaced either, though the
// folder would let it be: its mode says it is not to be changed, and the system's reason says so.
//
// A character device (a terminal, /dev/null), a FIFO or a pipe (/dev/stdout, >(...)) is written
// into as it is, as the shell's ">" does: never replaced or truncated. A folder, a disk or a
// socket under the name is refused.
//
// Where the folder takes no new files but the file itself may be written (a read-only program
// folder holding a writable file), or where a new file could not keep the old one's owner (a
// shared folder), inPlace lets the file be rewritten directly instead. A failure's sentence
// names the file by its path as the caller gave it.
Outcome writeWholeFile(const QString& path, const QByteArray& bytes, bool inPlace);

// What the program's file options take to mean standard output.
inline constexpr char StandardOutputName[] = "-";

// The file the user names for the program's output: standard output for "-", otherwise as
// writeWholeFile. A broken pipe ends the program by SIGPIPE where it is not ignored.
Outcome writeOutputFile(const QString& path, const QByteArray& bytes);

// All bytes to standard output; a failure says so, with the system's reason.
Outcome writeStandardOutput(const QByteArray& bytes);

// Writes all bytes to an open device, going on after a partial write. A failure has no sentence
// of its own, only the device's errorString() as its detail; the caller says what failed.
Outcome writeAll(QIODevice& device, const QByteArray& bytes);
