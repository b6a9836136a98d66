#include "FailingDevice.h"
#include "core/CalendarFile.h"
#include "core/CriticalDays.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

class TestCalendarFile : public QObject {
    Q_OBJECT
private slots:
    void readBack_data();
    void readBack();
    void failedSaves_data();
    void failedSaves();
    void fullDisk();
    void suggestedNames_data();
    void suggestedNames();
};

namespace {
// 23:30 UTC on 08.12.2026: already the next day in Berlin, still the afternoon in Los Angeles.
constexpr qint64 Stamp = 1796772600;

QString write(const QTemporaryDir& dir, const QString& file, const CalendarPerson& person,
              const QDate& first, int span, qint64 stamp, const CalendarAlarm& alarm) {
    const QString path = dir.filePath(file);
    const CriticalDayList list = criticalDays(person.birth, first, span);
    const Outcome saved =
        saveCalendar(path, person, list.days, QDateTime::fromSecsSinceEpoch(stamp), alarm);
    if (!saved.worked())
        qWarning("%s", qPrintable(saved.text()));
    return path;
}
} // namespace

// Each row is written three times: the file itself, the same person from three days later,
// and another person over the same days; a real iCalendar parser reads them back, and where
// the events carry an alarm khal lists them too. The alarm's minutes from the event's start
// and its TRIGGER are worked out by hand.
void TestCalendarFile::readBack_data() {
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("span");
    QTest::addColumn<CalendarAlarm>("alarm");
    QTest::addColumn<QString>("trigger"); // empty: no alarm at all
    QTest::addColumn<int>("minutes");
    using Day = CalendarAlarm::Day;
    QTest::newRow("birthday: triple, then the mid-cycle pairs")
        << "Europe/Berlin"
        << "" << QDate(2000, 1, 1) << QDate(2000, 1, 1) << 90 << CalendarAlarm{} << "" << 0;
    QTest::newRow("a year of a named person, alarm at 08:00 on the day")
        << "America/Los_Angeles"
        << "Anna Berg" << QDate(1953, 11, 20) << QDate(2026, 12, 8) << 365
        << CalendarAlarm{Day::SameDay, QTime(8, 0)} << "PT8H" << 480;
    QTest::newRow("name with quotes, commas, semicolons, a line break, non-Latin-1")
        << "America/Los_Angeles"
        << QString::fromUtf8("Zoë \"Ω\"; Müller,\nJr. \\ 北京 🎉 ") + QString(40, QChar(0x00FC))
        << QDate(1990, 2, 28) << QDate(2026, 1, 1) << 30
        << CalendarAlarm{Day::DayBefore, QTime(18, 0)} << "-PT6H" << -360;
    QTest::newRow("before the birth date")
        << "Europe/Berlin"
        << "" << QDate(2030, 6, 15) << QDate(2030, 3, 1) << 120
        << CalendarAlarm{Day::SameDay, QTime(7, 30)} << "PT7H30M" << 450;
    QTest::newRow("the last days before 31.12.9999")
        << "Europe/Berlin"
        << "Ende" << QDate(9999, 12, 15) << QDate(9999, 11, 1) << 365 << CalendarAlarm{} << "" << 0;
    QTest::newRow("no alarm, though a time is set")
        << "Europe/Berlin"
        << "" << QDate(1999, 11, 8) << QDate(2026, 12, 8) << 60
        << CalendarAlarm{Day::None, QTime(8, 0)} << "" << 0;
    QTest::newRow("midnight before the day")
        << "Europe/Berlin"
        << "" << QDate(1999, 11, 8) << QDate(2026, 12, 8) << 60
        << CalendarAlarm{Day::DayBefore, QTime(0, 0)} << "-PT24H" << -1440;
    QTest::newRow("midnight of the day") << "Europe/Berlin"
                                         << "" << QDate(1999, 11, 8) << QDate(2026, 12, 8) << 60
                                         << CalendarAlarm{Day::SameDay, QTime(0, 0)} << "PT0S" << 0;
    QTest::newRow("a minute before the day")
        << "Europe/Berlin"
        << "" << QDate(1999, 11, 8) << QDate(2026, 12, 8) << 60
        << CalendarAlarm{Day::DayBefore, QTime(23, 59)} << "-PT1M" << -1;
}

