#pragma once

#include <QString>
#include <QTime>

// A reminder that calendar programs show before each event of the calendar file (RFC 5545,
// 3.6.6): none, on the critical day at a time, or on the day before at a time. It is written
// relative to the start of the all-day event, midnight of the day in whichever time zone the
// calendar shows it, so that it rings at the same hour on the clock everywhere.
struct CalendarAlarm {
    enum class Day { None, SameDay, DayBefore };
    Day day = Day::None;
    QTime time;

    bool wanted() const { return day != Day::None && time.isValid(); }
    // Minutes from the start of the event to the alarm: 480 for 08:00 on the day, -360 for
    // 18:00 on the day before.
    int minutesFromStart() const;
};

// The alarm's TRIGGER value, a duration relative to the start: "PT8H", "-PT6H", "PT7H30M",
// "-PT24H" for midnight before, "PT0S" for midnight on the day.
QString triggerDuration(const CalendarAlarm& alarm);
