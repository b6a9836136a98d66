#include "ChartSurfaces.h"

#include "ChartPainter.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
// A new day changes what lies inside the frame, never the frame: repainting it each time would
// cost the style's line drawing as much as the chart itself.
void updateInside(QFrame* frame) {
    frame->update(frame->contentsRect());
}

bool reachesFrame(const QFrame& frame, const QPaintEvent& event) {
    return !frame.contentsRect().contains(event.rect());
}
} // namespace

ChartArea::ChartArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // The frame and the chart cover every pixel, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartArea::setStarField(const QImage& image) {
    m_starField = image;
    update();
}

void ChartArea::showDayCount(std::int32_t chartDayCount) {
    m_dayCount = chartDayCount;
    updateInside(this);
}

void ChartArea::paintEvent(QPaintEvent* event) {
    if (reachesFrame(*this, *event))
        QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.translate(inner.topLeft());
    drawChart(painter, inner.size(), m_dayCount, m_starField);
}

DayStripArea::DayStripArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayStripArea::showDisplayDate(const QDate& date) {
    m_date = date;
    updateInside(this);
}

void DayStripArea::paintEvent(QPaintEvent* event) {
    if (reachesFrame(*this, *event))
        QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.translate(inner.topLeft());
    drawDayStrip(painter, inner.size(), m_date);
}
