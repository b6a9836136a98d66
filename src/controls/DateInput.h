#pragma once

#include <QDateEdit>

class Clock;
class TodayCalendar;

// A date input with a drop-down calendar, shown as dd.MM.yyyy, for 01.01.1601 to 31.12.9999.
// userChangedDate is emitted only for the user's own edits; setting the date from code stays
// quiet, so code that sets a date decides itself when to recalculate.
class DateInput : public QDateEdit {
    Q_OBJECT
public:
    explicit DateInput(QWidget* parent = nullptr);

    // Sets the date without emitting userChangedDate.
    void setDateQuietly(const QDate& date);

    // Where the calendar's today line takes today from; the system clock until set.
    void setClock(const Clock& clock);
    // The drop-down calendar, made on its first use: two of them cost the main window as much
    // start-up time as everything else it builds.
    TodayCalendar* calendar();

signals:
    void userChangedDate(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool takeSecondDayDigit(QKeyEvent* event);
    void holdWantedDay();

    const Clock* m_clock;
    TodayCalendar* m_calendar = nullptr;
    bool m_quiet = false;
    bool m_movedOnByItself = false;
    // Where the last typed digit left the cursor; a digit typed anywhere else starts afresh.
    int m_typedTo = -1;
    // The first digit of a day that a short month cut off ("3" of "31" in February).
    int m_cutDayDigit = -1;
    // The day typed, kept while the month and year are typed after it: "31" stays 31 through
    // a February on the way to 31.01.
    int m_wantedDay = 0;
};
