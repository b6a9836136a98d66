#pragma once

#include "PersonFile.h"

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

} // namespace RegularFile
