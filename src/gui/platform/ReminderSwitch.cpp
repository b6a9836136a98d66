#include "ReminderSwitch.h"

#include "core/WholeFile.h"
#include "gui/platform/UserManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString TimerName = QStringLiteral("biorhythmus-reminder.timer");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
}

Outcome writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    return writeWholeFile(path, bytes, false);
}

// Removes the file if it is there; a symbolic link is removed, not what it points to.
Outcome removeFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isSymLink() && !file.exists())
        return Outcome();
    if (file.remove())
        return Outcome();
    return Outcome::failure(
        UserText("ReminderSwitch",
                 QT_TRANSLATE_NOOP("ReminderSwitch", "Die Datei %1 lässt sich nicht entfernen"))
            .arg(QDir::toNativeSeparators(path)),
        file.errorString());
}

// The first failure of the two.
Outcome first(const Outcome& one, const Outcome& other) {
    return one.worked() ? other : one;
}
} // namespace

ReminderSwitch::ReminderSwitch(UserManager& manager, const QString& configFolder,
                               const QString& program)
    : m_manager(manager), m_configFolder(configFolder), m_program(program) {}

QString ReminderSwitch::autostartPath() const {
    return m_configFolder +
           QStringLiteral("/autostart/de.biorhythmus.Biorhythmus-reminder.desktop");
}

QString ReminderSwitch::servicePath() const {
    return m_configFolder + QStringLiteral("/systemd/user/biorhythmus-reminder.service");
}

QString ReminderSwitch::timerPath() const {
    return m_configFolder + QStringLiteral("/systemd/user/") + TimerName;
}

bool ReminderSwitch::keepsTime() const {
    return m_manager.isRunning();
}

std::optional<ReminderSetting> ReminderSwitch::current() const {
    return readReminderSetting(contents(autostartPath()), contents(timerPath()));
}

Outcome ReminderSwitch::switchOn(const ReminderSetting& setting) {
    const bool timed = m_manager.isRunning();
    Outcome done = timed ? writeTimer(setting) : removeTimer();
    if (done.worked())
        done = writeFile(autostartPath(), autostartEntry(m_program, setting, timed));
    if (!done.worked())
        (void)switchOff(); // the failure to tell is the first one
    return done;
}

Outcome ReminderSwitch::switchOff() {
    return first(removeTimer(), removeFile(autostartPath()));
}

Outcome ReminderSwitch::writeTimer(const ReminderSetting& setting) {
    Outcome done = writeFile(servicePath(), reminderService(m_program, setting));
    if (done.worked())
        done = writeFile(timerPath(), reminderTimer(setting));
    if (done.worked())
        done = m_manager.systemctl({QStringLiteral("daemon-reload")});
    // Restarted, so that a timer that ran already counts from the new time.
    for (const QString& command : {QStringLiteral("enable"), QStringLiteral("restart")}) {
        if (done.worked())
            done = m_manager.systemctl({command, TimerName});
    }
    return done;
}

Outcome ReminderSwitch::removeTimer() {
    const bool there = QFileInfo::exists(timerPath());
    const bool running = m_manager.isRunning();
    Outcome done;
    if (there && running)
        done = m_manager.systemctl({QStringLiteral("disable"), QStringLiteral("--now"), TimerName});
    // Without a manager to disable it, the link that enabled the timer goes by hand.
    done =
        first(done, removeFile(m_configFolder +
                               QStringLiteral("/systemd/user/timers.target.wants/") + TimerName));
    done = first(done, removeFile(timerPath()));
    done = first(done, removeFile(servicePath()));
    if (there && running)
        done = first(done, m_manager.systemctl({QStringLiteral("daemon-reload")}));
    return done;
}

QString userConfigFolder() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG base directory rules take a relative path as unset.
    if (QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}
