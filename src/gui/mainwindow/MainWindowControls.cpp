#include "MainWindowControls.h"

#include "core/DayDescription.h"
#include "core/DayWords.h"
#include "drawing/ChartPicture.h"
#include "drawing/CycleColors.h"
#include "drawing/DesignFonts.h"
#include "gui/controls/CrispPicture.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/FocusRing.h"
#include "gui/controls/Form.h"
#include "gui/controls/Stepper.h"
#include "gui/mainwindow/AnimationStrip.h"
#include "gui/mainwindow/ChartSurfaces.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>

namespace {

const QColor LightGrey(192, 192, 192);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// The main window's texts, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

// The plain sans serif of the interpretation texts; narrow enough that the longest text
// fits its block at 8.25 pt.
QFont plainSans() {
    QFont font(msSansSerifFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// One element of a per-cycle control array: its place and its tool tip.
struct CycleControl {
    Twips where;
    const char* toolTip;
};

// The coloured frames behind the interpretation texts, and the texts L4(0..2).
constexpr std::array<Twips, 3> FrameL3{
    {{435, 4275, 2580, 2940}, {3480, 4275, 2580, 2940}, {6480, 4275, 2610, 2940}}};
constexpr std::array<CycleControl, 3> TextL4{{
    {{480, 4320, 2490, 2840},
     QT_TRANSLATE_NOOP("MainWindow", "Physischer Zustand zum berechneten Tag")},
    {{3525, 4320, 2490, 2840},
     QT_TRANSLATE_NOOP("MainWindow", "Seelischer Zustand zum berechneten Tag")},
    {{6540, 4320, 2490, 2835},
     QT_TRANSLATE_NOOP("MainWindow", "Geistiger Zustand zum berechneten Tag")},
}};

// The coloured frames and the texts set inside them come first, so that the legend row, which
// reaches a pixel into the frames, lies on top.
void buildTextBlocks(QWidget* window, MainWindowControls& c) {
    for (int i = 0; i < 3; ++i) {
        c.L3[i] = textLabel(window, indexed("L3", i), FrameL3[i], QString(), arial(8.25), Black,
                            cycleColor(AllCycles[i]));
        c.L4[i] = textLabel(window, indexed("L4", i), TextL4[i].where, QString(), plainSans(),
                            Black, LightGrey);
        c.L4[i]->setWordWrap(true);
        c.L4[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c.L4[i]->setMargin(1);
        // Without a name of its own the label is read by its text, which follows every change.
        const QString tip = Texts::tr(TextL4[i].toolTip);
        c.L4[i]->setToolTip(tip);
        c.L4[i]->setAccessibleDescription(tip);
    }
}

// A date row's caption T1, its date input and what a screen reader calls them.
struct DateRow {
    Twips caption;
    QString (*captionText)();
    const char* captionName;
    const char* inputName;
    Twips input;
    const char* inputTip;
};
constexpr std::array<DateRow, 2> DateRows{{
    {{450, 0, 1695, 360},
     birthDateCaption,
     QT_TRANSLATE_NOOP("MainWindow", "Name zum Geburtsdatum"),
     "M1",
     {2130, 0, 1755, 360},
     QT_TRANSLATE_NOOP("MainWindow", "Hier das Geburtsdatum eingeben")},
    {{5670, 0, 1725, 360},
     displayDateCaption,
     QT_TRANSLATE_NOOP("MainWindow", "Bezeichnung des Anzeige-Datums"),
     "M2",
     {7380, 0, 1725, 360},
     QT_TRANSLATE_NOOP("MainWindow", "Hier das zu berechnende Datum eingeben")},
}};

void buildDateRow(QWidget* window, MainWindowControls& c) {
    std::array<DateInput*, 2> inputs{};
    for (int i = 0; i < 2; ++i) {
        const DateRow& row = DateRows[i];
        const QString caption = row.captionText();
        // The text comes after the font: a line edit made with its text lays it out first in
        // the application's font and then again in its own.
        c.T1[i] = place(new QLineEdit(window), indexed("T1", i), row.caption);
        c.T1[i]->setFont(arial(9.75, true));
        c.T1[i]->setText(caption);
        setColours(c.T1[i], White, Black);
        c.T1[i]->setAccessibleName(Texts::tr(row.captionName));
        inputs[i] = place(new DateInput(window), QLatin1String(row.inputName), row.input);
        describe(inputs[i], caption, Texts::tr(row.inputTip));
        inputs[i]->setFont(arial(9.75, true));
    }
    c.M1 = inputs[0];
    c.M2 = inputs[1];
}

// The command buttons C1(0..3): persons, help, print, exit.
struct CommandButton {
    Twips where;
    const char* toolTip;
    const char* shown; // what its picture shows, read aloud as its name
    const char* icon;
};
constexpr std::array<CommandButton, 4> ButtonsC1{{
    {{4372, 0, 405, 375},
     QT_TRANSLATE_NOOP("MainWindow", "Personen editieren"),
     QT_TRANSLATE_NOOP("MainWindow", "Personen"),
     ":/pictures/persons.png"},
    {{4792, 0, 405, 375},
     QT_TRANSLATE_NOOP("MainWindow", "Wer Wie Was Wo"),
     QT_TRANSLATE_NOOP("MainWindow", "Hilfe"),
     ":/pictures/help.png"},
    {{4372, 398, 405, 375},
     QT_TRANSLATE_NOOP("MainWindow", "Ausdrucken der aktuellen Tagesdaten"),
     QT_TRANSLATE_NOOP("MainWindow", "Drucken"),
     ":/pictures/print.png"},
    {{4792, 398, 405, 375},
     QT_TRANSLATE_NOOP("MainWindow", "Programm beenden"),
     QT_TRANSLATE_NOOP("MainWindow", "Exit"),
     ":/pictures/exit.png"},
}};

void buildButtons(QWidget* window, MainWindowControls& c) {
    for (int i = 0; i < 4; ++i) {
        const CommandButton& button = ButtonsC1[i];
        c.C1[i] = place(new QToolButton(window), indexed("C1", i), button.where);
        c.C1[i]->setIcon(crispIcon(QLatin1String(button.icon)));
        c.C1[i]->setIconSize(QSize(24, 22));
        setColours(c.C1[i], LightGrey, Black);
        describe(c.C1[i], Texts::tr(button.shown), Texts::tr(button.toolTip));
    }
}

void buildChartRows(QWidget* window, MainWindowControls& c) {
    c.P1 = place(new ChartArea(window), QStringLiteral("P1"), ChartPlace);
    c.P1->setStarField(pictureImage(QStringLiteral(":/pictures/starfield.png")));
    c.P2 = place(new DayStripArea(window), QStringLiteral("P2"), StripPlace);
    setColours(c.P2, Black, White);
    c.Up1 = place(new Stepper(window), QStringLiteral("Up1"), {420, 3405, 8685, 225});
    describe(c.Up1, Texts::tr("Tag zurück oder vor"),
             Texts::tr("Drücken um einen Tag vor oder zurück zu schreiten"));
    c.Up1->leftButton()->setAccessibleName(Texts::tr("Einen Tag zurück"));
    c.Up1->rightButton()->setAccessibleName(Texts::tr("Einen Tag vor"));
    c.A1 = place(new AnimationStrip(window), QStringLiteral("A1"), {4320, 3630, 885, 375});
    setColours(c.A1, LightGrey, Black);
    c.A1->setAccessibleName(Texts::tr("Animation"));
}

// One column of the legend row: percentage L2, line sample I1 and cycle name L1.
struct LegendColumn {
    Twips percentage;
    Twips sample;
    Twips name;
    const char* nameText;
    const char* sampleIcon;
};
constexpr std::array<LegendColumn, 3> Legend{{
    {{450, 4050, 585, 255},
     {1020, 4050, 615, 255},
     {1620, 4050, 1410, 255},
     QT_TRANSLATE_NOOP("MainWindow", "Physische Kurve"),
     ":/pictures/line-red.png"},
    {{3480, 4050, 585, 255},
     {4050, 4050, 615, 255},
     {4650, 4050, 1440, 255},
     QT_TRANSLATE_NOOP("MainWindow", "Seelische Kurve"),
     ":/pictures/line-blue.png"},
    {{6510, 4050, 585, 255},
     {7080, 4050, 615, 255},
     {7680, 4050, 1440, 255},
     QT_TRANSLATE_NOOP("MainWindow", "Geistige Kurve"),
     ":/pictures/line-green.png"},
}};

void buildLegend(QWidget* window, MainWindowControls& c) {
    for (int i = 0; i < 3; ++i) {
        const LegendColumn& column = Legend[i];
        const QString name = Texts::tr(column.nameText);
        c.L2[i] = textLabel(window, indexed("L2", i), column.percentage, QStringLiteral(" -100 %"),
                            arial(8.25, true), Black, White);
        describe(c.L2[i], spokenPercentage(AllCycles[i], c.L2[i]->text()),
                 Texts::tr("Prozentanzeige zum berechneten Tag"));
        c.I1[i] = place(new QLabel(window), indexed("I1", i), column.sample);
        c.I1[i]->setPixmap(crispPixmap(QLatin1String(column.sampleIcon)));
        c.I1[i]->setAlignment(Qt::AlignCenter);
        c.I1[i]->setAccessibleName(name);
        c.L1[i] =
            textLabel(window, indexed("L1", i), column.name, name, arial(8.25, true), Black, White);
        // The cycle's name labels its interpretation text for assistive technology.
        c.L1[i]->setBuddy(c.L4[i]);
    }
}

// The chart, the day strip and the stepper draw their focus themselves.
void markFocus(const MainWindowControls& c) {
    for (QWidget* control : std::initializer_list<QWidget*>{c.T1[0], c.T1[1], c.M1, c.M2, c.C1[0],
                                                            c.C1[1], c.C1[2], c.C1[3]})
        FocusRing::attach(control);
}

} // namespace

MainWindowControls buildMainWindowControls(QWidget* window) {
    MainWindowControls c;
    window->setFont(arial(8.25));
    buildTextBlocks(window, c);
    buildDateRow(window, c);
    buildButtons(window, c);
    buildChartRows(window, c);
    buildLegend(window, c);
    // Keyboard order of the controls that take the focus, as the window was designed; the first
    // of them, the day strip, has the focus at start.
    chainTabOrder(
        {c.P2, c.P1, c.C1[0], c.M1, c.M2, c.Up1, c.T1[0], c.T1[1], c.C1[1], c.C1[2], c.C1[3]});
    c.P2->setFocus();
    markFocus(c);
    return c;
}
