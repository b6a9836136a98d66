#pragma once

#include <QDateEdit>

class Clock;
class TodayCalendar;

// A date input with a drop-down calendar, for 01.01.1601 to 31.12.9999, shown in the interface's
// language: dd.MM.yyyy in German.
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
    const Clock* m_clock;
    TodayCalendar* m_calendar = nullptr;
    bool m_quiet = false;
    bool m_movedOnByItself = false;
};
