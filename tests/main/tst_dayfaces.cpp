// Every face of the program says the same of a critical day: the critical days window, the
// command line's text, CSV and JSON (which name the cycles by identifiers in either language),
// the calendar file's summary and what a screen reader hears from the chart. The expected words
// and dates are written out by hand from the phase tables.

#include "ScriptedDialogs.h"
#include "cli/Listings.h"
#include "core/CalendarFile.h"
#include "core/DateRules.h"
#include "core/UiLanguage.h"
#include "gui/days/CriticalDaysWindow.h"
#include "gui/mainwindow/ChartSurfaces.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

class TestDayFaces : public QObject {
    Q_OBJECT
private slots:
    void criticalDayInEveryFace_data();
    void criticalDayInEveryFace();
};

namespace {
void speak(UiLanguage language) {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installUiLanguage(*qApp, language);
}
} // namespace

void TestDayFaces::criticalDayInEveryFace_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("heading"); // weekday and date
    QTest::addColumn<QString>("cycles");
    QTest::addColumn<QString>("identifiers"); // CSV and JSON: the same in either language
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("count");

    const QDate born(2000, 1, 1);
    const QDate last(9999, 12, 31);
    QTest::newRow("single, physical mid-cycle (day 11)")
        << false << born << QDate(2000, 1, 12) << "Mittwoch, 12.01.2000"
        << "Physisch"
        << "physisch"
        << "Kritischer Tag" << 1;
    QTest::newRow("single, emotional mid-cycle (day 15)")
        << false << born << QDate(2000, 1, 16) << "Sonntag, 16.01.2000"
        << "Seelisch"
        << "seelisch"
        << "Kritischer Tag" << 1;
    QTest::newRow("double, emotional mid-cycle and intellectual start (day 99)")
        << false << born << QDate(2000, 4, 9) << "Sonntag, 09.04.2000"
        << "Seelisch, Geistig"
        << "seelisch, geistig"
        << "Doppelt kritischer Tag" << 2;
    QTest::newRow("double, two mid-cycle days (day 127)")
        << false << born << QDate(2000, 5, 7) << "Sonntag, 07.05.2000"
        << "Physisch, Seelisch"
        << "physisch, seelisch"
        << "Doppelt kritischer Tag" << 2;
    QTest::newRow("triple, the birthday") << false << born << born << "Samstag, 01.01.2000"
                                          << "Physisch, Seelisch, Geistig"
                                          << "physisch, seelisch, geistig"
                                          << "Dreifach kritischer Tag" << 3;
    QTest::newRow("triple, the last day") << false << last << last << "Freitag, 31.12.9999"
                                          << "Physisch, Seelisch, Geistig"
                                          << "physisch, seelisch, geistig"
                                          << "Dreifach kritischer Tag" << 3;
    QTest::newRow("English, single") << true << born << QDate(2000, 1, 17) << "Monday, 1/17/2000"
                                     << "Intellectual"
                                     << "geistig"
                                     << "Critical day" << 1;
    QTest::newRow("English, double (day 115)")
        << true << born << QDate(2000, 4, 25) << "Tuesday, 4/25/2000"
        << "Physical, Intellectual"
        << "physisch, geistig"
        << "Double critical day" << 2;
    QTest::newRow("English, triple, the last day") << true << last << last << "Friday, 12/31/9999"
                                                   << "Physical, Emotional, Intellectual"
                                                   << "physisch, seelisch, geistig"
                                                   << "Triple critical day" << 3;
}

void TestDayFaces::criticalDayInEveryFace() {
    QFETCH(bool, english);
    QFETCH(QDate, birth);
    QFETCH(QDate, day);
    QFETCH(QString, heading);
    QFETCH(QString, cycles);
    QFETCH(QString, identifiers);
    QFETCH(QString, words);
    QFETCH(int, count);
    speak(english ? UiLanguage::English : UiLanguage::German);
    const CriticalDayList list = criticalDays(birth, day, 1);
    QCOMPARE(list.days.size(), std::size_t(1));

    // Each face that says otherwise is named, so that one wrong word shows in all at once.
    QStringList wrong;
    const auto expect = [&wrong](const char* face, bool agrees, const QString& said) {
        if (!agrees)
            wrong << QString::fromLatin1(face) + ": " + said;
    };

    // The window of the critical days marks only days on which several cycles meet.
    ScriptedDialogs dialogs;
    CriticalDaysWindow window({QString(), birth}, day, {dialogs, [](const QDate&) {}});
    auto* table = window.findChild<QTableWidget*>("DayList");
    const QStringList row{table->item(0, 0)->text(), table->item(0, 1)->text(),
                          table->item(0, 2)->text()};
    expect("window", row == QStringList{heading, cycles, count > 1 ? words : QString()},
           row.join(" | "));

    const QString text = QString::fromUtf8(criticalDaysListing(list, OutputFormat::Text));
    expect("text",
           text.contains(QRegularExpression(QRegularExpression::escape(heading) + " +" +
                                            QRegularExpression::escape(cycles) + " +" +
                                            QRegularExpression::escape(words) + "\n")),
           text);
    const QString csv =
        QString::fromUtf8(criticalDaysListing(list, OutputFormat::Csv)).section('\n', 1, 1);
    const QString quotedCycles = identifiers.contains(',') ? '"' + identifiers + '"' : identifiers;
    expect("CSV",
           csv == day.toString(Qt::ISODate) + ',' + QString::number(day.dayOfWeek()) + ',' +
                      quotedCycles + ',' + QString::number(count),
           csv);
    const QJsonObject json = QJsonDocument::fromJson(criticalDaysListing(list, OutputFormat::Json))
                                 .array()[0]
                                 .toObject();
    QStringList jsonCycles;
    for (const QJsonValue& name : json["kritisch"].toArray())
        jsonCycles << name.toString();
    expect("JSON",
           jsonCycles.join(", ") == identifiers && json["anzahl"].toInt() == count &&
               json["wochentag"].toInt() == day.dayOfWeek(),
           QJsonDocument(json).toJson(QJsonDocument::Compact));

    const QString calendar = QString::fromUtf8(
        calendarFile({QString(), birth}, list.days, QDateTime(day, QTime(12, 0), Qt::UTC)));
    const QString summary = calendar.section("\r\nSUMMARY:", 1).section("\r\n", 0, 0);
    expect("calendar file", summary == words + ": " + QString(cycles).replace(',', "\\,"), summary);

    ChartArea chart;
    chart.showDay(day, dayCountBetween(birth, day));
    const QString spoken = chart.spokenWords();
    expect("screen reader",
           spoken.startsWith(heading + ", ") && spoken.endsWith(", " + words + ": " + cycles),
           spoken);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

QTEST_MAIN(TestDayFaces)
#include "tst_dayfaces.moc"
