#pragma once

#include "PersonFile.h"

class QFile;

// Reads a file that must be an ordinary file. A FIFO, a device or a folder under its name is
// refused without waiting on it or reading from it, a link is followed to what it names, and
// what is read stops at PersonFile::MaxFileSize.
namespace RegularFile {

struct Result {
    bool exists = false; // something, or a link to something, lies under the name
    bool opened = false; // it was an ordinary file and could be opened; contents holds it
    PersonFile::Contents contents;
    QString error; // why it was not opened, without the file name
};

Result read(const QString& path);

// How the file under the name compares with bytes, read piece by piece rather than whole, so
// that a large file is not held twice in memory.
enum class Comparison { Missing, Unreadable, Same, Different };
Comparison compare(const QString& path, const QByteArray& bytes);

// Opens path for reading into file when it is an ordinary file. Otherwise false, with whether
// something lies under the name and why it was not opened (both may be null).
bool open(const QString& path, QFile& file, bool* exists = nullptr, QString* error = nullptr);

} // namespace RegularFile
