#pragma once

#include "core/CalendarAlarm.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

enum class OutputFormat { Text, Csv, Json };

// What a run from the command line is asked to do, read from its arguments.
struct CommandLineRequest {
    QDate birth;           // --birth; invalid when the birth date comes from the person list
    QString person;        // --person: a name in the person list
    bool compare = false;  // --compare: the match of two persons, or their shared critical days
    QDate partnerBirth;    // the second --birth of a comparison; invalid when from the list
    QString partnerPerson; // the second --person of a comparison
    QDate date;            // --date, today when not given
    int days = 0;          // --days N: a table of N days from the date; 0 when not asked for
    int critical = 0; // --critical N: the critical days of the next N days; 0 when not asked for
    OutputFormat format = OutputFormat::Text;
    QString output = QStringLiteral("-"); // -o: a file, or "-" for standard output
    QString ics;                          // --ics: the calendar file of the critical days
    QString pdf;                          // --pdf: the day report page
    QString png;                          // --png: the chart with its day strip
    QString svg;                          // --svg: the same as a vector drawing
    CalendarAlarm alarm;                  // --alarm, --alarm-before: the calendar file's alarm
    bool notify = false; // --notify: the coming critical days as desktop notifications
    // With --notify, --person and --birth may be given more than once: every one, in order.
    QStringList persons;
    std::vector<QDate> births;
    bool outputGiven = false; // -o was given
    bool formatGiven = false; // --format was given

    bool wantsPictures() const { return !pdf.isEmpty() || !png.isEmpty() || !svg.isEmpty(); }
    // The listing (values, day table or critical days) is written unless only files were asked
    // for: --ics, --pdf, --png or --svg alone write their files and print nothing.
    bool wantsListing() const;
};

// The span --notify covers when --critical is not given: today and tomorrow.
inline constexpr int DefaultNotifySpan = 2;
// The span --ics covers when --critical is not given.
inline constexpr int DefaultCalendarSpan = 90;
// The longest span of --days and --critical; beyond 31.12.9999 a span stops there.
inline constexpr int LongestSpan = 100000;
