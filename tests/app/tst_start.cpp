#include "AnimationStrip.h"
#include "ChartSurfaces.h"
#include "Clock.h"
#include "CycleColors.h"
#include "DateInput.h"
#include "GermanTranslations.h"
#include "PersonFileLocation.h"
#include "PersonList.h"
#include "PhaseTexts.h"
#include "RecordingDisplayMode.h"
#include "ScriptedDialogs.h"
#include "Start.h"
#include "Stepper.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {
// A window on a fixed "today", on a screen of the given size.
struct Fixture {
    explicit Fixture(QDate today = QDate(2000, 1, 1), QSize screen = QSize(640, 480),
                     QString folder = QString())
        : clock(today), displayMode(screen), personFile(personFolder.path()),
          window(Start::Services{clock, displayMode, dialogs, persons, personFile, folder}) {}
    FixedClock clock;
    RecordingDisplayMode displayMode;
    ScriptedDialogs dialogs;
    QTemporaryDir personFolder;
    PersonList persons;
    PersonFileLocation personFile;
    Start window;
};

QString text(const Start& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void userEditOfBirthDateResetsCaption();
    void stepping_data();
    void stepping();
    void stepperClicksStepOnce();
    void dateBeforeBirthShowsMatchingTexts();
    void takeOverKeepsName();
    void screenModeSwitchedAndRestored_data();
    void screenModeSwitchedAndRestored();
    void missingClipLeavesStripEmpty();
    void everyControlIsNamed();
    void columnsAgreeInColour_data();
    void columnsAgreeInColour();
    void resizedWindowIsTiledFully();
    void buttonIconsStaySharpWhenScaled_data();
    void buttonIconsStaySharpWhenScaled();
    void longestTextFitsItsBlock();
    void personTakenOverThroughTheEditor();
    void helpButtonOpensTheHelpWindow();
    void dayReportCarriesWhatTheWindowShows();
    void calendarIsGerman();
    void qtDialogsSpeakGerman_data();
    void qtDialogsSpeakGerman();
};

void TestStart::startUpState() {
    Fixture f(QDate(2000, 1, 1));
    QSignalSpy redrawn(&f.window, &Start::redrawn);
    f.window.load();
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(f.window.findChild<DateInput*>("M1")->date(), QDate(1953, 11, 20));
    QCOMPARE(f.window.findChild<DateInput*>("M2")->date(), QDate(2000, 1, 1));
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_0")->text(), QString("Geburts-Datum"));
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_1")->text(), QString("Anzeige-Datum"));
    QCOMPARE(f.window.dayCount(), 16843);
    QCOMPARE(f.window.chartDayCount(), 16843);
    QCOMPARE(text(f.window, "L4_0"), phaseText(3));
    QCOMPARE(text(f.window, "L4_1"), phaseText(7));
    QCOMPARE(text(f.window, "L4_2"), phaseText(17));
    QCOMPARE(f.window.findChild<ChartArea*>("P1")->shownDayCount(), 16843);
    QCOMPARE(f.window.findChild<DayStripArea*>("P2")->shownDate(), QDate(2000, 1, 1));
}

void TestStart::userEditOfBirthDateResetsCaption() {
    Fixture f;
    f.window.load();
    f.window.takeOver(QStringLiteral("Anna"), QDate(1999, 11, 8));
    auto* M1 = f.window.findChild<DateInput*>("M1");
    auto* caption = f.window.findChild<QLineEdit*>("T1_0");
    QCOMPARE(caption->text(), QString("Anna"));

    QSignalSpy redrawn(&f.window, &Start::redrawn);
    M1->setFocus();
    M1->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClick(M1, Qt::Key_Up);
    QCOMPARE(M1->date(), QDate(2000, 11, 8));
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(caption->text(), QString("Geburts-Datum"));
    QCOMPARE(f.window.dayCount(), int(QDate(2000, 11, 8).daysTo(QDate(2000, 1, 1))));
}

void TestStart::stepping_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QDate>("to");
    QTest::newRow("back to the leap day") << QDate(2000, 3, 1) << -1 << QDate(2000, 2, 29);
    QTest::newRow("forward into 2000") << QDate(1999, 12, 31) << 1 << QDate(2000, 1, 1);
    QTest::newRow("last day stays") << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
    QTest::newRow("first day stays") << QDate(1601, 1, 1) << -1 << QDate(1601, 1, 1);
}

void TestStart::stepping() {
    QFETCH(QDate, from);
    QFETCH(int, direction);
    QFETCH(QDate, to);
    Fixture f(from);
    f.window.load();
    const int before = f.window.dayCount();
    QSignalSpy redrawn(&f.window, &Start::redrawn);
    f.window.stepDisplayDate(direction);
    QCOMPARE(f.window.findChild<DateInput*>("M2")->date(), to);
    QCOMPARE(f.window.dayCount() - before, int(from.daysTo(to)));
    QCOMPARE(redrawn.count(), from == to ? 0 : 1);
}

