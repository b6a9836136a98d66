#include "MainWindowFixture.h"
#include "ModalAction.h"
#include "core/PhaseTexts.h"
#include "drawing/CycleColors.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/Stepper.h"
#include "gui/help/HelpWindow.h"
#include "gui/mainwindow/AnimationStrip.h"
#include "gui/mainwindow/ChartSurfaces.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/persons/PersonEditor.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/ScreenSwitch.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

namespace {
// What the window's last paints left on the offscreen screen.
QImage onScreen(const QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The picture with everything inside the frame painted over.
QImage frameOnly(QImage picture, const QRect& inside) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
    QPainter(&picture).fillRect(inside, Qt::magenta);
    return picture;
}

QString text(const MainWindow& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void shownValues_data();
    void shownValues();
    void userEditOfBirthDateResetsCaption();
    void stepping_data();
    void stepping();
    void stepperClicksStepOnce();
    void takeOverKeepsName();
    void screenModeSwitchedAndRestored_data();
    void screenModeSwitchedAndRestored();
    void layoutScaleForTheScreen_data();
    void layoutScaleForTheScreen();
    void clipBesideTheProgram_data();
    void clipBesideTheProgram();
    void everyControlIsNamed();
    void columnsAgreeInColour_data();
    void columnsAgreeInColour();
    void resizedWindowIsTiledFully_data();
    void resizedWindowIsTiledFully();
    void buttonIconsStaySharpWhenScaled_data();
    void buttonIconsStaySharpWhenScaled();
    void steppedPictureMatchesFullPaint();
    void longestTextFitsItsBlock();
    void personTakenOverThroughTheEditor();
    void helpButtonOpensTheHelpWindow();
    void dayReportCarriesWhatTheWindowShows();
    void focusOrder();
    void movingOnTheChart_data();
    void movingOnTheChart();
    void hoverShowsTheDay_data();
    void hoverShowsTheDay();
    void everyControlShowsItsFocus_data();
    void everyControlShowsItsFocus();
    void shortcutsOpenWindows_data();
    void shortcutsOpenWindows();
    void helpFromThePersonEditor();
    void printsOneAtATime_data();
    void printsOneAtATime();
};

void TestMainWindow::startUpState() {
    Fixture f(QDate(2000, 1, 1));
    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    f.window.load();
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(f.window.findChild<DateInput*>("M1")->date(), QDate(1953, 11, 20));
    QCOMPARE(f.window.findChild<DateInput*>("M2")->date(), QDate(2000, 1, 1));
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_0")->text(), QString("Geburts-Datum"));
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_1")->text(), QString("Anzeige-Datum"));
    QCOMPARE(f.window.dayCount(), 16843);
    QCOMPARE(f.window.chartDayCount(), 16843);
    QCOMPARE(f.window.findChild<ChartArea*>("P1")->shownDayCount(), 16843);
    QCOMPARE(f.window.findChild<DayStripArea*>("P2")->shownDate(), QDate(2000, 1, 1));
}

// Percentages and the opening sentence of each text, physical to intellectual, as the
// calculation's reference rows give them for the day count.
void TestMainWindow::shownValues_data() {
    QTest::addColumn<QDate>("display");
    QTest::addColumn<QStringList>("percentages");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("start-up, day 16843")
        << QDate(2000, 1, 1) << QStringList{"94 %", "-22 %", "62 %"}
        << QStringList{"Ihr körperlicher Zustand ist gut, jedoch", "Vorsicht kritischer Tag !",
                       "Sie können weiterhin auf Ihre geistiges Potential"};
    QTest::newRow("the day before birth")
        << QDate(1953, 11, 19) << QStringList{"-27 %", "-22 %", "-19 %"}
        << QStringList{"Ihr körperlicher Zustand ist immer noch in der negativen Phase",
                       "Die kommenden Tage werden wieder langsam besser .",
                       "Es dauert noch etwas bis Sie Ihr geistiges Potential"};
}

void TestMainWindow::shownValues() {
    QFETCH(QDate, display);
    QFETCH(QStringList, percentages);
    QFETCH(QStringList, texts);
    Fixture f(display);
    f.window.load();
    QCOMPARE(QStringList({text(f.window, "L2_0"), text(f.window, "L2_1"), text(f.window, "L2_2")}),
             percentages);
    for (int k = 0; k < 3; ++k) {
        const QString shown = text(f.window, qPrintable(QStringLiteral("L4_%1").arg(k)));
        QVERIFY2(shown.startsWith(texts[k]), qPrintable(shown));
    }
}

void TestMainWindow::userEditOfBirthDateResetsCaption() {
    Fixture f;
    f.window.load();
    f.window.takeOver(QStringLiteral("Anna"), QDate(1999, 11, 8));
    auto* M1 = f.window.findChild<DateInput*>("M1");
    auto* caption = f.window.findChild<QLineEdit*>("T1_0");
    QCOMPARE(caption->text(), QString("Anna"));

    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    M1->setFocus();
    M1->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClick(M1, Qt::Key_Up);
    QCOMPARE(M1->date(), QDate(2000, 11, 8));
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(caption->text(), QString("Geburts-Datum"));
    QCOMPARE(f.window.dayCount(), int(QDate(2000, 11, 8).daysTo(QDate(2000, 1, 1))));
}

void TestMainWindow::stepping_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QDate>("to");
    QTest::newRow("back to the leap day") << QDate(2000, 3, 1) << -1 << QDate(2000, 2, 29);
    QTest::newRow("forward into 2000") << QDate(1999, 12, 31) << 1 << QDate(2000, 1, 1);
    QTest::newRow("last day stays") << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
    QTest::newRow("first day stays") << QDate(1601, 1, 1) << -1 << QDate(1601, 1, 1);
}

