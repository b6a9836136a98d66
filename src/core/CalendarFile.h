#pragma once

#include "core/CalendarAlarm.h"
#include "core/CriticalDays.h"
#include "core/Outcome.h"

#include <QDateTime>
#include <QString>

class QIODevice;

// Whose critical days a calendar file holds. The name is empty when the birth date was typed
// in rather than taken over from the person list.
struct CalendarPerson {
    QString name;
    QDate birth;
};

// The critical days as an iCalendar file (RFC 5545) that calendar programs import: one all-day
// event per day, summary and description in German, CRLF line ends, UTF-8. The stamp is the
// moment of writing and is written in UTC. Each event's UID stays the same for the same person
// and day, so that importing a second file updates the events instead of doubling them; it is
// a hash and shows neither the name nor the birth date. With an alarm, each event carries one
// display alarm that shows its summary; without, the file has none.
QByteArray calendarFile(const CalendarPerson& person, const std::vector<CriticalDay>& days,
                        const QDateTime& stamp, const CalendarAlarm& alarm = {});

// Writes the file to an open device; a failure's detail is the device's errorString().
Outcome writeCalendar(QIODevice& device, const CalendarPerson& person,
                      const std::vector<CriticalDay>& days, const QDateTime& stamp,
                      const CalendarAlarm& alarm = {});

// Saves the file at path as writeOutputFile does (core/WholeFile.h); a failure's sentence names
// the file.
Outcome saveCalendar(const QString& path, const CalendarPerson& person,
                     const std::vector<CriticalDay>& days, const QDateTime& stamp,
                     const CalendarAlarm& alarm = {});

// "Biorhythmus-<name or birth date>-<dd.MM.yyyy of the first day>.ics", with the characters
// that file systems refuse replaced by '_' and a long name cut to its first 64 characters.
QString calendarFileName(const CalendarPerson& person, const QDate& firstDay);
