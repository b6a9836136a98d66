#pragma once

#include "core/DayWords.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

// One day on which at least one cycle has a critical day.
struct CriticalDay {
    QDate date;
    CycleSet cycles{};

    // 1, or 2 and 3 on days on which several cycles are critical together.
    int count() const;
};

// The critical days of a span of days that begins on a given date.
struct CriticalDayList {
    std::vector<CriticalDay> days;
    QDate first;               // the first day looked at
    QDate last;                // the last day looked at
    bool endsAtLatest = false; // the span reached past 31.12.9999 and stops there
};

// Every critical day from `from` on, over `span` days (`from` counted as the first), for the
// given birth date, by the same rule as the texts. Dates outside 1601-9999, invalid ones or a
// span below one day give an empty list without a first and last day.
CriticalDayList criticalDays(const QDate& birth, const QDate& from, int span);

// A day on which both of two persons have a critical day.
struct SharedCriticalDay {
    QDate date;
    std::array<CycleSet, 2> cycles{}; // the critical cycles of the first and of the second person
};

struct SharedCriticalDayList {
    std::vector<SharedCriticalDay> days;
    QDate first;
    QDate last;
    bool endsAtLatest = false;
};

// The days from `from` on, over `span` days, that are critical days of both birth dates; the
// span's ends as criticalDays() gives them.
SharedCriticalDayList sharedCriticalDays(const QDate& birth, const QDate& otherBirth,
                                         const QDate& from, int span);
