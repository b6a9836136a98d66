#pragma once

#include "core/CalendarFile.h"
#include "core/DayReport.h"
#include "gui/mainwindow/MainWindowControls.h"
#include "gui/persons/PersonTakeOver.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class Announcer;
class Clock;
class Dialogs;
class PersonFileLocation;
class PersonList;
class PrinterService;
class ScreenSwitch;
class UserManager;

// The main window: two dates, the chart, the percentages and the interpretation texts, the
// day stepper and the four commands. Every change of a date runs Diff, then DrawGraph. The
// controls stand on a page of the small screen's size, centred in the window, whose background
// of tiles fills the rest.
class MainWindow : public QWidget, public PersonTakeOver {
    Q_OBJECT
public:
    struct Services {
        const Clock& clock;
        ScreenSwitch& screen;
        Dialogs& dialogs;
        PrinterService& printers;
        PersonList& persons;
        const PersonFileLocation& personFile;
        QString programFolder;    // where the clip lies
        UserManager& userManager; // runs the reminder's timer
    };

    explicit MainWindow(const Services& services, QWidget* parent = nullptr);

    // Start-up: switch the screen as decided, set the default dates, load the clip and compute
    // the first picture. Runs once, before the window is first shown.
    void load();

    void stepDisplayDate(int direction);
    // Makes a date the display date (kept within the accepted range) and recalculates; the
    // stepper, the keys and the mouse on the chart and the day strip all come here.
    void moveDisplayDate(const QDate& wanted);
    // The four buttons C1(0..3), in their order.
    enum class Command { Persons, Help, Print, Exit };
    void command(Command which);
    // Takes over a person from the person list: name into T1(0), birth date into M1.
    void takeOver(const QString& name, const QDate& birthDate) override;

    // Opens the list of critical days from the display date on, for the birth date shown.
    void openCriticalDays();
    // Opens "Erinnerungen" over the given window, for the persons of the list and the birth
    // date shown.
    void openReminders(QWidget* over);
    // Opens the partner comparison of the person shown with a second one over the window or
    // the person editor: the given person, or the list's current one.
    void openComparison(QWidget* over, const CalendarPerson& partner);
    void compareWith(QWidget* editor, const QString& name, const QDate& birthDate) override;

    // Leaves the program: puts the screen mode back, closes every window and quits.
    void exitProgram();
    // The same, also when an exit is under way already: for leaving on a signal, after
    // message boxes have been stopped, it closes whatever is still open and quits again.
    void leaveNow();

    std::int32_t dayCount() const { return DayCount; }
    std::int32_t chartDayCount() const { return ChartDayCount; }
    bool screenModeChanged() const;
    const MainWindowControls& controls() const { return m_controls; }
    // The page the controls stand on.
    const QWidget* page() const { return m_page; }
    // What the window shows now, for the printed day report.
    DayReport dayReport() const;

signals:
    // Emitted once at the end of every DrawGraph.
    void redrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Who the window shows: the name taken over from the list, or none, and the birth date.
    CalendarPerson shownPerson() const;
    // Recalculation after a change of either date: Diff stores the day count, DrawGraph redraws
    // and sets the texts.
    void recalculate();
    void Diff();
    void DrawGraph();
    void aaa();
    void bbb();
    void ccc();
    void ShowPhaseText(const std::int16_t& PhaseIndex);
    void printOneAtATime();

    const Clock& m_clock;
    ScreenSwitch& m_screen;
    Dialogs& m_dialogs;
    PrinterService& m_printers;
    PersonList& m_persons;
    const PersonFileLocation& m_personFile;
    QString m_programFolder;
    UserManager& m_userManager;
    QWidget* m_page;
    MainWindowControls m_controls;
    QPixmap m_tile; // the background, repeated over the whole window from the page's corner

    std::int32_t DayCount = 0;
    std::int32_t ChartDayCount = 0;
    bool m_exiting = false;
    bool m_printing = false;
    Announcer* m_announcer;
    QString m_takenOver; // what to tell a screen reader once the person editor has closed
};