void TestStart::stepperClicksStepOnce() {
    Fixture f(QDate(2000, 3, 1));
    f.window.load();
    f.window.show();
    auto* stepper = f.window.findChild<Stepper*>("Up1");
    const int before = f.window.dayCount();
    QSignalSpy redrawn(&f.window, &Start::redrawn);
    QTest::mouseClick(stepper->leftButton(), Qt::LeftButton);
    QCOMPARE(f.window.dayCount(), before - 1);
    QCOMPARE(f.window.findChild<DayStripArea*>("P2")->shownDate(), QDate(2000, 2, 29));
    QTest::mouseClick(stepper->rightButton(), Qt::LeftButton);
    QTest::mouseClick(stepper->rightButton(), Qt::LeftButton);
    QCOMPARE(f.window.dayCount(), before + 1);
    QCOMPARE(redrawn.count(), 3);
}

void TestStart::dateBeforeBirthShowsMatchingTexts() {
    Fixture f(QDate(1953, 11, 19));
    f.window.load();
    QCOMPARE(f.window.dayCount(), -1);
    QCOMPARE(text(f.window, "L2_0"), QString("-27 %"));
    QCOMPARE(text(f.window, "L4_0"), phaseText(6));
    QCOMPARE(text(f.window, "L4_1"), phaseText(13));
    QCOMPARE(text(f.window, "L4_2"), phaseText(20));
}

void TestStart::takeOverKeepsName() {
    Fixture f;
    f.window.load();
    QSignalSpy redrawn(&f.window, &Start::redrawn);
    f.window.takeOver(QStringLiteral("Anna"), QDate(1999, 12, 31));
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(f.window.dayCount(), 1);
    f.window.stepDisplayDate(1);
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_0")->text(), QString("Anna"));
}

void TestStart::screenModeSwitchedAndRestored_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("switched");
    QTest::newRow("800 x 600") << QSize(800, 600) << true;
    QTest::newRow("640 x 400 is left alone") << QSize(640, 400) << false;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << true;
}

void TestStart::screenModeSwitchedAndRestored() {
    QFETCH(QSize, screen);
    QFETCH(bool, switched);
    Fixture f(QDate(2000, 1, 1), screen);
    f.window.load();
    QCOMPARE(f.window.screenModeChanged(), switched);
    QCOMPARE(f.displayMode.width(), switched ? 640 : screen.width());
    f.window.findChild<QToolButton*>("C1_3")->click();
    QCOMPARE(f.displayMode.width(), screen.width());
    QCOMPARE(f.displayMode.height(), screen.height());
    QCOMPARE(f.displayMode.applied.size(), switched ? 2 : 0);
}

void TestStart::missingClipLeavesStripEmpty() {
    QTemporaryDir empty;
    Fixture f(QDate(2000, 1, 1), QSize(640, 480), empty.path());
    f.window.load();
    auto* strip = f.window.findChild<AnimationStrip*>("A1");
    QVERIFY(!strip->isPlaying());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestStart::everyControlIsNamed() {
    Fixture f;
    f.window.load();
    for (const char* name : {"M1", "M2", "Up1", "C1_0", "C1_1", "C1_2", "C1_3", "T1_0", "T1_1",
                             "L2_0", "L2_1", "L2_2", "L4_0", "L4_1", "L4_2", "P1", "P2"}) {
        auto* widget = f.window.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget, name);
        QVERIFY2(!widget->accessibleName().isEmpty(), name);
    }
}

void TestStart::columnsAgreeInColour_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("physical") << 0 << QColor(255, 0, 0);
    QTest::newRow("emotional") << 1 << QColor(0, 0, 255);
    QTest::newRow("intellectual") << 2 << QColor(0, 255, 0);
}

void TestStart::columnsAgreeInColour() {
    QFETCH(int, column);
    QFETCH(QColor, colour);
    Fixture f;
    f.window.load();
    auto* sample = f.window.findChild<QLabel*>(QStringLiteral("I1_%1").arg(column));
    auto* frame = f.window.findChild<QLabel*>(QStringLiteral("L3_%1").arg(column));
    auto* percent = f.window.findChild<QLabel*>(QStringLiteral("L2_%1").arg(column));
    auto* text = f.window.findChild<QLabel*>(QStringLiteral("L4_%1").arg(column));
    const QImage line = sample->pixmap().toImage();
    QCOMPARE(line.pixelColor(line.width() / 2, line.height() / 2), colour);
    QCOMPARE(frame->grab().toImage().pixelColor(1, 1), colour);
    QCOMPARE(cycleColor(AllCycles[column]), colour);
    // Legend and text block of one cycle stand in one column, the text inside its frame.
    QVERIFY(std::abs(percent->x() - frame->x()) <= 2);
    QVERIFY(frame->geometry().contains(text->geometry()));
}

void TestStart::resizedWindowIsTiledFully() {
    Fixture f;
    f.window.load();
    f.window.resize(640, 480);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.resize(1000, 700);
    const QImage tile(QStringLiteral(":/pictures/tile.png"));
    const QImage shot = f.window.grab().toImage();
    // Far from every control, each pixel continues the pattern anchored at the top left.
    for (const QPoint p : {QPoint(999, 699), QPoint(700, 500), QPoint(960, 30)})
        QCOMPARE(shot.pixelColor(p), tile.pixelColor(p.x() % tile.width(), p.y() % tile.height()));
}

