#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// What the main window shows at the moment of printing. The arrays are indexed by cycle:
// 0 physical, 1 emotional, 2 intellectual.
struct DayReport {
    QString birthCaption; // "Geburts-Datum" or the name of a person taken over
    QDate birthDate;
    QString displayCaption; // "Anzeige-Datum"
    QDate displayDate;
    std::int32_t chartDayCount = 0;     // the day count the on-screen chart was drawn for
    std::array<QString, 3> percentages; // e.g. "-7 %", as the labels show them
    std::array<QString, 3> texts;       // the interpretation texts
};

// The report for two dates as the window shows them after a recalculation: the day count, the
// percentage captions and the interpretation texts computed by the same functions.
DayReport dayReportFor(const QString& birthCaption, const QDate& birthDate,
                       const QString& displayCaption, const QDate& displayDate);
