#include "core/Clock.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/FramedDialog.h"
#include "gui/controls/Stepper.h"
#include "gui/controls/TodayCalendar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
// A 40 x 30 green client area in its dialog edge.
class GreenDialog final : public FramedDialog {
public:
    GreenDialog() : FramedDialog(QSize(40, 30)) {}

protected:
    void paintClient(QPainter& painter) override { painter.fillRect(client()->rect(), Qt::green); }
};
} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void stepperKeys_data();
    void stepperKeys();
    void typingADate_data();
    void typingADate();
    void calendarIsGerman();
    void calendarTodayLine();
    void calendarFromKeys_data();
    void calendarFromKeys();
    void dialogEdge_data();
    void dialogEdge();
};

// The arrow keys step the way the arrows point, Down and Up like the arrows of a spin box; the
// arrow buttons never take the focus from the stepper, and other keys go on to the window.
void TestControls::stepperKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("Left") << int(Qt::Key_Left) << 1 << 0;
    QTest::newRow("Down") << int(Qt::Key_Down) << 1 << 0;
    QTest::newRow("Right") << int(Qt::Key_Right) << 0 << 1;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 1;
    QTest::newRow("Page Down is not a step") << int(Qt::Key_PageDown) << 0 << 0;
    QTest::newRow("Space is not a step") << int(Qt::Key_Space) << 0 << 0;
}

void TestControls::stepperKeys() {
    QFETCH(int, key);
    QFETCH(int, left);
    QFETCH(int, right);
    Stepper stepper;
    stepper.resize(100, 20);
    stepper.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stepper));
    QTest::mouseClick(stepper.rightButton(), Qt::LeftButton);
    QVERIFY(stepper.hasFocus());
    QSignalSpy stepsLeft(&stepper, &Stepper::stepLeft);
    QSignalSpy stepsRight(&stepper, &Stepper::stepRight);
    QTest::keyClick(&stepper, Qt::Key(key));
    QCOMPARE(stepsLeft.count(), left);
    QCOMPARE(stepsRight.count(), right);
}

void TestControls::typingADate_data() {
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<int>("clickAt"); // a character of dd.MM.yyyy; -1: the day part selected
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    const QDate february(2024, 2, 15);
    QTest::newRow("31 into February") << february << -1 << "31" << QDate(2024, 2, 29);
    QTest::newRow("31.01. into February") << february << -1 << "31.01.2024" << QDate(2024, 1, 31);
    QTest::newRow("30.04. into February") << february << -1 << "30.04.2023" << QDate(2023, 4, 30);
    QTest::newRow("short form into February") << february << -1 << "3.3.2023" << QDate(2023, 3, 3);
    QTest::newRow("31.02. typed whole is no date: the date stays")
        << QDate(2024, 1, 31) << -1 << "31.02.2023" << QDate(2024, 1, 31);
    QTest::newRow("click into the day, whole date")
        << february << 1 << "08.11.1999" << QDate(1999, 11, 8);
    QTest::newRow("click before the day, digits only")
        << february << 0 << "08111999" << QDate(1999, 11, 8);
    QTest::newRow("click into the year") << february << 8 << "2000" << QDate(2000, 2, 15);
}

// Typed key by key into the input, after a click or with the day selected.
void TestControls::typingADate() {
    QFETCH(QDate, shown);
    QFETCH(int, clickAt);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    DateInput input;
    input.setDateQuietly(shown);
    input.show();
    QVERIFY(QTest::qWaitForWindowExposed(&input));
    auto* edit = input.findChild<QLineEdit*>();
    if (clickAt < 0) {
        input.setFocus();
        input.setSelectedSection(QDateTimeEdit::DaySection);
    } else {
        int x = 0;
        while (edit->cursorPositionAt(QPoint(x, edit->height() / 2)) < clickAt)
            ++x;
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(x, edit->height() / 2));
        QCOMPARE(edit->cursorPosition(), clickAt);
    }
    QTest::keyClicks(&input, typed);
    QCOMPARE(input.date(), date);
}

