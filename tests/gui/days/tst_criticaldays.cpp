#include "FullDisk.h"
#include "MainWindowFixture.h"
#include "TestLanguage.h"
#include "drawing/ChartPicture.h"
#include "gui/controls/DateInput.h"
#include "gui/days/CriticalDaysWindow.h"
#include "gui/days/PartnerComparisonWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TestCriticalDays : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chooseADayFromTheList_data();
    void chooseADayFromTheList();
    void calendarFileOnFullDisk_data();
    void calendarFileOnFullDisk();
    void compareTwoPersons_data();
    void compareTwoPersons();
    void comparisonReadsTheListBeforeTheEditor();

private:
    QTemporaryDir m_home; // with a documents folder, where the calendar file is suggested
};

void TestCriticalDays::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(".config")));
    QVERIFY(QDir(m_home.path()).mkpath("Documents"));
}

namespace {
enum Pick { Enter, DoubleClick };

// The text a screen reader reads as a control's value: none where the control offers none, as
// Qt 6.4's own combo box.
QString readValue(QWidget* control) {
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(control)->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

// Opens the window from the display date field with the keys; nothing when it did not open.
template <typename Window> Window* openWith(Fixture& f, Qt::Key key, const char* name) {
    f.window.show();
    if (!QTest::qWaitForWindowActive(&f.window))
        return nullptr;
    f.window.findChild<DateInput*>("M2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier | Qt::ShiftModifier);
    Window* window = nullptr;
    const bool opened = QTest::qWaitFor(
        [&] { return (window = f.window.findChild<Window*>(name)) && window->isVisible(); });
    return opened ? window : nullptr;
}
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
    auto* days = openWith<CriticalDaysWindow>(f, Qt::Key_K, "Days");
    QVERIFY(days);
    auto* displayDate = f.window.findChild<DateInput*>("M2");
    QCOMPARE(days->findChild<QLabel*>("lblPerson")->text(),
             QString("Anna, geboren am 01.01.2000, ab 01.01.2000"));

    auto* table = days->findChild<QTableWidget*>("DayList");
    QTRY_COMPARE(QApplication::focusWidget(), table);
    auto* span = days->findChild<QComboBox*>("Span");
    for (int i = 0; i < std::abs(spanSteps); ++i)
        QTest::keyClick(span, spanSteps > 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(readValue(span), span->currentText());
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
             QDir(m_home.filePath("Documents")).filePath("Biorhythmus-Anna-01.01.2000.ics"));
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

// A calendar file the disk cannot take whole: told in the window's language, the path as
// chosen, the reason in parentheses, and no part of the file left.
void TestCriticalDays::calendarFileOnFullDisk_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("told"); // %1: the file's path
    QTest::newRow("German") << "de"
                            << "Biorhythmus|%1: Die Datei kann nicht geschrieben werden\n\n(Die "
                               "Datei ist zu groß)";
    QTest::newRow("English") << "en"
                             << "Biorhythmus|%1: The file cannot be written\n\n(File too large)";
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
    QCOMPARE(dialogs.messages, QStringList{told.arg(folder.filePath("days.ics"))});
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// Anna (01.01.2000) is shown on 12.01.2000; the list offers Ben (12.01.2000, chosen at first as
// the first who is not Anna) and Cleo (02.01.2000), and not Dora, who has no birth date. The
// matches and the shared critical days are worked out by hand from the rule and the critical
// days' counts (see tst_calc).
void TestCriticalDays::compareTwoPersons_data() {
    QTest::addColumn<int>("partnerSteps"); // Down presses in the partner field
    QTest::addColumn<int>("dateSteps");    // Down presses on the day of the partner's birth date
    QTest::addColumn<int>("spanSteps");
    QTest::addColumn<QStringList>("matches");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("chosen"); // date, first person's and second's cycles
    QTest::newRow("Ben, eleven days later, over 30 days")
        << 0 << 0 << -1
        << QStringList{"Physisch 0 %, niedrig", "Seelisch 11 %, niedrig", "Geistig 25 %, mittel",
                       "Gesamt 12 %, niedrig"}
        << 4 << 2 << QStringList{"Samstag, 29.01.2000", "Seelisch", "Geistig"};
    QTest::newRow("Cleo, one day later, chosen with the keys")
        << 1 << 0 << 0
        << QStringList{"Physisch 98 %, hoch", "Seelisch 99 %, hoch", "Geistig 99 %, hoch",
                       "Gesamt 99 %, hoch"}
        << 12 << 3 << QStringList{"Freitag, 04.02.2000", "Physisch", "Geistig"};
    QTest::newRow("a birth date typed, ten days later, over 365 days")
        << 0 << 1 << 1
        << QStringList{"Physisch 4 %, niedrig", "Seelisch 19 %, niedrig", "Geistig 34 %, mittel",
                       "Gesamt 19 %, niedrig"}
        << 21 << 1 << QStringList{"Sonntag, 13.02.2000", "Seelisch", "Geistig"};
}

void TestCriticalDays::compareTwoPersons() {
    QFETCH(int, partnerSteps);
    QFETCH(int, dateSteps);
    QFETCH(int, spanSteps);
    QFETCH(int, row);
    Fixture f(QDate(2000, 1, 12));
    for (const Person& person : {Person{"Anna", "01.01.2000"}, Person{"Ben", "12.01.2000"},
                                 Person{"Dora", ""}, Person{"Cleo", "02.01.2000"}})
        f.persons.append(person);
    f.window.load();
    f.window.takeOver(QStringLiteral("Anna"), QDate(2000, 1, 1));
    auto* compare = openWith<PartnerComparisonWindow>(f, Qt::Key_V, "Compare");
    QVERIFY(compare);
    auto* partner = compare->findChild<QComboBox*>("Partner");
    auto* partnerBirth = compare->findChild<DateInput*>("PartnerBirth");
    QTRY_COMPARE(QApplication::focusWidget(), partner);
    QCOMPARE(partner->count(), 4);
    QCOMPARE(readValue(partner), QString("Ben, geboren am 12.01.2000"));
    for (int i = 0; i < partnerSteps; ++i)
        QTest::keyClick(partner, Qt::Key_Down);
    partnerBirth->setFocus();
    for (int i = 0; i < dateSteps; ++i)
        QTest::keyClick(partnerBirth, Qt::Key_Down);
    if (dateSteps > 0)
        QCOMPARE(partner->currentText(), QString("Eingegebenes Geburtsdatum"));
    auto* span = compare->findChild<QComboBox*>("Span");
    for (int i = 0; i < std::abs(spanSteps); ++i)
        QTest::keyClick(span, spanSteps > 0 ? Qt::Key_Down : Qt::Key_Up);

    // The four matches as shown, and so read aloud.
    QFETCH(QStringList, matches);
    for (int i = 0; i < 4; ++i) {
        auto* match = compare->findChild<QLabel*>(QString("Match_%1").arg(i));
        QCOMPARE(match->text(), matches[i]);
        QCOMPARE(QAccessible::queryAccessibleInterface(match)->text(QAccessible::Name), matches[i]);
    }

    auto* table = compare->findChild<QTableWidget*>("DayList");
    QTEST(table->rowCount(), "rows");
    QFETCH(QStringList, chosen);
    for (int column = 0; column < 3; ++column)
        QCOMPARE(table->item(row, column)->text(), chosen[column]);
    table->setFocus();
    for (int i = 0; i < row; ++i)
        QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Return);
    const QDate day = QDate::fromString(chosen[0].section(' ', 1), "dd.MM.yyyy");
    QCOMPARE(f.window.findChild<DateInput*>("M2")->date(), day);
    QVERIFY(compare->isVisible());

    // The chart shows both around the chosen day, and says so.
    auto* chart = compare->findChild<QWidget*>("Chart");
    QImage expected(chartPictureSize(), QImage::Format_RGB32);
    QPainter painter(&expected);
    paintChartPicture(painter, QDate(2000, 1, 1), day, partnerBirth->date());
    painter.end();
    QCOMPARE(chart->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
    QVERIFY2(chart->accessibleDescription().contains(
                 QString("durchgezogen: Anna, geboren am 01.01.2000, gestrichelt: ")),
             qPrintable(chart->accessibleDescription()));
}

// Before the person editor first loads the list, the comparison offers the persons of the file
// as it lies, with a birth date, and leaves the file alone.
void TestCriticalDays::comparisonReadsTheListBeforeTheEditor() {
    Fixture f(QDate(2000, 1, 12));
    const QByteArray file = "2,1\r\n\"Ben\"\r\n\"12.01.2000\"\r\n\"Dora\"\r\n\"\"\r\n";
    QFile list(f.personFile.filePath());
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write(file) == file.size());
    list.close();
    f.window.load();
    auto* compare = openWith<PartnerComparisonWindow>(f, Qt::Key_V, "Compare");
    QVERIFY(compare);
    auto* partner = compare->findChild<QComboBox*>("Partner");
    QCOMPARE(partner->count(), 2);
    QCOMPARE(partner->currentText(), QString("Ben, geboren am 12.01.2000"));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), file);
    QCOMPARE(f.persons.personCount(), 0);
}

QTEST_MAIN(TestCriticalDays)
#include "tst_criticaldays.moc"
