#include "RegularFile.h"

#include "core/FileName.h"
#include "core/SystemReason.h"

#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
Outcome systemError(int error) {
    return Outcome::failure(UserText(), systemReason(error));
}

Outcome notRegular() {
    return Outcome::failure(UserText(
        "RegularFile",
        QT_TRANSLATE_NOOP("RegularFile",
                          "Es ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät oder "
                          "eine Pipe)")));
}
} // namespace

namespace RegularFile {

Outcome open(const QString& path, QFile& file, bool* exists) {
    bool found = false;
    const auto refuse = [&](const Outcome& reason) {
        if (exists)
            *exists = found;
        return reason;
    };
    const QByteArray name = fileNameBytes(path);
    struct stat info {};
    // stat() first, so that a device is never opened at all; fstat() after the open closes
    // the gap in which the name could have been replaced.
    if (::stat(name.constData(), &info) != 0) {
        found = errno != ENOENT && errno != ENOTDIR;
        return refuse(systemError(errno));
    }
    found = true;
    if (!S_ISREG(info.st_mode))
        return refuse(notRegular());
    // Without O_NONBLOCK a FIFO put there meanwhile would wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(systemError(errno));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(notRegular());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(Outcome::failure(UserText(), file.errorString()));
    }
    if (exists)
        *exists = true;
    return Outcome();
}

Comparison compare(const QString& path, const QByteArray& bytes) {
    QFile file;
    bool exists = false;
    if (!open(path, file, &exists).worked())
        return exists ? Comparison::Unreadable : Comparison::Missing;
    std::array<char, 64 * 1024> piece;
    for (qsizetype done = 0;;) {
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0)
            return Comparison::Unreadable;
        if (got == 0)
            return done == bytes.size() ? Comparison::Same : Comparison::Different;
        if (got > bytes.size() - done || std::memcmp(piece.data(), bytes.constData() + done, got))
            return Comparison::Different;
        done += got;
    }
}

} // namespace RegularFile
