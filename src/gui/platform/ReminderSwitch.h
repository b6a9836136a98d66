#pragma once

#include "core/Outcome.h"
#include "gui/platform/ReminderEntries.h"

#include <QString>

class UserManager;

// Switches the reminder of critical days on and off. On, it writes the autostart entry
// ($XDG_CONFIG_HOME/autostart) and, where a systemd user manager runs, the user service and its
// timer ($XDG_CONFIG_HOME/systemd/user), and has the manager enable the timer. Off, it has the
// manager disable the timer and removes exactly those files. The package installs none of
// them: nothing runs by itself until the user switches it on.
class ReminderSwitch {
public:
    // configFolder: the user's configuration folder; program: the program's absolute path.
    ReminderSwitch(UserManager& manager, const QString& configFolder, const QString& program);

    QString autostartPath() const;
    QString servicePath() const;
    QString timerPath() const;

    // Whether a daily time can be kept: only a user manager runs a timer.
    bool keepsTime() const;
    // What the autostart entry on disk reminds of, with the timer's time; nothing while the
    // reminder is off.
    std::optional<ReminderSetting> current() const;

    // Writes the files for the setting in place of any there were. When a step fails, what was
    // written is taken away again, and the failure says what went wrong.
    Outcome switchOn(const ReminderSetting& setting);
    // Removes every file of the reminder that is there; the first failure is told.
    Outcome switchOff();

private:
    Outcome writeTimer(const ReminderSetting& setting);
    Outcome removeTimer();

    UserManager& m_manager;
    QString m_configFolder;
    QString m_program;
};

// $XDG_CONFIG_HOME, or ~/.config where it is unset.
QString userConfigFolder();
