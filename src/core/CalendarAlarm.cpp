#include "CalendarAlarm.h"

#include <cstdlib>

int CalendarAlarm::minutesFromStart() const {
    const int minutes = time.hour() * 60 + time.minute();
    return day == Day::DayBefore ? minutes - 24 * 60 : minutes;
}

QString triggerDuration(const CalendarAlarm& alarm) {
    const int offset = alarm.minutesFromStart();
    if (offset == 0)
        return QStringLiteral("PT0S"); // a duration needs at least one of its parts
    QString value = offset < 0 ? QStringLiteral("-PT") : QStringLiteral("PT");
    const int hours = std::abs(offset) / 60, minutes = std::abs(offset) % 60;
    if (hours > 0)
        value += QString::number(hours) + QLatin1Char('H');
    if (minutes > 0)
        value += QString::number(minutes) + QLatin1Char('M');
    return value;
}
