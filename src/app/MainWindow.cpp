#include "MainWindow.h"

#include "AnimationStrip.h"
#include "ChartCommands.h"
#include "ChartSurfaces.h"
#include "Clock.h"
#include "CriticalDaysWindow.h"
#include "Cycle.h"
#include "DateInput.h"
#include "DateRules.h"
#include "DayDescription.h"
#include "Dialogs.h"
#include "DisplayMode.h"
#include "HelpWindow.h"
#include "MainWindowShortcuts.h"
#include "PersonEditor.h"
#include "Phase.h"
#include "PhaseTexts.h"
#include "PrintDayReport.h"
#include "Stepper.h"
#include "Tiling.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QWidget(parent), m_clock(services.clock), m_displayMode(services.displayMode),
      m_dialogs(services.dialogs), m_printers(services.printers), m_persons(services.persons),
      m_personFile(services.personFile), m_programFolder(services.programFolder),
      m_controls(buildMainWindowControls(this)) {
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(tr("Biorhythmus"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    // Borderless and kept out of the task bar: after the switch to 640 x 480 the maximised
    // window is the whole screen.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);

    for (DateInput* input : {m_controls.M1, m_controls.M2})
        input->setClock(m_clock);
    connect(m_controls.M1, &DateInput::userChangedDate, this, [this] {
        m_controls.T1[0]->setText(birthDateCaption());
        recalculate();
    });
    connect(m_controls.M2, &DateInput::userChangedDate, this, &MainWindow::recalculate);
    connect(m_controls.Up1, &Stepper::stepLeft, this, [this] { stepDisplayDate(-1); });
    connect(m_controls.Up1, &Stepper::stepRight, this, [this] { stepDisplayDate(+1); });
    for (DaySurface* surface : std::initializer_list<DaySurface*>{m_controls.P1, m_controls.P2}) {
        connect(surface, &DaySurface::dateRequested, this, &MainWindow::moveDisplayDate);
        connect(surface, &DaySurface::todayRequested, this,
                [this] { moveDisplayDate(m_clock.today()); });
    }
    for (int i = 0; i < int(m_controls.C1.size()); ++i)
        connect(m_controls.C1[i], &QToolButton::clicked, this,
                [this, i] { command(static_cast<Command>(i)); });
    addMainWindowShortcuts(this, m_controls,
                           [this] { saveDayReportAsPdf(this, dayReport(), m_dialogs); });
    addChartCommands(this, m_controls,
                     {[this] { openCriticalDays(); },
                      [this] {
                          saveChartPictureAs(this, m_dialogs, m_controls.M1->date(),
                                             m_controls.M2->date());
                      },
                      [this] { copyChartPicture(m_controls.M1->date(), m_controls.M2->date()); }});
}

void MainWindow::load() {
    ScreenModeChanged = false;
    m_displayMode.setup();
    SavedScreenHeight = static_cast<std::int16_t>(m_displayMode.height());
    SavedScreenWidth = static_cast<std::int16_t>(m_displayMode.width());
    if (m_displayMode.width() > SmallScreenWidth) {
        m_displayMode.setSize(SmallScreenWidth, SmallScreenHeight);
        ScreenModeChanged = m_displayMode.apply();
    }
    m_tile = QPixmap(QStringLiteral(":/pictures/tile.png"));
    m_controls.M1->setDateQuietly(QDate(1953, 11, 20));
    m_controls.M2->setDateQuietly(m_clock.today());
    m_controls.A1->load(QDir(m_programFolder).filePath(QStringLiteral("za.vdi")));
    recalculate();
}

void MainWindow::recalculate() {
    Diff();
    DrawGraph();
}

void MainWindow::Diff() {
    DayCount = dayCountBetween(m_controls.M1->date(), m_controls.M2->date());
}

void MainWindow::DrawGraph() {
    ChartDayCount = DayCount;
    for (DaySurface* surface : std::initializer_list<DaySurface*>{m_controls.P1, m_controls.P2})
        surface->showDay(m_controls.M2->date(), ChartDayCount);
    for (Cycle cycle : AllCycles) {
        QLabel* label = m_controls.L2[int(cycle)];
        label->setText(percentageText(ChartDayCount, period(cycle)));
        label->setAccessibleName(spokenPercentage(cycle, label->text()));
    }
    aaa();
    emit redrawn();
}

void MainWindow::aaa() {
    ShowPhaseText(phaseIndex(Cycle::Physical, DayCount));
    bbb();
}

void MainWindow::bbb() {
    ShowPhaseText(phaseIndex(Cycle::Emotional, DayCount));
    ccc();
}

void MainWindow::ccc() {
    ShowPhaseText(phaseIndex(Cycle::Intellectual, DayCount));
}

void MainWindow::ShowPhaseText(const std::int16_t& PhaseIndex) {
    if (PhaseIndex < 0 || PhaseIndex > 20)
        return;
    m_controls.L4[PhaseIndex / 7]->setText(phaseText(PhaseIndex));
}

void MainWindow::stepDisplayDate(int direction) {
    moveDisplayDate(stepDay(m_controls.M2->date(), direction));
}

void MainWindow::moveDisplayDate(const QDate& wanted) {
    const QDate next = clampedToRange(wanted);
    if (!next.isValid() || next == m_controls.M2->date())
        return;
    m_controls.M2->setDateQuietly(next);
    recalculate();
}

void MainWindow::takeOver(const QString& name, const QDate& birthDate) {
    m_controls.T1[0]->setText(name);
    m_controls.M1->setDateQuietly(birthDate);
    recalculate();
}

void MainWindow::command(Command which) {
    switch (which) {
    case Command::Persons:
        openPersonEditor(this, m_persons, *this, m_dialogs, m_clock, m_personFile);
        break;
    case Command::Help:
        openHelpWindow(this);
        break;
    case Command::Print:
        printDayReport(this, dayReport(), m_dialogs, m_printers);
        break;
    case Command::Exit:
        exitProgram();
        break;
    }
}

void MainWindow::openCriticalDays() {
    // The birth date's caption holds the person's name after a take-over from the list.
    const QString caption = m_controls.T1[0]->text().trimmed();
    const QString name = caption == tr("Geburts-Datum") ? QString() : caption;
    openCriticalDaysWindow(this, {name, m_controls.M1->date()}, m_controls.M2->date(),
                           {m_dialogs, [this](const QDate& day) { moveDisplayDate(day); }});
}

DayReport MainWindow::dayReport() const {
    DayReport report;
    report.birthCaption = m_controls.T1[0]->text();
    report.birthDate = m_controls.M1->date();
    report.displayCaption = m_controls.T1[1]->text();
    report.displayDate = m_controls.M2->date();
    report.chartDayCount = ChartDayCount;
    for (int i = 0; i < 3; ++i) {
        report.percentages[i] = m_controls.L2[i]->text();
        report.texts[i] = m_controls.L4[i]->text();
    }
    return report;
}

void MainWindow::restoreScreenMode() {
    if (!ScreenModeChanged)
        return;
    m_displayMode.setSize(SavedScreenWidth, SavedScreenHeight);
    m_displayMode.apply();
    ScreenModeChanged = false;
}

void MainWindow::exitProgram() {
    if (m_exiting)
        return;
    leaveNow();
}

void MainWindow::leaveNow() {
    m_exiting = true;
    restoreScreenMode();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::leaveWithoutWindows() {
    m_exiting = true;
    restoreScreenMode();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    exitProgram();
    event->accept();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintTiles(painter, m_tile, size(), event->rect());
}
