#pragma once

#include "core/CalendarFile.h"
#include "core/CriticalDays.h"
#include "gui/controls/FramedDialog.h"

#include <array>
#include <functional>

class Dialogs;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimeEdit;

// "Kritische Tage": the critical days of the birth date shown, from the display date on, over
// 30, 90 or 365 days, as a table of date, cycles and a mark for double and triple days.
// Choosing a row (Enter, double-click) makes its day the display date and leaves the window
// open; the listed days can be saved as a calendar file, with an alarm before each day if the
// user chooses one, and the reminders on the desktop are a button away.
class CriticalDaysWindow : public FramedDialog {
    Q_OBJECT
public:
    struct Services {
        Dialogs& dialogs;
        std::function<void(const QDate&)> showDay; // the main window's way to a new display date
        std::function<void(QWidget*)> openReminders = {}; // "Erinnerungen..." over the window
    };

    CriticalDaysWindow(const CalendarPerson& person, const QDate& first, const Services& services,
                       QWidget* parent = nullptr);

    const CriticalDayList& list() const { return m_list; }
    // The alarm chosen for the calendar file's events.
    CalendarAlarm alarm() const;
    void saveCalendarFile();

protected:
    void paintClient(QPainter& painter) override;

private:
    void showSpan(int days);
    void addAlarmChoice(QWidget* area);

    CalendarPerson m_person;
    QDate m_first;
    Dialogs& m_dialogs;
    std::function<void(const QDate&)> m_showDay;
    std::function<void(QWidget*)> m_openReminders;
    CriticalDayList m_list;

    QComboBox* Span;
    QTableWidget* DayList;
    QLabel* lblEnd;
    QComboBox* AlarmDay;
    QTimeEdit* AlarmTime;
    std::array<QPushButton*, 3> C3{};
};

// Opens the window over the parent, modal, without waiting for it to close.
void openCriticalDaysWindow(QWidget* parent, const CalendarPerson& person, const QDate& first,
                            const CriticalDaysWindow::Services& services);
