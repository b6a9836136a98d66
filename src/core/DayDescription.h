#pragma once

#include "core/DayWords.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// What the program tells about one day of the chart, in words: for the day-column tool tips
// and for what assistive technology reads from the chart, the day strip and the percentages.
struct DaySummary {
    QDate date;
    std::int32_t dayCount = 0;        // days since the birth date, negative before it
    std::array<int, 3> percentages{}; // per cycle, as the percentage labels show them
    CycleSet criticalDays{};          // per cycle: the day is one of its critical days
};

DaySummary summarizeDay(const QDate& date, std::int32_t dayCount);

// A percentage label as it is read aloud, e.g. "Physisch 27 %".
QString spokenPercentage(Cycle cycle, const QString& shownText);

// One line for a screen reader to speak when the day changes: the day, the three percentages
// and the cycles with a critical day.
QString spokenDay(const DaySummary& day);

// Several lines: the day, the day count since birth, the three percentages and the cycles
// with a critical day.
QString dayDescription(const DaySummary& day);