void TestMainWindow::stepping() {
    QFETCH(QDate, from);
    QFETCH(int, direction);
    QFETCH(QDate, to);
    Fixture f(from);
    f.window.load();
    const int before = f.window.dayCount();
    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    f.window.stepDisplayDate(direction);
    QCOMPARE(f.window.findChild<DateInput*>("M2")->date(), to);
    QCOMPARE(f.window.dayCount() - before, int(from.daysTo(to)));
    QCOMPARE(redrawn.count(), from == to ? 0 : 1);
}

void TestMainWindow::stepperClicksStepOnce() {
    Fixture f(QDate(2000, 3, 1));
    f.window.load();
    f.window.show();
    auto* stepper = f.window.findChild<Stepper*>("Up1");
    const int before = f.window.dayCount();
    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    QTest::mouseClick(stepper->leftButton(), Qt::LeftButton);
    QCOMPARE(f.window.dayCount(), before - 1);
    QCOMPARE(f.window.findChild<DayStripArea*>("P2")->shownDate(), QDate(2000, 2, 29));
    QTest::mouseClick(stepper->rightButton(), Qt::LeftButton);
    QTest::mouseClick(stepper->rightButton(), Qt::LeftButton);
    QCOMPARE(f.window.dayCount(), before + 1);
    QCOMPARE(redrawn.count(), 3);
}

void TestMainWindow::takeOverKeepsName() {
    Fixture f;
    f.window.load();
    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    f.window.takeOver(QStringLiteral("Anna"), QDate(1999, 12, 31));
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(f.window.dayCount(), 1);
    f.window.stepDisplayDate(1);
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_0")->text(), QString("Anna"));
}

void TestMainWindow::screenModeSwitchedAndRestored_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("switched");
    QTest::addColumn<bool>("byKeys"); // Ctrl+Q instead of the exit button
    QTest::newRow("800 x 600") << QSize(800, 600) << true << false;
    QTest::newRow("640 x 400 is left alone") << QSize(640, 400) << false << false;
    QTest::newRow("1024 x 768, Ctrl+Q") << QSize(1024, 768) << true << true;
}

void TestMainWindow::screenModeSwitchedAndRestored() {
    QFETCH(QSize, screen);
    QFETCH(bool, switched);
    QFETCH(bool, byKeys);
    Fixture f(QDate(2000, 1, 1), screen);
    f.window.load();
    QCOMPARE(f.window.screenModeChanged(), switched);
    QCOMPARE(f.displayMode.width(), switched ? 640 : screen.width());
    f.window.show();
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    if (byKeys)
        QTest::keySequence(&f.window, QKeySequence(Qt::CTRL | Qt::Key_Q));
    else
        f.window.findChild<QToolButton*>("C1_3")->click();
    QCOMPARE(f.displayMode.width(), screen.width());
    QCOMPARE(f.displayMode.height(), screen.height());
    QCOMPARE(f.displayMode.applied.size(), switched ? 2 : 0);
}

