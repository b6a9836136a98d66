#pragma once

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

// Opens path for reading into file when it is an ordinary file. Otherwise false, with whether
// something lies under the name and why it was not opened (both may be null).
bool open(const QString& path, QFile& file, bool* exists = nullptr, QString* error = nullptr);

} // namespace RegularFile
