#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// The most bytes of a socket's path: its address holds them with a closing zero byte.
constexpr qsizetype LongestSocketPath = sizeof(sockaddr_un::sun_path) - 1;

// Empty when the folder is fit to hold the lock and the socket; otherwise why not. A folder
// given by the environment may be reached through a link; the one made here must not be a
// link, which someone else could have put there before.
UserText unfitness(const QString& path, const QString& socketName, bool followLink) {
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
    const QByteArray socket = QFile::encodeName(path + u'/' + socketName);
    if (socket.size() > LongestSocketPath)
        return UserText("RuntimeFolder",
                        QT_TRANSLATE_NOOP("RuntimeFolder",
                                          "hat einen zu langen Pfad: der Socket %1 hätte %2 "
                                          "Bytes, höchstens %3 sind möglich"))
            .arg(QFile::decodeName(socket))
            .arg(socket.size())
            .arg(LongestSocketPath);
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

RuntimeFolder RuntimeFolder::find(const QString& socketName) {
    UserText passedOver;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        // A relative path would mean the current folder, different for every start.
        const UserText why =
            QDir::isAbsolutePath(runtime)
                ? unfitness(runtime, socketName, true)
                : UserText("RuntimeFolder",
                           QT_TRANSLATE_NOOP("RuntimeFolder", "ist kein absoluter Pfad"));
        if (why.isEmpty())
            return {runtime, {}, {}};
        passedOver =
            UserText::verbatim(QStringLiteral("$XDG_RUNTIME_DIR (%1) %2.")).arg(runtime).arg(why);
    }
    const QString own = ownFolderInTemp();
    const UserText why = unfitness(own, socketName, false);
    if (why.isEmpty()) {
        if (passedOver.isEmpty())
            return {own, {}, {}};
        return {own,
                {},
                UserText("RuntimeFolder",
                         QT_TRANSLATE_NOOP("RuntimeFolder",
                                           "%1 Biorhythmus merkt sich darum in %2, dass es läuft."))
                    .arg(passedOver)
                    .arg(own)};
    }
    const UserText reasons = passedOver.isEmpty()
                                 ? passedOver
                                 : UserText::verbatim(QStringLiteral("%1\n")).arg(passedOver);
    return {{},
            Outcome::failure(
                UserText::verbatim(QStringLiteral("%1%2 %3.")).arg(reasons).arg(own).arg(why)),
            {}};
}