void TestControls::calendarIsGerman() {
    DateInput input;
    input.setDate(QDate(1953, 11, 20));
    const QCalendarWidget* calendar = input.calendar();
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(calendar->locale().monthName(11), QString("November"));
    QCOMPARE(calendar->locale().dayName(3, QLocale::LongFormat), QString("Mittwoch"));
    QCOMPARE(input.text(), QString("20.11.1953"));
}

void TestControls::calendarTodayLine() {
    FixedClock clock(QDate(2024, 5, 17));
    DateInput input;
    input.setClock(clock);
    input.setDateQuietly(QDate(1999, 12, 31));
    input.show();
    QVERIFY(QTest::qWaitForWindowExposed(&input));
    QSignalSpy changed(&input, &DateInput::userChangedDate);
    QVERIFY(!input.findChild<TodayCalendar*>()); // made on first use
    QTest::mouseClick(&input, Qt::LeftButton, {}, QPoint(input.width() - 5, input.height() / 2));
    TodayCalendar* calendar = input.findChild<TodayCalendar*>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QToolButton* today = calendar->todayButton();
    QCOMPARE(today->text(), QString("Heute: 17.05.2024"));
    QTest::mouseClick(today, Qt::LeftButton);
    QCOMPARE(input.date(), QDate(2024, 5, 17));
    QCOMPARE(changed.count(), 1);
    QTRY_VERIFY(!calendar->isVisible());
}

// Alt+Down, arrows and Escape are heard in the screen-reader test; F4, Enter and the today
// line here.
void TestControls::calendarFromKeys_data() {
    QTest::addColumn<QList<int>>("keys"); // pressed in the calendar that F4 opened
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("open");
    QTest::newRow("F4 opens") << QList<int>{} << QDate(1999, 12, 31) << true;
    QTest::newRow("a week on, Enter chooses")
        << QList<int>{Qt::Key_Down, Qt::Key_Return} << QDate(2000, 1, 7) << false;
    QTest::newRow("Escape puts the day back")
        << QList<int>{Qt::Key_Left, Qt::Key_Escape} << QDate(1999, 12, 31) << false;
    QTest::newRow("Tab reaches the today line")
        << QList<int>{Qt::Key_Tab, Qt::Key_Space} << QDate(2024, 5, 17) << false;
}

void TestControls::calendarFromKeys() {
    QFETCH(QList<int>, keys);
    QFETCH(QDate, date);
    QFETCH(bool, open);
    FixedClock clock(QDate(2024, 5, 17));
    DateInput input;
    input.setClock(clock);
    input.setDateQuietly(QDate(1999, 12, 31));
    input.show();
    input.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&input));
    QTest::keyClick(&input, Qt::Key_F4);
    QTRY_VERIFY(input.calendar()->isVisible());
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(input.date(), date);
    QTRY_COMPARE(input.calendar()->isVisible(), open);
}

void TestControls::dialogEdge_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    const QColor light(192, 192, 192);
    const QColor shadow(128, 128, 128);
    QTest::newRow("outer top") << QPoint(20, 0) << light;
    QTest::newRow("inner left") << QPoint(1, 20) << QColor(Qt::white);
    QTest::newRow("face top") << QPoint(20, 2) << light;
    QTest::newRow("outer bottom") << QPoint(20, 35) << QColor(Qt::black);
    QTest::newRow("inner right") << QPoint(44, 20) << shadow;
    QTest::newRow("face right") << QPoint(43, 20) << light;
    QTest::newRow("top right corner") << QPoint(45, 0) << QColor(Qt::black);
    QTest::newRow("client") << QPoint(3, 3) << QColor(Qt::green);
}

void TestControls::dialogEdge() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    GreenDialog dialog;
    QCOMPARE(dialog.size(), QSize(46, 36));
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.grab().toImage().pixelColor(pixel), colour);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
