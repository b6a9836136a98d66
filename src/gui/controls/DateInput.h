#pragma once

#include <QDateEdit>

class Clock;
class TodayCalendar;

// A date input with a drop-down calendar, for 01.01.1601 to 31.12.9999, shown in the interface's
// language: dd.MM.yyyy in German.
// userChangedDate is emitted only for the user's own edits; setting the date from code stays
// quiet, so code that sets a date decides itself when to recalculate. Alt+Down and F4 open
// the calendar; Escape there closes it and puts back the date it opened with.
class DateInput : public QDateEdit {
    Q_OBJECT
    // The date as a number for assistive technology, which reads a spin box's value from
    // this property: without it every date is 0, and a screen reader that speaks a value only
    // when it differs from the last one falls silent after the first change.
    Q_PROPERTY(double value READ dayNumber)
public:
    explicit DateInput(QWidget* parent = nullptr);

    // Sets the date without emitting userChangedDate.
    void setDateQuietly(const QDate& date);

    // Where the calendar's today line takes today from; the system clock until set.
    void setClock(const Clock& clock);
    // The drop-down calendar, made on its first use: two of them cost the main window as much
    // start-up time as everything else it builds.
    TodayCalendar* calendar();
    // Drops the calendar down, as a click on the arrow does.
    void openCalendar();

    double dayNumber() const { return double(date().toJulianDay()); }

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
    QDate m_dateBeforeCalendar;
    // Where the last typed digit left the cursor; a digit typed anywhere else starts afresh.
    int m_typedTo = -1;
    // The first digit of a day that a short month cut off ("3" of "31" in February).
    int m_cutDayDigit = -1;
    // The day typed, kept while the month and year are typed after it: "31" stays 31 through
    // a February on the way to 31.01.
    int m_wantedDay = 0;
};
