#include "ReminderOptions.h"

#include "cli/CommandLineRequest.h"

#include <QCommandLineParser>

namespace {
UserText message(const char* source) {
    return UserText("ReminderOptions", source);
}

// "8:00" or "08:00", hours 0-23.
QTime clockTime(const QString& text) {
    const QTime time = QTime::fromString(text, QStringLiteral("H:mm"));
    return text.size() <= 5 ? time : QTime();
}

UserText readAlarm(const QCommandLineParser& parser, CommandLineRequest& request) {
    const bool sameDay = parser.isSet(QStringLiteral("alarm"));
    const bool dayBefore = parser.isSet(QStringLiteral("alarm-before"));
    if (!sameDay && !dayBefore)
        return {};
    if (sameDay && dayBefore)
        return message(QT_TRANSLATE_NOOP("ReminderOptions",
                                         "--alarm und --alarm-before schließen einander aus."));
    const QString option = sameDay ? QStringLiteral("alarm") : QStringLiteral("alarm-before");
    if (request.ics.isEmpty())
        return message(QT_TRANSLATE_NOOP("ReminderOptions", "--%1 gilt nur mit --ics."))
            .arg(option);
    const QString text = parser.value(option);
    request.alarm = {sameDay ? CalendarAlarm::Day::SameDay : CalendarAlarm::Day::DayBefore,
                     clockTime(text)};
    if (!request.alarm.time.isValid())
        return message(QT_TRANSLATE_NOOP("ReminderOptions",
                                         "--%1 erwartet eine Uhrzeit als HH:MM, nicht „%2“."))
            .arg(option)
            .arg(text);
    return {};
}
} // namespace

UserText readReminderOptions(const QCommandLineParser& parser, CommandLineRequest& request) {
    if (const UserText error = readAlarm(parser, request); !error.isEmpty())
        return error;
    if (!request.notify)
        return {};
    for (const char* other : {"days", "output", "format", "ics", "pdf", "png", "svg"}) {
        if (parser.isSet(QLatin1String(other)))
            return message(QT_TRANSLATE_NOOP("ReminderOptions",
                                             "--notify und --%1 schließen einander aus."))
                .arg(QLatin1String(other));
    }
    return {};
}
