#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Empty when the folder is fit to hold the lock; otherwise why not. A folder given by the
// environment may be reached through a link; the one made here must not be a link, which
// someone else could have put there before.
UserText unfitness(const QString& path, bool followLink) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if ((followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return UserText("RuntimeFolder", QT_TRANSLATE_NOOP("RuntimeFolder", "ist nicht vorhanden"));
    if (!S_ISDIR(info.st_mode))
        return UserText("RuntimeFolder", QT_TRANSLATE_NOOP("RuntimeFolder", "ist kein Ordner"));
    if (info.st_uid != ::geteuid())
        return UserText("RuntimeFolder",
                        QT_TRANSLATE_NOOP("RuntimeFolder", "gehört einem anderen Benutzer"));
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return UserText("RuntimeFolder",
                        QT_TRANSLATE_NOOP("RuntimeFolder", "ist auch für andere beschreibbar"));
    // The mode bits as well as access(), which lets root write anywhere.
    if ((info.st_mode & S_IRWXU) != S_IRWXU || ::access(name.constData(), W_OK | X_OK) != 0)
        return UserText("RuntimeFolder",
                        QT_TRANSLATE_NOOP("RuntimeFolder", "ist nicht beschreibbar"));
    if (name.size() + 1 + RuntimeFolder::LongestName >= int(sizeof(sockaddr_un::sun_path)))
        return UserText("RuntimeFolder",
                        QT_TRANSLATE_NOOP("RuntimeFolder", "hat einen zu langen Pfad"));
    return {};
}

QString ownFolderInTemp() {
    // Qt's answer is empty when $TMPDIR names nothing that exists.
    QString temp = QDir::tempPath();
    if (temp.isEmpty())
        temp = QStringLiteral("/tmp");
    const QString path = temp + QStringLiteral("/biorhythmus-") + QString::number(::geteuid());
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return path;
}
} // namespace

RuntimeFolder RuntimeFolder::find() {
    UserText reasons;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        // A relative path would mean the current folder, different for every start.
        const UserText why =
            QDir::isAbsolutePath(runtime)
                ? unfitness(runtime, true)
                : UserText("RuntimeFolder",
                           QT_TRANSLATE_NOOP("RuntimeFolder", "ist kein absoluter Pfad"));
        if (why.isEmpty())
            return {runtime, {}};
        reasons =
            UserText::verbatim(QStringLiteral("$XDG_RUNTIME_DIR (%1) %2.\n")).arg(runtime).arg(why);
    }
    const QString own = ownFolderInTemp();
    const UserText why = unfitness(own, false);
    if (why.isEmpty())
        return {own, {}};
    return {{},
            Outcome::failure(
                UserText::verbatim(QStringLiteral("%1%2 %3.")).arg(reasons).arg(own).arg(why))};
}