void TestCalendarFile::readBack() {
    QFETCH(QString, timeZone);
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(QDate, first);
    QFETCH(int, span);
    QFETCH(CalendarAlarm, alarm);
    QFETCH(QString, trigger);
    QFETCH(int, minutes);
    qputenv("TZ", timeZone.toLatin1());
    tzset();
    QTemporaryDir dir;
    const CalendarPerson person{name, birth};
    const QString file = write(dir, QStringLiteral("a.ics"), person, first, span, Stamp, alarm);
    const QString same =
        write(dir, QStringLiteral("same.ics"), person, first.addDays(3), span, Stamp + 3600, alarm);
    const QString other = write(dir, QStringLiteral("other.ics"), {name + QLatin1Char('2'), birth},
                                first, span, Stamp, alarm);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes.count("TRIGGER:" + trigger.toLatin1() + "\r\n"),
             trigger.isEmpty() ? 0 : bytes.count("BEGIN:VEVENT"));
    QCOMPARE(bytes.contains("VALARM"), !trigger.isEmpty());

    QProcess reader;
    reader.setProcessChannelMode(QProcess::MergedChannels);
    reader.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(CALENDAR_READER), file,
                             QStringLiteral("--same=") + same, QStringLiteral("--other=") + other,
                             QStringLiteral("--birth=") + birth.toString(Qt::ISODate),
                             QStringLiteral("--first=") + first.toString(Qt::ISODate),
                             QStringLiteral("--span=%1").arg(span),
                             QStringLiteral("--name=") + name,
                             QStringLiteral("--stamp=%1").arg(Stamp)} +
                     (trigger.isEmpty() ? QStringList()
                                        : QStringList{QStringLiteral("--alarm=%1").arg(minutes)}));
    QVERIFY(reader.waitForFinished(60000));
    const QByteArray output = reader.readAll();
    QVERIFY2(reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0,
             output.constData());
}

// A failed save says so in German, naming the file by the path it was given, and leaves no
// file behind.
void TestCalendarFile::failedSaves_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message"); // after the path
    QTest::newRow("the name is a folder") << "folder"
                                          << ": Die Datei kann nicht angelegt werden: ";
    QTest::newRow("a folder that does not exist")
        << "missing/x.ics"
        << ": Die Datei kann nicht angelegt werden: Die Datei oder der Ordner existiert nicht";
}

void TestCalendarFile::failedSaves() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const CriticalDayList list = criticalDays(QDate(2000, 1, 1), QDate(2000, 1, 1), 365);
    const Outcome saved =
        saveCalendar(dir.filePath(path), {}, list.days, QDateTime::fromSecsSinceEpoch(Stamp));
    QVERIFY(!saved.worked());
    QVERIFY2(saved.text().startsWith(dir.filePath(path) + message), qPrintable(saved.text()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

void TestCalendarFile::fullDisk() {
    const CriticalDayList list = criticalDays(QDate(2000, 1, 1), QDate(2000, 1, 1), 365);
    FailingDevice device({}, 1000);
    QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const Outcome written =
        writeCalendar(device, {}, list.days, QDateTime::fromSecsSinceEpoch(Stamp));
    QVERIFY(!written.worked());
    QVERIFY2(written.text().startsWith(QString("Die Kalenderdatei kann nicht geschrieben werden: "
                                               "Kein Platz mehr auf dem Gerät")),
             qPrintable(written.text()));
}

void TestCalendarFile::suggestedNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("no name: the birth date") << " "
                                             << "Biorhythmus-20.11.1953-01.01.2000.ics";
    QTest::newRow("no folders in a name") << "A/B\\C:\"D\""
                                          << "Biorhythmus-A_B_C__D_-01.01.2000.ics";
    QTest::newRow("a long name cut short, not inside a character")
        << QString(63, 'x') + QString::fromUtf8("🎉")
        << "Biorhythmus-" + QString(63, 'x') + "-01.01.2000.ics";
}

void TestCalendarFile::suggestedNames() {
    QFETCH(QString, name);
    QTEST(calendarFileName({name, QDate(1953, 11, 20)}, QDate(2000, 1, 1)), "file");
}

QTEST_APPLESS_MAIN(TestCalendarFile)
#include "tst_calendarfile.moc"
