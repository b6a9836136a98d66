#pragma once

#include <QCalendarWidget>

class Clock;
class QToolButton;

// The drop-down calendar of the date inputs: month and day names in the interface's language,
// weeks starting on that language's first day (Monday in German), and a line at its foot with
// today's date that selects it with one click. Escape tells that the user leaves without
// choosing.
class TodayCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit TodayCalendar(const Clock& clock, QWidget* parent = nullptr);

    void setClock(const Clock& clock);
    QToolButton* todayButton() const { return m_today; }

    // The calendar sizes itself from its month view alone; the today line comes on top.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void cancelled();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showToday();
    void quietWhileHidden(bool quiet);
    void chooseToday();
    QSize withTodayLine(QSize size) const;

    const Clock* m_clock;
    QToolButton* m_today;
};
