#include "CalendarFile.h"

#include "core/ContentLines.h"
#include "core/DateRules.h"
#include "core/DayWords.h"
#include "core/WholeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QIODevice>
#include <QStringList>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CalendarFile)
};

QString dateValue(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

// The same person and day always give the same UID; the hash keeps name and birth date out.
QString uid(const CalendarPerson& person, const QDate& day) {
    const QByteArray key = "Biorhythmus critical day\x1f" + person.name.trimmed().toUtf8() +
                           '\x1f' + dateValue(person.birth).toLatin1() + '\x1f' +
                           dateValue(day).toLatin1();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QString::fromLatin1(hash.left(32)) + QStringLiteral("@biorhythmus");
}

QString summary(const CalendarPerson& person, const CriticalDay& day) {
    const QString name = person.name.trimmed();
    if (name.isEmpty())
        return Texts::tr("%1: %2").arg(criticalDayWords(day.count()), cycleNames(day.cycles));
    return Texts::tr("%1 für %2: %3")
        .arg(criticalDayWords(day.count()), name, cycleNames(day.cycles));
}

// One display alarm, which shows the event's summary.
QStringList alarm(const CalendarAlarm& when, const QString& summary) {
    if (!when.wanted())
        return {};
    return {QStringLiteral("BEGIN:VALARM"), QStringLiteral("ACTION:DISPLAY"),
            QStringLiteral("DESCRIPTION:") + escapedText(summary),
            QStringLiteral("TRIGGER:") + triggerDuration(when), QStringLiteral("END:VALARM")};
}

QByteArray event(const CalendarPerson& person, const CriticalDay& day, const QString& stamp,
                 const CalendarAlarm& when) {
    // A DATE has four digits of year, so the last accepted day cannot name its next day.
    const QString end = day.date < latestDate()
                            ? QStringLiteral("DTEND;VALUE=DATE:") + dateValue(day.date.addDays(1))
                            : QStringLiteral("DURATION:P1D");
    const QString title = summary(person, day);
    const QStringList lines =
        QStringList{
            QStringLiteral("BEGIN:VEVENT"),
            QStringLiteral("UID:") + uid(person, day.date),
            QStringLiteral("DTSTAMP:") + stamp,
            QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(day.date),
            end,
            QStringLiteral("SUMMARY:") + escapedText(title),
            QStringLiteral("DESCRIPTION:") + escapedText(criticalCycleLeads(day.cycles)),
            QStringLiteral("TRANSP:TRANSPARENT"),
        } +
        alarm(when, title) + QStringList{QStringLiteral("END:VEVENT")};
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += foldedLine(line);
    return bytes;
}
} // namespace

QByteArray calendarFile(const CalendarPerson& person, const std::vector<CriticalDay>& days,
                        const QDateTime& stamp, const CalendarAlarm& alarm) {
    const QString stampValue = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray bytes = "BEGIN:VCALENDAR\r\n"
                       "VERSION:2.0\r\n"
                       "PRODID:-//Biorhythmus//Biorhythmus//DE\r\n"
                       "CALSCALE:GREGORIAN\r\n"
                       "METHOD:PUBLISH\r\n";
    for (const CriticalDay& day : days)
        bytes += event(person, day, stampValue, alarm);
    bytes += "END:VCALENDAR\r\n";
    return bytes;
}

Outcome writeCalendar(QIODevice& device, const CalendarPerson& person,
                      const std::vector<CriticalDay>& days, const QDateTime& stamp,
                      const CalendarAlarm& alarm) {
    const Outcome written = writeAll(device, calendarFile(person, days, stamp, alarm));
    if (written.worked())
        return written;
    return Outcome::failure(
        UserText(
            "CalendarFile",
            QT_TRANSLATE_NOOP("CalendarFile", "Die Kalenderdatei kann nicht geschrieben werden")),
        written);
}

Outcome saveCalendar(const QString& path, const CalendarPerson& person,
                     const std::vector<CriticalDay>& days, const QDateTime& stamp,
                     const CalendarAlarm& alarm) {
    return writeOutputFile(path, calendarFile(person, days, stamp, alarm));
}

QString calendarFileName(const CalendarPerson& person, const QDate& firstDay) {
    // 64 UTF-16 units are at most 192 octets: the name fits the 255 a file name may have.
    QString who = person.name.trimmed().left(64);
    if (!who.isEmpty() && who.back().isHighSurrogate())
        who.chop(1);
    for (QChar& ch : who) {
        if (ch.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(ch))
            ch = QLatin1Char('_');
    }
    if (who.isEmpty())
        who = shortDateText(person.birth);
    return QStringLiteral("Biorhythmus-%1-%2.ics").arg(who, shortDateText(firstDay));
}
