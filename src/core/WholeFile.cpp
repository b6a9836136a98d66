#include "WholeFile.h"

#include "core/FileName.h"
#include "core/SystemReason.h"

#include <QIODevice>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int MaxLinks = 40; // as the system's own limit on links in a row (ELOOP)

// A descriptor closed when it goes out of scope, unless close() took it before.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }
    // 0, or the error of closing: on some file systems the last write fails only here.
    int close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// 0 once all bytes are written, or the error that stopped them.
int writeEvery(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

// What a failure says, for the file shown as name.
struct Failures {
    QString name;
    UserText notCreated =
        UserText("WholeFile", QT_TRANSLATE_NOOP("WholeFile", "%1: Die Datei kann nicht "
                                                             "angelegt werden"))
            .arg(name);
    UserText notWritten =
        UserText("WholeFile", QT_TRANSLATE_NOOP("WholeFile", "%1: Die Datei kann nicht "
                                                             "geschrieben werden"))
            .arg(name);
};

// The folder part of a name, with its slash ("" for a name in the working folder).
QByteArray folderOf(const QByteArray& name) {
    return name.left(name.lastIndexOf('/') + 1);
}

// The name a chain of links ends in, whether or not anything lies there yet: a new file put in
// place of the link would cut it off from what it names.
QByteArray linkEnd(QByteArray name) {
    char target[PATH_MAX];
    for (int links = 0; links < MaxLinks; ++links) {
        const ssize_t length = ::readlink(name.constData(), target, sizeof target);
        if (length < 0)
            break;
        const QByteArray next(target, length);
        name = next.startsWith('/') ? next : folderOf(name) + next;
    }
    return name;
}

// A file of our own beside the target, for the new content, under a name that is hidden and
// not taken (O_EXCL), so that nothing else ever writes into it. Its mode is the one new files
// get (the umask applies), or the owner's alone until it is given the old file's.
int makeTemporary(const QByteArray& target, mode_t mode, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folderOf(target) + ".biorhythmus-" +
               QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1; // errno is EEXIST
}

// Gives the new file the old one's owner, group and mode: 0, or the error that refused it. The
// owner first, as a change of owner clears the set-user-ID bit.
int keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        return errno;
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return errno;
    if ((made.st_mode & 07777) != (old.st_mode & 07777) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    return 0;
}

// Opens the file that is there and writes into it (flags: O_TRUNC for an ordinary file).
Outcome writeInto(const QByteArray& name, int flags, const QByteArray& bytes,
                  const Failures& failures) {
    Descriptor file(::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | flags));
    if (file.fd() < 0)
        return Outcome::failure(failures.notCreated, systemReason(errno));
    int error = writeEvery(file.fd(), bytes);
    if (error == 0)
        error = file.close();
    if (error != 0)
        return Outcome::failure(failures.notWritten, systemReason(error));
    return Outcome();
}

// A new file beside the ordinary file or free name target, put in its place once complete.
Outcome replace(const QByteArray& target, const QByteArray& bytes, bool inPlace,
                const Failures& failures) {
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return Outcome::failure(failures.notWritten, systemReason(errno));
    QByteArray temporary;
    Descriptor file(makeTemporary(target, exists ? 0600 : 0666, temporary));
    if (file.fd() < 0) {
        if (inPlace && exists && errno == EACCES)
            return writeInto(target, O_TRUNC, bytes, failures);
        return Outcome::failure(failures.notCreated, systemReason(errno));
    }
    const auto failed = [&](const UserText& sentence, int error) {
        ::unlink(temporary.constData());
        return Outcome::failure(sentence, systemReason(error));
    };
    if (exists) {
        const int error = keepOwnerAndMode(file.fd(), old);
        if (error != 0 && inPlace) {
            ::unlink(temporary.constData());
            return writeInto(target, O_TRUNC, bytes, failures);
        }
        if (error != 0)
            return failed(UserText("WholeFile",
                                   QT_TRANSLATE_NOOP("WholeFile",
                                                     "%1: Die Datei wird nicht ersetzt, denn die "
                                                     "neue gehörte nicht mehr demselben Benutzer "
                                                     "und derselben Gruppe wie die alte"))
                              .arg(failures.name),
                          error);
    }
    int error = writeEvery(file.fd(), bytes);
    // On disk before it replaces the old file, so that a crash leaves one of the two whole.
    if (error == 0 && ::fsync(file.fd()) != 0 && errno != EINVAL)
        error = errno;
    if (error == 0)
        error = file.close();
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0)
        return failed(failures.notWritten, error);
    return Outcome();
}
} // namespace

Outcome writeWholeFile(const QString& path, const QByteArray& bytes, bool inPlace) {
    const Failures failures{path};
    const QByteArray name = fileNameBytes(path);
    struct stat found {};
    if (::stat(name.constData(), &found) != 0 || S_ISREG(found.st_mode))
        return replace(linkEnd(name), bytes, inPlace, failures);
    if (S_ISCHR(found.st_mode) || S_ISFIFO(found.st_mode))
        return writeInto(name, 0, bytes, failures);
    return Outcome::failure(
        failures.notCreated,
        UserText("WholeFile",
                 QT_TRANSLATE_NOOP("WholeFile", "Unter dem Namen liegt ein Ordner, ein Laufwerk "
                                                "oder ein Socket; er wird nicht ersetzt")));
}

Outcome writeOutputFile(const QString& path, const QByteArray& bytes) {
    if (path == QLatin1String(StandardOutputName))
        return writeStandardOutput(bytes);
    return writeWholeFile(path, bytes, false);
}

Outcome writeStandardOutput(const QByteArray& bytes) {
    if (const int error = writeEvery(STDOUT_FILENO, bytes))
        return Outcome::failure(
            UserText("WholeFile", QT_TRANSLATE_NOOP("WholeFile", "Die Standardausgabe lässt "
                                                                 "sich nicht schreiben")),
            systemReason(error));
    return Outcome();
}

Outcome writeAll(QIODevice& device, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return Outcome::failure(UserText(), device.errorString());
        done += written;
    }
    return Outcome();
}
