#pragma once

#include "Outcome.h"

#include <QFile>
#include <memory>

// Opens a file for reading that must be an ordinary file. A FIFO, a device or a folder under
// its name is refused without waiting on it or reading from it, and a link is followed to what
// it names.
namespace RegularFile {

struct Opened {
    bool exists = false;         // something, or a link to something, lies under the name
    std::unique_ptr<QFile> file; // open for reading, when it is an ordinary file
    Outcome outcome;             // why it is not open, when something lies there; names the file
};

Opened open(const QString& path);

} // namespace RegularFile
