#include "MainWindow.h"

#include "core/Clock.h"
#include "core/Cycle.h"
#include "core/DateRules.h"
#include "core/DayDescription.h"
#include "core/DayWords.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"
#include "drawing/Tiling.h"
#include "gui/controls/Announcer.h"
#include "gui/controls/CrispPicture.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/Stepper.h"
#include "gui/days/CriticalDaysWindow.h"
#include "gui/days/PartnerComparisonWindow.h"
#include "gui/days/ReminderDialog.h"
#include "gui/help/HelpWindow.h"
#include "gui/mainwindow/AnimationStrip.h"
#include "gui/mainwindow/ChartCommands.h"
#include "gui/mainwindow/ChartSurfaces.h"
#include "gui/mainwindow/MainWindowShortcuts.h"
#include "gui/persons/PersonChoice.h"
#include "gui/persons/PersonEditor.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/DisplayMode.h"
#include "gui/platform/PrinterService.h"
#include "gui/platform/ScreenSwitch.h"
#include "gui/report/PrintDayReport.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {
// Screen readers take a top-level plain widget for a filler; the main window is a frame, the
// window they follow the focus in.
QAccessibleInterface* mainWindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("MainWindow") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}
} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QWidget(parent), m_clock(services.clock), m_screen(services.screen),
      m_dialogs(services.dialogs), m_printers(services.printers), m_persons(services.persons),
      m_personFile(services.personFile), m_programFolder(services.programFolder),
      m_userManager(services.userManager), m_page(new QWidget(this)),
      m_controls(buildMainWindowControls(m_page)) {
    m_page->setFixedSize(SmallScreenWidth, SmallScreenHeight);
    QAccessible::installFactory(mainWindowAccessible);
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(tr("Biorhythmus"));
    setWindowIcon(QIcon(picturePixmap(QStringLiteral(":/pictures/icon.png"))));
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
    m_announcer = new Announcer(this);
    addMainWindowShortcuts(this, m_controls, [this] {
        showFailure(m_dialogs, this, saveDayReportAsPdf(this, dayReport(), m_dialogs).failure);
    });
    addChartCommands(this, m_controls,
                     {[this] { openCriticalDays(); }, [this] { openComparison(this, {}); },
                      [this] {
                          saveChartPictureAs(this, m_dialogs, shownPerson().name,
                                             m_controls.M1->date(), m_controls.M2->date());
                      },
                      [this] { copyChartPicture(m_controls.M1->date(), m_controls.M2->date()); },
                      [this] { openReminders(this); }});
}

void MainWindow::load() {
    // Before the screen is switched, so that whatever lies under the clip's name cannot hold
    // the start up with the screen changed.
    m_controls.A1->load(QDir(m_programFolder).filePath(QStringLiteral("za.vdi")));
    m_screen.switchScreen();
    m_tile = picturePixmap(QStringLiteral(":/pictures/tile.png"));
    m_controls.M1->setDateQuietly(QDate(1953, 11, 20));
    m_controls.M2->setDateQuietly(m_clock.today());
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
    m_controls.Up1->setSpokenValue(m_controls.P2->spokenWords(), ChartDayCount);
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
    QStringList taken{name, displayDateText(birthDate)};
    taken.removeAll(QString());
    m_takenOver = tr("Übernommen: %1").arg(taken.join(QStringLiteral(", ")));
}

void MainWindow::command(Command which) {
    switch (which) {
    case Command::Persons:
        openPersonEditor(this, m_persons, *this, m_dialogs, m_clock, m_personFile,
                         [](QWidget* editor) { openHelpWindow(editor); });
        // Said once the editor has gone, so that it is heard in the main window.
        if (!m_takenOver.isEmpty())
            m_announcer->announce(std::exchange(m_takenOver, QString()));
        break;
    case Command::Help:
        openHelpWindow(this);
        break;
    case Command::Print:
        printOneAtATime();
        break;
    case Command::Exit:
        exitProgram();
        break;
    }
}

void MainWindow::printOneAtATime() {
    // The print waits for the print system while the window's events go on, so the command can
    // come again meanwhile: from a screen reader's press, or after a lookup that timed out and
    // still hangs.
    if (m_printing || m_printers.isBusy()) {
        m_dialogs.inform(this, programTitle(),
                         tr("Der vorige Druckauftrag ist noch nicht beendet: Das Drucksystem hat "
                            "noch nicht geantwortet.\n\nBitte drucken Sie etwas später erneut."));
        return;
    }
    m_printing = true;
    showFailure(m_dialogs, this, printDayReport(this, dayReport(), m_dialogs, m_printers).failure);
    m_printing = false;
}

CalendarPerson MainWindow::shownPerson() const {
    // The birth date's caption holds the person's name after a take-over from the list.
    const QString caption = m_controls.T1[0]->text().trimmed();
    return {caption == birthDateCaption() ? QString() : caption, m_controls.M1->date()};
}

void MainWindow::openCriticalDays() {
    openCriticalDaysWindow(this, shownPerson(), m_controls.M2->date(),
                           {m_dialogs, [this](const QDate& day) { moveDisplayDate(day); },
                            [this](QWidget* over) { openReminders(over); }});
}

void MainWindow::openReminders(QWidget* over) {
    openReminderDialog(
        over, m_persons, shownPerson(),
        ReminderSwitch(m_userManager, userConfigFolder(), QCoreApplication::applicationFilePath()),
        m_dialogs);
}

void MainWindow::openComparison(QWidget* over, const CalendarPerson& partner) {
    const CalendarPerson shown = shownPerson();
    std::vector<CalendarPerson> persons = personsToChooseFrom(m_persons, m_personFile);
    // Without a person given, the first of the list who is not the one shown, or else the shown
    // birth date to type another over.
    const auto other = std::find_if(persons.begin(), persons.end(), [&](const CalendarPerson& p) {
        return p.name != shown.name || p.birth != shown.birth;
    });
    const CalendarPerson chosen = partner.birth.isValid()  ? partner
                                  : other != persons.end() ? *other
                                                           : shown;
    openPartnerComparison(over, shown, std::move(persons), chosen, m_controls.M2->date(),
                          {m_clock, [this](const QDate& day) { moveDisplayDate(day); }});
}

void MainWindow::compareWith(QWidget* editor, const QString& name, const QDate& birthDate) {
    openComparison(editor, {name, birthDate});
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

bool MainWindow::screenModeChanged() const {
    return m_screen.isSwitched();
}

void MainWindow::exitProgram() {
    if (m_exiting)
        return;
    leaveNow();
}

void MainWindow::leaveNow() {
    m_exiting = true;
    m_screen.restore();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    exitProgram();
    event->accept();
}

// Centred; on a window smaller than the page, its top left corner stays in sight, with the
// dates and the commands.
void MainWindow::resizeEvent(QResizeEvent* event) {
    m_page->move(std::max(0, (width() - m_page->width()) / 2),
                 std::max(0, (height() - m_page->height()) / 2));
    QWidget::resizeEvent(event);
}

// The tiles lie on the page as on a window of its size, and go on from there to the edges.
void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_tile.isNull())
        return;
    const QSize tile = m_tile.deviceIndependentSize().toSize();
    const QPoint start(-((tile.width() - m_page->x() % tile.width()) % tile.width()),
                       -((tile.height() - m_page->y() % tile.height()) % tile.height()));
    painter.translate(start);
    paintTiles(painter, m_tile, size() - QSize(start.x(), start.y()),
               event->rect().translated(-start));
}