// Without a switch the layout is drawn at the largest whole scale whose 640 x 480 fits the room
// the window has: the whole screen on X, a maximised window below a Wayland desktop's panel
// (a 24th of the height), a framed one beside its title bar (a 12th of the height and a 32nd
// of the width). A framed window never switches.
void TestMainWindow::layoutScaleForTheScreen_data() {
    QTest::addColumn<QSize>("screen"); // in device pixels; 0 x 0: not known
    QTest::addColumn<bool>("offers640x480");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("switched");
    QTest::addColumn<int>("scale");
    QTest::newRow("1024 x 768 with 640 x 480")
        << QSize(1024, 768) << true << false << false << true << 1;
    QTest::newRow("the same, framed") << QSize(1024, 768) << true << true << false << false << 1;
    QTest::newRow("640 x 480") << QSize(640, 480) << false << false << false << false << 1;
    QTest::newRow("smaller than the layout")
        << QSize(320, 200) << false << false << false << false << 1;
    QTest::newRow("not known") << QSize(0, 0) << false << false << false << false << 1;
    QTest::newRow("1366 x 768") << QSize(1366, 768) << false << false << false << false << 1;
    QTest::newRow("1280 x 1024") << QSize(1280, 1024) << false << false << false << false << 2;
    QTest::newRow("1280 x 1024, framed: 939 high")
        << QSize(1280, 1024) << false << true << false << false << 1;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << false << false << false << false << 2;
    QTest::newRow("1920 x 1080, framed")
        << QSize(1920, 1080) << false << true << false << false << 2;
    QTest::newRow("1080 x 1920, upright")
        << QSize(1080, 1920) << false << false << false << false << 1;
    QTest::newRow("2560 x 1440") << QSize(2560, 1440) << false << false << false << false << 3;
    QTest::newRow("2560 x 1440 on Wayland: 1380 high")
        << QSize(2560, 1440) << false << false << true << false << 2;
    QTest::newRow("2048 x 1536 on Wayland: 1472 high")
        << QSize(2048, 1536) << false << false << true << false << 3;
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << false << false << false << false << 4;
    QTest::newRow("3840 x 2160, framed: 3720 x 1980")
        << QSize(3840, 2160) << false << true << false << false << 4;
    QTest::newRow("5120 x 2880") << QSize(5120, 2880) << false << false << false << false << 6;
}

void TestMainWindow::layoutScaleForTheScreen() {
    QFETCH(QSize, screen);
    QFETCH(bool, offers640x480);
    QFETCH(bool, framed);
    QFETCH(bool, wayland);
    QFETCH(bool, switched);
    QFETCH(int, scale);
    const QByteArray waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    if (wayland)
        qputenv("WAYLAND_DISPLAY", "wayland-0");
    else
        qunsetenv("WAYLAND_DISPLAY");
    RecordingDisplayMode switchable(screen);
    FixedDisplayMode fixed(screen.width(), screen.height());
    ScreenSwitch decided(offers640x480 ? static_cast<DisplayMode&>(switchable) : fixed,
                         framed ? ScreenSwitch::Shape::Framed : ScreenSwitch::Shape::WholeScreen);
    if (waylandDisplay.isEmpty())
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", waylandDisplay);
    QCOMPARE(decided.switchScreen(), switched);
    QCOMPARE(decided.layoutScale(), scale);
    decided.restore();
    QCOMPARE(switchable.applied.size(), switched ? 2 : 0);
}

