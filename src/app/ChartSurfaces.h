#pragma once

#include <QDate>
#include <QFrame>
#include <QImage>
#include <cstdint>

// The chart area: the star field with the curves for the day count it was last given.
class ChartArea : public QFrame {
    Q_OBJECT
public:
    explicit ChartArea(QWidget* parent = nullptr);
    void setStarField(const QImage& image);
    void showDayCount(std::int32_t chartDayCount);
    std::int32_t shownDayCount() const { return m_dayCount; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_starField;
    std::int32_t m_dayCount = 0;
};

// The strip of day-of-month numbers under the chart.
class DayStripArea : public QFrame {
    Q_OBJECT
public:
    explicit DayStripArea(QWidget* parent = nullptr);
    void showDisplayDate(const QDate& date);
    QDate shownDate() const { return m_date; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QDate m_date;
};
