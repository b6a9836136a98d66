#include "UserManager.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
// systemctl answers at once; a manager busy for longer is taken as stuck.
constexpr int AnswerMs = 30000;
} // namespace

bool SystemdUserManager::isRunning() const {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/systemd/private")) &&
           !QStandardPaths::findExecutable(QStringLiteral("systemctl")).isEmpty();
}

Outcome SystemdUserManager::systemctl(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    const bool ended = process.waitForFinished(AnswerMs);
    if (ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return Outcome();
    if (!ended)
        process.kill();
    const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
    return Outcome::failure(
        UserText("UserManager",
                 QT_TRANSLATE_NOOP("UserManager", "„systemctl --user %1“ ist nicht gelungen"))
            .arg(arguments.join(QLatin1Char(' '))),
        said.isEmpty() ? process.errorString() : said);
}
