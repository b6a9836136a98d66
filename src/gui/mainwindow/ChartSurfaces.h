#pragma once

#include "drawing/ChartPicture.h"
#include "gui/controls/SpokenValue.h"

#include <QDate>
#include <QFrame>
#include <QImage>
#include <cstdint>

// What the chart and the day strip share: the day they show, what assistive technology reads
// from them, and the keyboard and mouse. They never change the date themselves; they ask for a
// new display date and the main window runs its recalculation. A screen reader hears the day
// and its values whenever the day count changes.
class DaySurface : public QFrame, public SpokenValue {
    Q_OBJECT
public:
    // The display day and its day count; what a screen reader hears follows them.
    void showDay(const QDate& displayDate, std::int32_t dayCount);
    QDate shownDate() const { return m_date; }
    std::int32_t shownDayCount() const { return m_dayCount; }

    // The tool tip text of a day column (0..31).
    QString columnDescription(int column) const;

signals:
    // Left/Right and the wheel step days, Page Up/Down months, a click chooses a day.
    void dateRequested(const QDate& date);
    // Home.
    void todayRequested();

protected:
    DaySurface(const QString& title, QWidget* parent);
    // Draws the picture into the inner area; the painter's origin is its top left corner.
    virtual void drawContents(QPainter& painter, const QSize& innerSize) = 0;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int columnAt(const QPoint& position) const;

    QDate m_date;
    std::int32_t m_dayCount = 0;
    int m_wheelAngle = 0; // eighths of a degree not yet turned into a step
};

// The chart area: the star field with the curves for the day count it was last given.
class ChartArea : public DaySurface {
    Q_OBJECT
public:
    static constexpr int FrameWidth = ChartFrameWidth;
    explicit ChartArea(QWidget* parent = nullptr);
    void setStarField(const QImage& image);

protected:
    void drawContents(QPainter& painter, const QSize& innerSize) override;

private:
    QImage m_starField;
};

// The strip of day-of-month numbers under the chart.
class DayStripArea : public DaySurface {
    Q_OBJECT
public:
    static constexpr int FrameWidth = StripFrameWidth;
    explicit DayStripArea(QWidget* parent = nullptr);

protected:
    void drawContents(QPainter& painter, const QSize& innerSize) override;
};
