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

// Each critical cycle of the set on a line of its own, with the first sentence of its text on a
// critical day: "Physisch: Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand."
QString criticalCycleLeads(const CycleSet& cycles);

// The captions of the two dates, as the window shows them beside its date fields and every
// other face names them: "Geburts-Datum" and "Anzeige-Datum".
QString birthDateCaption();
QString displayDateCaption();

// The day with its weekday in the language's form: "Samstag, 01.01.2000".
QString dayWithWeekday(const QDate& date);

// What a list of days says when it stops at the last day the program knows.
QString lastDayNote();

// What a saved chart picture says of itself: whose chart it is (the person's name, or where
// there is none the birth date) and which days it shows, and what its curves and its marker
// are. "Biorhythmus von Anna, 22.11.2026 bis 23.12.2026"; "Die Kurven Physisch, Seelisch und
// Geistig; der senkrechte Strich markiert den 08.12.2026."
struct ChartPictureWords {
    QString title;
    QString description;
};
ChartPictureWords chartPictureWords(const QString& name, const QDate& birth, const QDate& first,
                                    const QDate& display, const QDate& last);

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
