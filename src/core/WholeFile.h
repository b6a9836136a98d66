#pragma once

#include "core/Outcome.h"

class QByteArray;
class QIODevice;
class QString;

// Writes the bytes as the whole new content of the file at path, through a temporary file
// beside it that replaces the file only once it is complete, so that a failed write leaves
// the previous file as it was. Where the folder takes no new files but the file itself may be
// written (a read-only program folder holding a writable file), inPlace lets the file be
// rewritten directly instead. A failure's sentence names the file.
Outcome writeWholeFile(const QString& path, const QByteArray& bytes, bool inPlace);

// Writes all bytes to an open device, going on after a partial write. A failure has no sentence
// of its own, only the device's errorString() as its detail; the caller says what failed.
Outcome writeAll(QIODevice& device, const QByteArray& bytes);
