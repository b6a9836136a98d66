#pragma once

#include "cli/CommandLineRequest.h"

#include <QByteArray>
#include <QDate>
#include <QString>

struct CriticalDayList;
struct SharedCriticalDayList;

// Whose days are listed: the caption the window shows beside the birth date ("Geburts-Datum",
// or the name of a person taken from the list) and the birth date.
struct Subject {
    QString caption;
    QDate birth;
};

// The listings of a command-line run, UTF-8, in one of three formats. Text is for reading and
// speaks the interface's language, its columns lined up. CSV has a header row, JSON is an
// array of objects; both are for programs and the same in every language: German keys, the
// cycles' identifiers (physisch, seelisch, geistig), dates as yyyy-MM-dd, weekdays as ISO
// numbers (1 Monday to 7 Sunday), whole percentages. Only the interpretation texts (text_*),
// prose to be read, follow the language.

// The display day as the window shows it: day count, the three percentages and the three
// interpretation texts.
QByteArray valuesListing(const Subject& subject, const QDate& date, OutputFormat format);

// One row per day from the first day on, over span days or up to 31.12.9999: date, day count,
// the three percentages and the cycles that are critical on that day. A text cut short at
// 31.12.9999 says so below.
QByteArray dayTableListing(const QDate& birth, const QDate& first, int span, OutputFormat format);

// The critical days as the list window shows them: weekday, date, the critical cycles and
// whether two or three fall together.
QByteArray criticalDaysListing(const CriticalDayList& list, OutputFormat format);

// The listing a run is asked for: the day table for --days, the critical days for --critical,
// else the display day's values.
QByteArray requestedListing(const CommandLineRequest& request, const Subject& subject);

// A partner comparison, for the two persons of --compare: their birth dates, the days between
// them and the three cycles' matches with the overall one, each with its word. Keys and values
// are the same in every language: cycles and words as German identifiers ("physisch", "hoch").
QByteArray matchListing(const Subject& first, const Subject& second, OutputFormat format);

// The days on which both persons have a critical day, with each one's critical cycles.
QByteArray sharedCriticalDaysListing(const SharedCriticalDayList& list, OutputFormat format);

// What --compare asks for: the shared critical days with --critical, else the match.
QByteArray comparisonListing(const CommandLineRequest& request, const Subject& first,
                             const Subject& second);
