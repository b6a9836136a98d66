#pragma once

#include "core/Cycle.h"
#include "core/PartnerMatch.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// The words every face of the program uses for a day: the windows, what a screen reader hears,
// the command line, the calendar file and the printed page all take them from here, so that
// they say the same in either language.

// Per cycle, in the order of AllCycles: whether the day count is one of its critical days.
using CycleSet = std::array<bool, 3>;
CycleSet criticalCyclesOn(std::int32_t dayCount);

// The names of the cycles in the set, joined: "Physisch, Geistig".
QString cycleNames(const CycleSet& cycles);

// What a day on which so many cycles are critical is called: "Kritischer Tag", "Doppelt
// kritischer Tag" or "Dreifach kritischer Tag"; nothing for none.
QString criticalDayWords(int criticalCycles);

// The day with its weekday in the language's form: "Samstag, 01.01.2000".
QString dayWithWeekday(const QDate& date);

// What a list of days says when it stops at the last day the program knows.
QString lastDayNote();

// The partner comparison's two persons: "Erste Person" for 0, "Zweite Person" for 1.
QString comparedPerson(int which);

// The word for a match: "hoch", "mittel" or "niedrig" (see matchLevel).
QString matchWord(int percent);

// What the overall match is called beside the cycles' names: "Gesamt".
QString overallMatchName();

// A match as the comparison shows it and a screen reader speaks it: "Physisch 73 %, hoch".
QString matchPhrase(const QString& name, int percent);

// The three cycles' matches and the overall one in a line: "Physisch 73 %, hoch; ...".
QString matchesLine(const PartnerMatch& match);
