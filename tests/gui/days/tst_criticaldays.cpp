#include "FullDisk.h"
#include "MainWindowFixture.h"
#include "TestLanguage.h"
#include "gui/controls/DateInput.h"
#include "gui/days/CriticalDaysWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

class TestCriticalDays : public QObject {
    Q_OBJECT
private slots:
    void chooseADayFromTheList_data();
    void chooseADayFromTheList();
    void calendarFileOnFullDisk_data();
    void calendarFileOnFullDisk();
};

namespace {
enum Pick { Enter, DoubleClick };
} // namespace

// From the display date field, Ctrl+Shift+K opens the list; a span is chosen with the keyboard
// and a row is picked. Row counts and dates worked out by hand from the phase tables for a
// birth date equal to the display date 01.01.2000.
void TestCriticalDays::chooseADayFromTheList_data() {
    QTest::addColumn<int>("spanSteps"); // Down (+) or Up (-) presses in the span field
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("cycles");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("alarmSteps"); // Down presses in the alarm field
    QTest::addColumn<QByteArray>("trigger");
    QTest::newRow("90 days, Enter on the birthday")
        << 0 << 26 << 0 << +Enter << QDate(2000, 1, 1) << "Physisch, Seelisch, Geistig"
        << "Dreifach kritischer Tag" << 0 << QByteArray();
    QTest::newRow("30 days, Enter on the emotional mid-cycle day, alarm at 08:00")
        << -1 << 8 << 3 << +Enter << QDate(2000, 1, 16) << "Seelisch"
        << "" << 1 << QByteArray("TRIGGER:PT8H");
    QTest::newRow("365 days, double-click on the second physical day, alarm the evening before")
        << 1 << 100 << 2 << +DoubleClick << QDate(2000, 1, 13) << "Physisch"
        << "" << 2 << QByteArray("TRIGGER:-PT6H");
}

void TestCriticalDays::chooseADayFromTheList() {
    QFETCH(int, spanSteps);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, pick);
    QFETCH(QDate, shown);
    Fixture f(QDate(2000, 1, 1));
    f.window.load();
    f.window.takeOver(QStringLiteral("Anna"), QDate(2000, 1, 1));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    auto* displayDate = f.window.findChild<DateInput*>("M2");
    displayDate->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K,
                    Qt::ControlModifier | Qt::ShiftModifier);
    CriticalDaysWindow* days = nullptr;
    QTRY_VERIFY((days = f.window.findChild<CriticalDaysWindow*>("Days")) && days->isVisible());
    QCOMPARE(days->findChild<QLabel*>("lblPerson")->text(),
             QString("Anna, geboren am 01.01.2000, ab 01.01.2000"));

    auto* table = days->findChild<QTableWidget*>("DayList");
    QTRY_COMPARE(QApplication::focusWidget(), table);
    auto* span = days->findChild<QComboBox*>("Span");
    for (int i = 0; i < std::abs(spanSteps); ++i)
        QTest::keyClick(span, spanSteps > 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(table->rowCount(), rows);
    QTEST(table->item(row, 1)->text(), "cycles");
    QTEST(table->item(row, 2)->text(), "mark");
    QAccessibleInterface* readTable = QAccessible::queryAccessibleInterface(table);
    QCOMPARE(readTable->role(), QAccessible::Table);
    QCOMPARE(readTable->tableInterface()->columnDescription(1), QString("Zyklen"));

    table->setFocus();
    for (int i = 0; i < row; ++i)
        QTest::keyClick(table, Qt::Key_Down);
    if (pick == Enter) {
        QTest::keyClick(table, Qt::Key_Return);
    } else {
        const QPoint centre = table->visualRect(table->model()->index(row, 0)).center();
        // A double click is a click and then the second press, which QTest sends alone.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(displayDate->date(), shown);
    QCOMPARE(f.window.dayCount(), int(QDate(2000, 1, 1).daysTo(shown)));
    QVERIFY(days->isVisible());

    // The listed days go into the calendar file, suggested in the documents folder, with the
    // alarm chosen.
    QFETCH(int, alarmSteps);
    QFETCH(QByteArray, trigger);
    auto* alarm = days->findChild<QComboBox*>("AlarmDay");
    for (int i = 0; i < alarmSteps; ++i)
        QTest::keyClick(alarm, Qt::Key_Down);
    QCOMPARE(days->findChild<QWidget*>("AlarmTime")->isEnabled(), alarmSteps > 0);
    QTemporaryDir folder;
    f.dialogs.saveFileNames << folder.filePath("days.ics");
    days->findChild<QPushButton*>("C3_0")->click();
    QCOMPARE(f.dialogs.suggestedPath,
             QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                 .filePath("Biorhythmus-Anna-01.01.2000.ics"));
    QFile saved(folder.filePath("days.ics"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray calendar = saved.readAll();
    QCOMPARE(calendar.count("BEGIN:VEVENT"), rows);
    QCOMPARE(calendar.count("BEGIN:VALARM"), trigger.isEmpty() ? 0 : rows);
    QCOMPARE(calendar.count("\r\n" + trigger + "\r\n"), trigger.isEmpty() ? 0 : rows);

    // "Erinnerungen..." opens over the list, for the birth date shown; the chart's context menu
    // opens it too.
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
    days->findChild<QPushButton*>("C3_2")->click();
    QWidget* reminders = nullptr;
    QTRY_VERIFY((reminders = days->findChild<QWidget*>("Reminders")) && reminders->isVisible());
    QCOMPARE(reminders->findChild<QListWidget*>("Persons")->item(0)->text(),
             QString("Geburtsdatum 01.01.2000"));
    reminders->close();
    days->close();
    for (QAction* action : f.window.findChild<QWidget*>("P1")->actions()) {
        if (action->text() == QLatin1String("Erinnerungen..."))
            action->trigger();
    }
    QTRY_VERIFY((reminders = f.window.findChild<QWidget*>("Reminders")) && reminders->isVisible());
}

// A calendar file the disk cannot take whole: told in the window's language, with the file
// system's own words in parentheses, and no part of the file left.
void TestCriticalDays::calendarFileOnFullDisk_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("told");
    QTest::newRow("German") << "de"
                            << "Biorhythmus|days.ics: Die Datei kann nicht geschrieben "
                               "werden\n\n(File too large)";
    QTest::newRow("English") << "en"
                             << "Biorhythmus|days.ics: The file cannot be written\n\n(File too "
                                "large)";
}

void TestCriticalDays::calendarFileOnFullDisk() {
    QFETCH(QString, language);
    QFETCH(QString, told);
    const TestLanguage speaking(language);
    QVERIFY(speaking.installed());
    ScriptedDialogs dialogs;
    CriticalDaysWindow days({QStringLiteral("Anna"), QDate(2000, 1, 1)}, QDate(2000, 1, 1),
                            {dialogs, [](const QDate&) {}});
    QTemporaryDir folder;
    dialogs.saveFileNames << folder.filePath("days.ics");
    {
        const FullDisk full;
        QVERIFY(full.limited());
        days.findChild<QPushButton*>("C3_0")->click();
    }
    QCOMPARE(dialogs.messages, QStringList{told});
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(TestCriticalDays)
#include "tst_criticaldays.moc"
