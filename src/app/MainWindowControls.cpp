#include "MainWindowControls.h"

#include "AnimationStrip.h"
#include "ChartSurfaces.h"
#include "CycleColors.h"
#include "DateInput.h"
#include "DayDescription.h"
#include "Stepper.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QtMath>

namespace {

const QColor LightGrey(192, 192, 192);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

template <typename Widget> Widget* place(Widget* widget, const QString& name, const QRect& rect) {
    widget->setObjectName(name);
    widget->setGeometry(rect);
    return widget;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// A screen reader reads the name as what the control shows and the tool tip as its
// description.
void describe(QWidget* widget, const QString& shown, const QString& toolTip) {
    widget->setAccessibleName(shown);
    widget->setToolTip(toolTip);
    widget->setAccessibleDescription(toolTip);
}

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The plain sans serif of the interpretation texts; narrow enough that the longest text
// fits its block at 8.25 pt.
QFont plainSans() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

void paint(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The picture at `scale` times its size for a desktop scaled to 200 % or 300 %: its own
// pixels repeated, not blurred.
QPixmap crispPixmap(const QString& path, int scale) {
    const QPixmap picture(path);
    if (scale <= 1)
        return picture;
    QPixmap larger =
        picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    larger.setDevicePixelRatio(scale);
    return larger;
}

QIcon crispIcon(const QString& path) {
    QIcon icon(crispPixmap(path, 1));
    for (int scale : {2, 3})
        icon.addPixmap(crispPixmap(path, scale));
    return icon;
}

QLabel* label(QWidget* window, const QString& name, const QRect& rect, const QString& text,
              const QFont& font, const QColor& background) {
    auto* l = place(new QLabel(text, window), name, rect);
    l->setFont(font);
    paint(l, background, Black);
    return l;
}

// The coloured frames and the texts set inside them come first, so that the legend row, which
// reaches a pixel into the frames, lies on top.
void buildTextBlocks(QWidget* window, MainWindowControls& c) {
    const std::array<QRect, 3> frameRects{twipsRect(435, 4275, 2580, 2940),
                                          twipsRect(3480, 4275, 2580, 2940),
                                          twipsRect(6480, 4275, 2610, 2940)};
    const std::array<QRect, 3> textRects{twipsRect(480, 4320, 2490, 2840),
                                         twipsRect(3525, 4320, 2490, 2840),
                                         twipsRect(6540, 4320, 2490, 2835)};
    const std::array<QString, 3> textTips{QObject::tr("Physischer Zustand zum berechneten Tag"),
                                          QObject::tr("Seelischer Zustand zum berechneten Tag"),
                                          QObject::tr("Geistiger Zustand zum berechneten Tag")};
    for (int i = 0; i < 3; ++i) {
        c.L3[i] = label(window, indexed("L3", i), frameRects[i], QString(), arial(8.25, false),
                        cycleColor(AllCycles[i]));
        c.L4[i] = label(window, indexed("L4", i), textRects[i], QString(), plainSans(), LightGrey);
        c.L4[i]->setWordWrap(true);
        c.L4[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c.L4[i]->setMargin(1);
        // Without a name of its own the label is read by its text, which follows every change.
        c.L4[i]->setToolTip(textTips[i]);
        c.L4[i]->setAccessibleDescription(textTips[i]);
    }
}

void buildDateRow(QWidget* window, MainWindowControls& c) {
    const std::array<QRect, 2> captionRects{twipsRect(450, 0, 1695, 360),
                                            twipsRect(5670, 0, 1725, 360)};
    const std::array<QString, 2> captions{QObject::tr("Geburts-Datum"),
                                          QObject::tr("Anzeige-Datum")};
    for (int i = 0; i < 2; ++i) {
        c.T1[i] = place(new QLineEdit(captions[i], window), indexed("T1", i), captionRects[i]);
        c.T1[i]->setFont(arial(9.75, true));
        paint(c.T1[i], White, Black);
        c.T1[i]->setAccessibleName(i == 0 ? QObject::tr("Name zum Geburtsdatum")
                                          : QObject::tr("Bezeichnung des Anzeige-Datums"));
    }

    c.M1 = place(new DateInput(window), QStringLiteral("M1"), twipsRect(2130, 0, 1755, 360));
    describe(c.M1, captions[0], QObject::tr("Hier das Geburtsdatum eingeben"));
    c.M2 = place(new DateInput(window), QStringLiteral("M2"), twipsRect(7380, 0, 1725, 360));
    describe(c.M2, captions[1], QObject::tr("Hier das zu berechnende Datum eingeben"));
    for (DateInput* input : {c.M1, c.M2})
        input->setFont(arial(9.75, true));
}

void buildButtons(QWidget* window, MainWindowControls& c) {
    const std::array<QRect, 4> buttonRects{
        twipsRect(4372, 0, 405, 375), twipsRect(4792, 0, 405, 375), twipsRect(4372, 398, 405, 375),
        twipsRect(4792, 398, 405, 375)};
    const std::array<QString, 4> buttonTips{
        QObject::tr("Personen editieren"), QObject::tr("Wer Wie Was Wo"),
        QObject::tr("Ausdrucken der aktuellen Tagesdaten"), QObject::tr("Programm beenden")};
    // What the icons show: index cards, a question mark, a printer, the word Exit.
    const std::array<QString, 4> buttonNames{QObject::tr("Personen"), QObject::tr("Hilfe"),
                                             QObject::tr("Drucken"), QObject::tr("Exit")};
    const std::array<QString, 4> buttonIcons{
        QStringLiteral(":/pictures/persons.png"), QStringLiteral(":/pictures/help.png"),
        QStringLiteral(":/pictures/print.png"), QStringLiteral(":/pictures/exit.png")};
    for (int i = 0; i < 4; ++i) {
        c.C1[i] = place(new QToolButton(window), indexed("C1", i), buttonRects[i]);
        c.C1[i]->setIcon(crispIcon(buttonIcons[i]));
        c.C1[i]->setIconSize(QSize(24, 22));
        paint(c.C1[i], LightGrey, Black);
        describe(c.C1[i], buttonNames[i], buttonTips[i]);
    }
}

void buildChartRows(QWidget* window, MainWindowControls& c) {
    c.P1 = place(new ChartArea(window), QStringLiteral("P1"), twipsRect(420, 810, 8685, 2295));
    c.P1->setStarField(QImage(QStringLiteral(":/pictures/starfield.png")));
    c.P2 = place(new DayStripArea(window), QStringLiteral("P2"), twipsRect(420, 3120, 8685, 285));
    paint(c.P2, Black, White);
    c.Up1 = place(new Stepper(window), QStringLiteral("Up1"), twipsRect(420, 3405, 8685, 225));
    describe(c.Up1, QObject::tr("Tag zurück oder vor"),
             QObject::tr("Drücken um einen Tag vor oder zurück zu schreiten"));
    c.Up1->leftButton()->setAccessibleName(QObject::tr("Einen Tag zurück"));
    c.Up1->rightButton()->setAccessibleName(QObject::tr("Einen Tag vor"));
    c.A1 = place(new AnimationStrip(window), QStringLiteral("A1"), twipsRect(4320, 3630, 885, 375));
    paint(c.A1, LightGrey, Black);
    c.A1->setAccessibleName(QObject::tr("Animation"));
    c.P3 = place(new QLabel(window), QStringLiteral("P3"), twipsRect(-180, 3840, 495, 465));
    c.P3->hide();
}

void buildLegend(QWidget* window, MainWindowControls& c) {
    const std::array<int, 3> columnLeft{450, 3480, 6510};
    const std::array<int, 3> sampleLeft{1020, 4050, 7080};
    const std::array<int, 3> nameLeft{1620, 4650, 7680};
    const std::array<int, 3> nameWidth{1410, 1440, 1440};
    const std::array<QString, 3> names{QObject::tr("Physische Kurve"),
                                       QObject::tr("Seelische Kurve"),
                                       QObject::tr("Geistige Kurve")};
    const std::array<QString, 3> samples{QStringLiteral(":/pictures/line-red.png"),
                                         QStringLiteral(":/pictures/line-blue.png"),
                                         QStringLiteral(":/pictures/line-green.png")};
    for (int i = 0; i < 3; ++i) {
        c.L2[i] = label(window, indexed("L2", i), twipsRect(columnLeft[i], 4050, 585, 255),
                        QStringLiteral(" -100 %"), arial(8.25, true), White);
        describe(c.L2[i], spokenPercentage(AllCycles[i], c.L2[i]->text()),
                 QObject::tr("Prozentanzeige zum berechneten Tag"));
        c.I1[i] =
            place(new QLabel(window), indexed("I1", i), twipsRect(sampleLeft[i], 4050, 615, 255));
        c.I1[i]->setPixmap(crispPixmap(samples[i], qCeil(qGuiApp->devicePixelRatio())));
        c.I1[i]->setAlignment(Qt::AlignCenter);
        c.I1[i]->setAccessibleName(names[i]);
        c.L1[i] = label(window, indexed("L1", i), twipsRect(nameLeft[i], 4050, nameWidth[i], 255),
                        names[i], arial(8.25, true), White);
    }
}

// Keyboard order of the controls that take the focus, as the window was designed; labels and
// the hidden tile take none.
void setTabOrder(const MainWindowControls& c) {
    QWidget* previous = nullptr;
    for (QWidget* next : std::initializer_list<QWidget*>{
             c.P2, c.P1, c.C1[0], c.M1, c.M2, c.Up1, c.T1[0], c.T1[1], c.C1[1], c.C1[2], c.C1[3]}) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace

MainWindowControls buildMainWindowControls(QWidget* window) {
    MainWindowControls c;
    window->setFont(arial(8.25, false));
    buildTextBlocks(window, c);
    buildDateRow(window, c);
    buildButtons(window, c);
    buildChartRows(window, c);
    buildLegend(window, c);
    setTabOrder(c);
    return c;
}