void TestMainWindow::clipBesideTheProgram_data() {
    QTest::addColumn<QByteArray>("clip"); // za.vdi in the program's folder; "-": none there
    QTest::addColumn<bool>("shown");
    QFile shipped(QFINDTESTDATA("../../../resources/za.vdi"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QTest::newRow("the shipped clip") << shipped.readAll() << true;
    QTest::newRow("missing") << QByteArray("-") << false;
    QTest::newRow("not a picture") << QByteArray("GIF89a, und dann nichts mehr") << false;
}

// The strip plays the clip where it is there and stays a plain face where it is not, without
// a message either way.
void TestMainWindow::clipBesideTheProgram() {
    QFETCH(QByteArray, clip);
    QFETCH(bool, shown);
    QTemporaryDir folder;
    QFile file(folder.filePath("za.vdi"));
    QVERIFY(clip == "-" || (file.open(QIODevice::WriteOnly) && file.write(clip) == clip.size()));
    file.close();
    Fixture f(QDate(2000, 1, 1), QSize(640, 480), folder.path());
    f.window.load();
    auto* strip = f.window.findChild<AnimationStrip*>("A1");
    QCOMPARE(strip->isPlaying(), shown);
    const QImage face = strip->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            colours.insert(face.pixel(x, y));
    QVERIFY2((colours.size() >= 3) == shown, qPrintable(QString::number(colours.size())));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestMainWindow::everyControlIsNamed() {
    Fixture f;
    f.window.load();
    // The tool tip is the description; the name says what the control shows.
    for (const char* name : {"M1", "M2", "Up1", "C1_0", "C1_1", "C1_2", "C1_3", "L2_0", "L2_1",
                             "L2_2", "L4_0", "L4_1", "L4_2"}) {
        auto* widget = f.window.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget, name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QString spoken = accessible->text(QAccessible::Name);
        QVERIFY2(!spoken.isEmpty() && spoken != widget->toolTip(), name);
        QCOMPARE(accessible->text(QAccessible::Description), widget->toolTip());
    }
    for (const char* name : {"T1_0", "T1_1", "P1", "P2"})
        QVERIFY2(!f.window.findChild<QWidget*>(QLatin1String(name))->accessibleName().isEmpty(),
                 name);
}

void TestMainWindow::columnsAgreeInColour_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("physical") << 0 << QColor(255, 0, 0);
    QTest::newRow("emotional") << 1 << QColor(0, 0, 255);
    QTest::newRow("intellectual") << 2 << QColor(0, 255, 0);
}

void TestMainWindow::columnsAgreeInColour() {
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

// The page of controls stands in the middle of a larger window, its top left corner in sight
// in a smaller one; the tiles lie on it as on a window of its size and go on to the edges.
void TestMainWindow::resizedWindowIsTiledFully_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("page");
    QTest::newRow("the page's size") << QSize(640, 480) << QPoint(0, 0);
    QTest::newRow("larger") << QSize(1000, 700) << QPoint(180, 110);
    QTest::newRow("one pixel larger") << QSize(641, 481) << QPoint(0, 0);
    QTest::newRow("smaller") << QSize(630, 470) << QPoint(0, 0);
}

void TestMainWindow::resizedWindowIsTiledFully() {
    QFETCH(QSize, window);
    QFETCH(QPoint, page);
    Fixture f;
    f.window.load();
    f.window.resize(640, 480);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.resize(window);
    QCOMPARE(f.window.page()->pos(), page);
    // The exit button at 4792 x 398 twips on the page.
    QCOMPARE(f.window.findChild<QWidget*>("C1_3")->mapTo(&f.window, QPoint()),
             page + QPoint(319, 27));
    const QImage tile(QStringLiteral(":/pictures/tile.png"));
    const QImage shot = f.window.grab().toImage();
    // Right of the display date and beside the page, each pixel continues the pattern anchored
    // at the page's corner.
    QList<QPoint> outside{page + QPoint(620, 30)};
    if (page.x() > 0)
        outside << QPoint(window.width() - 1, window.height() - 1) << QPoint(0, page.y() + 7);
    for (const QPoint p : outside) {
        const QPoint onTile = p - page + QPoint(tile.width(), tile.height()) * 100;
        QCOMPARE(shot.pixelColor(p),
                 tile.pixelColor(onTile.x() % tile.width(), onTile.y() % tile.height()));
    }
}

// On a desktop scaled to 200 % or 300 % every pixel of an icon becomes a square of equal ones.
void TestMainWindow::buttonIconsStaySharpWhenScaled_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("scale");
    for (const char* button : {"C1_0", "C1_1", "C1_2", "C1_3"})
        for (int scale : {2, 3})
            QTest::addRow("%s at %d00 %%", button, scale) << QString(button) << scale;
}

void TestMainWindow::buttonIconsStaySharpWhenScaled() {
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

// Day steps repaint only what they changed; what is then on the screen must be what painting
// the whole window for that day shows.
void TestMainWindow::steppedPictureMatchesFullPaint() {
    Fixture f;
    f.window.load();
    f.window.resize(640, 480);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto* chart = f.window.findChild<ChartArea*>("P1");
    auto* strip = f.window.findChild<DayStripArea*>("P2");
    for (QWidget* focus : {static_cast<QWidget*>(chart),
                           static_cast<QWidget*>(f.window.findChild<QToolButton*>("C1_0"))}) {
        focus->setFocus();
        QVERIFY(focus->hasFocus());
        for (int i = 0; i < 3; ++i) {
            f.window.stepDisplayDate(1);
            QCoreApplication::sendPostedEvents(&f.window, QEvent::UpdateRequest);
        }
        QCOMPARE(onScreen(f.window),
                 f.window.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    // Without the focus, the frames are there as a plain frame of their style draws them.
    for (QFrame* surface : {static_cast<QFrame*>(chart), static_cast<QFrame*>(strip)}) {
        QFrame plain;
        plain.setFrameStyle(surface->frameStyle());
        plain.setLineWidth(surface->lineWidth());
        plain.setPalette(surface->palette());
        plain.resize(surface->size());
        QCOMPARE(frameOnly(onScreen(f.window).copy(surface->geometry()), surface->contentsRect()),
                 frameOnly(plain.grab().toImage(), plain.contentsRect()));
    }
}

void TestMainWindow::longestTextFitsItsBlock() {
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

void TestMainWindow::personTakenOverThroughTheEditor() {
    Fixture f(QDate(2000, 1, 1));
    QFile file(f.personFile.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1,1\r\n\"Anna\"\r\n\"31.12.1999\"\r\n");
    file.close();
    f.window.load();
    f.window.show();
    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    ModalAction editor("Data", [](QWidget& editor) {
        editor.findChild<QPushButton*>(QStringLiteral("C2_4"))->click();
    });
    f.window.findChild<QToolButton*>("C1_0")->click();
    QVERIFY(editor.ran() && !editor.leftOpen());
    QCOMPARE(f.window.findChild<QLineEdit*>("T1_0")->text(), QString("Anna"));
    QCOMPARE(f.window.findChild<DateInput*>("M1")->date(), QDate(1999, 12, 31));
    QCOMPARE(f.window.dayCount(), 1);
    QCOMPARE(redrawn.count(), 1);
    QCOMPARE(f.persons.personCount(), 1);
}

void TestMainWindow::helpButtonOpensTheHelpWindow() {
    Fixture f;
    f.window.load();
    f.window.show();
    ModalAction about("About", [](QWidget& about) {
        about.findChild<QToolButton*>(QStringLiteral("C1"))->click();
    });
    f.window.findChild<QToolButton*>("C1_1")->click();
    QVERIFY(about.ran() && !about.leftOpen());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::dayReportCarriesWhatTheWindowShows() {
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
    QCOMPARE(report.texts[2], text(f.window, "L4_2"));
}

namespace {
// The name of the control holding the focus; a date input's inner line edit counts as it.
QString focusedControl(const MainWindow& window) {
    for (QWidget* w = QApplication::focusWidget(); w && w != &window; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    return QString();
}

// A shown, active window on 1 January 2000, moved to the given display date.
void showOn(Fixture& f, const QDate& display) {
    f.window.load();
    f.window.show();
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.window.moveDisplayDate(display);
}

QPoint columnCentre(const QWidget* surface, int column) {
    const QRect inner = surface->contentsRect();
    return {inner.left() + std::min(inner.width() - 1, column * inner.width() / 31),
            inner.center().y()};
}

enum Gesture { Key, Click, Wheel };
} // namespace

void TestMainWindow::focusOrder() {
    Fixture f;
    showOn(f, QDate(2000, 1, 1));
    // The day strip has the focus from the start.
    QStringList order{focusedControl(f.window)};
    // Tab walks through the day, month and year of a date input before it leaves it.
    for (int i = 0; i < 30 && (order.size() == 1 || order.last() != "P2"); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (focusedControl(f.window) != order.last())
            order << focusedControl(f.window);
    }
    QCOMPARE(order, QStringList({"P2", "P1", "C1_0", "M1", "M2", "Up1", "T1_0", "T1_1", "C1_1",
                                 "C1_2", "C1_3", "P2"}));
}

void TestMainWindow::movingOnTheChart_data() {
    QTest::addColumn<QString>("surface");
    QTest::addColumn<int>("gesture");
    QTest::addColumn<int>("value"); // a key, a day column or wheel notches
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    // Today is 1 January 2000; the display day is column 16.
    QTest::newRow("right") << "P1" << +Key << int(Qt::Key_Right) << QDate(2000, 2, 28)
                           << QDate(2000, 2, 29);
    QTest::newRow("left") << "P2" << +Key << int(Qt::Key_Left) << QDate(2000, 3, 1)
                          << QDate(2000, 2, 29);
    QTest::newRow("page down into a shorter month")
        << "P1" << +Key << int(Qt::Key_PageDown) << QDate(2000, 1, 31) << QDate(2000, 2, 29);
    QTest::newRow("page up") << "P2" << +Key << int(Qt::Key_PageUp) << QDate(2000, 1, 15)
                             << QDate(1999, 12, 15);
    QTest::newRow("home") << "P1" << +Key << int(Qt::Key_Home) << QDate(2024, 5, 17)
                          << QDate(2000, 1, 1);
    QTest::newRow("right on the last day")
        << "P1" << +Key << int(Qt::Key_Right) << QDate(9999, 12, 31) << QDate(9999, 12, 31);
    QTest::newRow("page down near the end")
        << "P1" << +Key << int(Qt::Key_PageDown) << QDate(9999, 12, 20) << QDate(9999, 12, 31);
    QTest::newRow("page up near the start")
        << "P2" << +Key << int(Qt::Key_PageUp) << QDate(1601, 1, 15) << QDate(1601, 1, 1);
    QTest::newRow("click four days on")
        << "P1" << +Click << 20 << QDate(2000, 1, 1) << QDate(2000, 1, 5);
    QTest::newRow("click the strip's first day")
        << "P2" << +Click << 0 << QDate(2000, 1, 1) << QDate(1999, 12, 16);
    QTest::newRow("click beyond the last day")
        << "P1" << +Click << 31 << QDate(9999, 12, 31) << QDate(9999, 12, 31);
    QTest::newRow("wheel two notches back")
        << "P2" << +Wheel << -2 << QDate(2000, 1, 1) << QDate(1999, 12, 30);
}

void TestMainWindow::movingOnTheChart() {
    QFETCH(QString, surface);
    QFETCH(int, gesture);
    QFETCH(int, value);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    Fixture f;
    showOn(f, from);
    auto* target = f.window.findChild<DaySurface*>(surface);
    target->setFocus();
    const int before = f.window.dayCount();
    QSignalSpy redrawn(&f.window, &MainWindow::redrawn);
    const QPoint at = columnCentre(target, value);
    QWheelEvent wheel(at, target->mapToGlobal(at), {}, QPoint(0, 120 * value), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    if (gesture == Key)
        QTest::keyClick(target, Qt::Key(value));
    else if (gesture == Click)
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    else
        QApplication::sendEvent(target, &wheel);
    QCOMPARE(f.window.findChild<DateInput*>("M2")->date(), to);
    QCOMPARE(f.window.dayCount() - before, int(from.daysTo(to)));
    QCOMPARE(redrawn.count(), from == to ? 0 : 1);
}

void TestMainWindow::hoverShowsTheDay_data() {
    QTest::addColumn<QString>("surface");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("day");
    QTest::newRow("chart") << "P1" << 20 << "Mittwoch, 05.01.2000\nTag 16847 seit der Geburt";
    QTest::newRow("strip") << "P2" << 31 << "Sonntag, 16.01.2000\nTag 16858 seit der Geburt";
}

void TestMainWindow::hoverShowsTheDay() {
    QFETCH(QString, surface);
    QFETCH(int, column);
    QFETCH(QString, day);
    Fixture f;
    showOn(f, QDate(2000, 1, 1));
    auto* target = f.window.findChild<DaySurface*>(surface);
    const QPoint at = columnCentre(target, column);
    QHelpEvent hover(QEvent::ToolTip, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().startsWith(day), qPrintable(QToolTip::text()));
}

namespace {
// The controls of a window that the Tab key stops at; a date field's line edit is part of it.
QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled() && !w->focusProxy() &&
            (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractSpinBox*>(w->parent()))
            stops << w;
    }
    return stops;
}

QImage pictureOf(QWidget* window, const QWidget* control) {
    return window->grab(QRect(control->mapTo(window, QPoint()), control->size())).toImage();
}
} // namespace

void TestMainWindow::everyControlShowsItsFocus_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "Start";
    QTest::newRow("person editor") << "Data";
    QTest::newRow("help window") << "About";
}

// Each control looks different with the focus, and exactly as before once it has gone.
void TestMainWindow::everyControlShowsItsFocus() {
    QFETCH(QString, window);
    Fixture f;
    f.window.load();
    f.persons.append({QStringLiteral("Anna"), QStringLiteral("20.11.1953")});
    f.persons.setCurrentPerson(1);
    std::unique_ptr<QWidget> dialog;
    if (window == "Data") {
        auto* editor =
            new PersonEditor({f.persons, f.window, f.dialogs, f.clock, f.personFile}, &f.window);
        editor->load();
        dialog.reset(editor);
    } else if (window == "About") {
        dialog = std::make_unique<HelpWindow>(&f.window);
    }
    QWidget* shown = dialog ? dialog.get() : &f.window;
    shown->show();
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    const QList<QWidget*> stops = tabStops(shown);
    QVERIFY(stops.size() >= 3);
    for (QWidget* control : stops) {
        QWidget* elsewhere = stops[stops[0] == control ? 1 : 0];
        elsewhere->setFocus();
        const QImage without = pictureOf(shown, control);
        control->setFocus();
        QVERIFY2(pictureOf(shown, control) != without, qPrintable(control->objectName()));
        elsewhere->setFocus();
        QVERIFY2(pictureOf(shown, control) == without, qPrintable(control->objectName()));
    }
}

void TestMainWindow::shortcutsOpenWindows_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("window");
    const QKeySequence editor(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "P2"
                        << "About";
    QTest::newRow("F1 in a date") << QKeySequence(Qt::Key_F1) << "M2"
                                  << "About";
    // A text field, a date field (line edits take Ctrl+E on X11) and where the focus starts.
    for (const char* from : {"P2", "T1_0", "M1"})
        QTest::newRow(qPrintable(QStringLiteral("editor from %1").arg(from)))
            << editor << from << "Data";
}

void TestMainWindow::shortcutsOpenWindows() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, from);
    QFETCH(QString, window);
    Fixture f;
    showOn(f, QDate(2000, 1, 1));
    auto* start = f.window.findChild<QWidget*>(from);
    start->setFocus();
    ModalAction opened(window, [](QWidget& modal) { modal.close(); });
    QTest::keySequence(start, keys);
    QCOMPARE(opened.seen(), window);
    QVERIFY(opened.ran() && !opened.leftOpen());
}

void TestMainWindow::helpFromThePersonEditor() {
    Fixture f;
    showOn(f, QDate(2000, 1, 1));
    bool helped = false;
    ModalAction editor("Data", [&helped](QWidget& data) {
        // A window's timer does not fire again while its action runs: one for the help.
        ModalAction help("About", [](QWidget& about) { about.close(); });
        QTest::keyClick(&data, Qt::Key_F1);
        helped = help.ran() && !help.leftOpen();
        data.close();
    });
    QTest::keySequence(&f.window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    QVERIFY(editor.ran() && !editor.leftOpen());
    QVERIFY(helped);
}

void TestMainWindow::printsOneAtATime_data() {
    QTest::addColumn<bool>("pressedAgain"); // while the printer is looked up
    QTest::addColumn<bool>("earlierHangs"); // a lookup of an earlier print still waits
    QTest::addColumn<int>("lookups");
    QTest::addColumn<bool>("printed");
    QTest::newRow("one press") << false << false << 1 << true;
    QTest::newRow("pressed again during the lookup") << true << false << 1 << true;
    QTest::newRow("earlier lookup still hangs") << false << true << 0 << false;
}

void TestMainWindow::printsOneAtATime() {
    QFETCH(bool, pressedAgain);
    QFETCH(bool, earlierHangs);
    QFETCH(int, lookups);
    QFETCH(bool, printed);
    Fixture f;
    showOn(f, QDate(2000, 1, 1));
    f.printers.found.state = DefaultPrinter::State::Ready;
    f.printers.found.name = QStringLiteral("Fake");
    f.printers.found.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {});
    f.printers.busy = earlierHangs;
    auto* print = f.window.findChild<QToolButton*>("C1_2");
    if (pressedAgain)
        f.printers.duringLookup = [print] { print->click(); };
    QTest::keySequence(&f.window, QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(f.printers.lookups, lookups);
    QCOMPARE(!f.printers.sent.isEmpty(), printed);
    const int told = int(pressedAgain || earlierHangs); // that the earlier print goes on
    QCOMPARE(f.dialogs.messages.size(), told);
    QCOMPARE(f.dialogs.messages.filter(QStringLiteral("noch nicht beendet")).size(), told);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
