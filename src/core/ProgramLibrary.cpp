#include "ProgramLibrary.h"

#include "core/Outcome.h"

#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {
// The folder of the running program, links followed, as the libraries are installed beside it.
std::string programFolder() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    path.resize(length > 0 ? std::size_t(length) : 0);
    return path.substr(0, path.rfind('/') + 1);
}
} // namespace

void* programLibraryEntry(const char* library, const char* name, Outcome& problem) {
    const std::string path = programFolder() + library;
    // Lazily bound, as a program linked with the library would be: binding all of its calls into
    // Qt at once costs the window's start a tenth more time. A library loaded before is found
    // again by dlopen.
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    void* entry = handle ? dlsym(handle, name) : nullptr;
    if (!entry)
        problem = Outcome::failure(
            UserText("ProgramLibrary",
                     QT_TRANSLATE_NOOP("ProgramLibrary", "Die Programmbibliothek %1 lässt sich "
                                                         "nicht laden"))
                .arg(QString::fromLocal8Bit(path.c_str())),
            QString::fromLocal8Bit(dlerror()));
    return entry;
}
