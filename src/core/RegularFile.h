#pragma once

#include "core/Outcome.h"

#include <QByteArray>
#include <QString>

class QFile;

// Reads a file that must be an ordinary file. A FIFO, a device or a folder under its name is
// refused without waiting on it or reading from it, and a link is followed to what it names.
// What the bytes mean is the caller's business.
namespace RegularFile {

// How the file under the name compares with bytes, read piece by piece rather than whole, so
// that a large file is not held twice in memory.
enum class Comparison { Missing, Unreadable, Same, Different };
Comparison compare(const QString& path, const QByteArray& bytes);

// Opens path for reading into file when it is an ordinary file. Otherwise a failure that says
// why without naming the file: the system's words alone, or that it is no ordinary file; and
// whether something lies under the name (exists may be null).
Outcome open(const QString& path, QFile& file, bool* exists = nullptr);

} // namespace RegularFile
