#pragma once

#include "core/UiLanguage.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <QTime>
#include <optional>
#include <vector>

// What the reminder of critical days tells of, and the files that make the desktop run it: an
// XDG autostart entry that runs it at every log-in, and a systemd user service with its timer
// that runs it daily at a time. What to remind of lives in those files alone, as the command
// line they run ("biorhythmus --lang de --notify --person Anna --birth 1953-11-20"); no other
// file keeps it.
struct ReminderSetting {
    QStringList persons;       // names in the person list
    std::vector<QDate> births; // birth dates typed in
    QTime time;                // when the timer runs it each day
    UiLanguage language = UiLanguage::German;

    bool remindsOfNobody() const { return persons.isEmpty() && births.empty(); }
    friend bool operator==(const ReminderSetting&, const ReminderSetting&) = default;
};

// The program's arguments for the setting, the program's path first.
QStringList reminderCommand(const QString& program, const ReminderSetting& setting);

// The autostart entry (a freedesktop.org desktop entry), its texts in the language installed now.
// With the timer beside it, a session started by systemd leaves the entry to the timer, which
// catches up at log-in on a run it missed (X-systemd-skip).
QByteArray autostartEntry(const QString& program, const ReminderSetting& setting, bool withTimer);
// The oneshot user service that runs the command, and the timer that starts it daily at the
// setting's time and, with Persistent=true, at once after a day on which the machine was off.
QByteArray reminderService(const QString& program, const ReminderSetting& setting);
QByteArray reminderTimer(const ReminderSetting& setting);

// The setting an autostart entry of ours runs, its time taken from the timer (invalid without
// one); nothing when the entry runs no reminder of this program.
std::optional<ReminderSetting> readReminderSetting(const QByteArray& entry,
                                                   const QByteArray& timer);
