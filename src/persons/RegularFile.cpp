#include "RegularFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

Outcome notOpened(const QString& path, const QString& detail) {
    return Outcome::failure(
        Texts::tr("%1: Die Datei kann nicht geöffnet werden").arg(QFileInfo(path).fileName()),
        detail);
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notRegular() {
    return Texts::tr(
        "Es ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät oder eine Pipe)");
}
} // namespace

namespace RegularFile {

Opened open(const QString& path) {
    Opened result;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // stat() first, so that a device is never opened at all; fstat() after the open closes
    // the gap in which the name could have been replaced.
    if (::stat(name.constData(), &info) != 0) {
        result.exists = errno != ENOENT && errno != ENOTDIR;
        result.outcome = notOpened(path, systemError(errno));
        return result;
    }
    result.exists = true;
    if (!S_ISREG(info.st_mode)) {
        result.outcome = notOpened(path, notRegular());
        return result;
    }
    // Without O_NONBLOCK a FIFO put there meanwhile would wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.outcome = notOpened(path, systemError(errno));
        return result;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.outcome = notOpened(path, notRegular());
        return result;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.outcome = notOpened(path, file->errorString());
        return result;
    }
    result.file = std::move(file);
    return result;
}

} // namespace RegularFile