// On a desktop scaled to 200 % or 300 % every pixel of an icon becomes a square of equal ones.
void TestStart::buttonIconsStaySharpWhenScaled_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("scale");
    for (const char* button : {"C1_0", "C1_1", "C1_2", "C1_3"})
        for (int scale : {2, 3})
            QTest::addRow("%s at %d00 %%", button, scale) << QString(button) << scale;
}

void TestStart::buttonIconsStaySharpWhenScaled() {
    QFETCH(QString, button);
    QFETCH(int, scale);
    Fixture f;
    const QIcon icon = f.window.findChild<QToolButton*>(button)->icon();
    const QImage plain = icon.pixmap(QSize(24, 22), 1.0).toImage();
    const QImage large = icon.pixmap(QSize(24, 22), scale).toImage();
    QCOMPARE(large.size(), plain.size() * scale);
    int blurred = 0;
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            blurred += large.pixel(x, y) != plain.pixel(x / scale, y / scale);
    QCOMPARE(blurred, 0);
}

void TestStart::longestTextFitsItsBlock() {
    Fixture f;
    f.window.load();
    for (int i = 0; i < 3; ++i) {
        auto* label = f.window.findChild<QLabel*>(QStringLiteral("L4_%1").arg(i));
        for (std::int16_t index = std::int16_t(i * 7); index < (i + 1) * 7; ++index) {
            label->setText(phaseText(index));
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QString::number(index)));
        }
    }
}

namespace {
// Runs action on the modal window named name once it is open.
void whenOpen(const char* name, std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [name, action] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal && modal->objectName() == QLatin1String(name));
        action(modal);
    });
}
} // namespace

void TestStart::personTakenOverThroughTheEditor() {
    Fixture f(QDate(2000, 1, 1));
    QFile file(f.personFile.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1,1\r\n\"Anna\"\r\n\"31.12.1999\"\r\n");
    file.close();
    f.window.load();
    f.window.show();
    QSignalSpy redrawn(&f.window, &Start::redrawn);
    whenOpen("Data", [](QWidget* editor) {
        editor->findChild<QPushButton*>(QStringLiteral("C2_4"))->click();
    });
    f.window.findChild<QToolButton*>("C1_0")->click();
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_0")->text(), QString("Anna"));
    QCOMPARE(f.window.findChild<DateInput*>("M1")->date(), QDate(1999, 12, 31));
    QCOMPARE(f.window.dayCount(), 1);
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(f.persons.personCount(), 1);
}

void TestStart::helpButtonOpensTheHelpWindow() {
    Fixture f;
    f.window.load();
    f.window.show();
    bool opened = false;
    whenOpen("About", [&opened](QWidget* about) {
        opened = true;
        about->findChild<QToolButton*>(QStringLiteral("C1"))->click();
    });
    f.window.findChild<QToolButton*>("C1_1")->click();
    QVERIFY(opened);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestStart::dayReportCarriesWhatTheWindowShows() {
    Fixture f(QDate(2000, 1, 1));
    f.window.load();
    f.window.takeOver(QStringLiteral("Anna"), QDate(1999, 12, 31));
    const DayReport report = f.window.dayReport();
    QCOMPARE(report.birthCaption, QString("Anna"));
    QCOMPARE(report.birthDate, QDate(1999, 12, 31));
    QCOMPARE(report.displayCaption, QString("Anzeige-Datum"));
    QCOMPARE(report.displayDate, QDate(2000, 1, 1));
    QCOMPARE(report.chartDayCount, 1);
    QCOMPARE(report.percentages[0], text(f.window, "L2_0"));
    QCOMPARE(report.texts[2], phaseText(15));
}

void TestStart::calendarIsGerman() {
    DateInput input;
    input.setDate(QDate(1953, 11, 20));
    const QCalendarWidget* calendar = input.calendarWidget();
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(calendar->locale().monthName(11), QString("November"));
    QCOMPARE(calendar->locale().dayName(3, QLocale::LongFormat), QString("Mittwoch"));
    QCOMPARE(input.text(), QString("20.11.1953"));
}

void TestStart::qtDialogsSpeakGerman_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("yes") << "QPlatformTheme"
                         << "&Yes"
                         << "&Ja";
    QTest::newRow("no") << "QPlatformTheme"
                        << "&No"
                        << "&Nein";
    QTest::newRow("cancel") << "QPlatformTheme"
                            << "Cancel"
                            << "Abbrechen";
    QTest::newRow("context menu") << "QLineEdit"
                                  << "&Copy"
                                  << "&Kopieren";
}

void TestStart::qtDialogsSpeakGerman() {
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, german);
    installGermanTranslations(*QCoreApplication::instance());
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(english)), german);
    QCOMPARE(QLocale().dayName(1, QLocale::LongFormat), QString("Montag"));
}

QTEST_MAIN(TestStart)
#include "tst_start.moc"
