#include "ChartSurfaces.h"

#include "core/DayDescription.h"
#include "drawing/ChartPainter.h"
#include "drawing/DayColumns.h"
#include "gui/controls/FocusFrame.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace {
constexpr int WheelNotch = 120; // eighths of a degree per notch of a common mouse wheel
} // namespace

DaySurface::DaySurface(const QString& title, QWidget* parent) : QFrame(parent), SpokenValue(this) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title);
    setAccessibleDescription(tr("Pfeil links und rechts: ein Tag zurück und vor, Bild auf und "
                                "ab: ein Monat, Pos1: heute"));
    // The frame and the picture cover every pixel, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DaySurface::showDay(const QDate& displayDate, std::int32_t dayCount) {
    m_date = displayDate;
    m_dayCount = dayCount;
    setSpokenValue(spokenDay(summarizeDay(displayDate, dayCount)), dayCount);
    // A new day changes what lies inside the frame, never the frame: repainting the frame each
    // time would cost the style's line drawing as much as the chart itself.
    update(contentsRect());
}

QString DaySurface::columnDescription(int column) const {
    const int offset = dayOffset(column);
    return dayDescription(summarizeDay(m_date.addDays(offset), m_dayCount + offset));
}

int DaySurface::columnAt(const QPoint& position) const {
    const QRect inner = contentsRect();
    if (!m_date.isValid() || position.y() < inner.top() || position.y() > inner.bottom())
        return -1;
    return dayColumnAt(position.x() - inner.left(), inner.width());
}

bool DaySurface::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QFrame::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int column = columnAt(help->pos());
    if (column < 0) {
        QToolTip::hideText();
        return true;
    }
    const QRect inner = contentsRect();
    // The tip belongs to its column: moving to the next column brings up that day's tip.
    const QRect area = dayColumnRect(column, inner.size()).translated(inner.topLeft());
    QToolTip::showText(help->globalPos(), columnDescription(column), this, area);
    return true;
}

void DaySurface::paintEvent(QPaintEvent* event) {
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.save();
    painter.translate(inner.topLeft());
    drawContents(painter, inner.size());
    painter.restore();
    // The focus frame covers the frame and the picture's outermost pixels: the strip's frame
    // is one pixel, too thin to be seen.
    if (hasFocus())
        drawFocusFrame(painter, rect());
}

void DaySurface::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        emit dateRequested(m_date.addDays(-1));
        break;
    case Qt::Key_Right:
        emit dateRequested(m_date.addDays(1));
        break;
    case Qt::Key_PageUp:
        emit dateRequested(m_date.addMonths(-1));
        break;
    case Qt::Key_PageDown:
        emit dateRequested(m_date.addMonths(1));
        break;
    case Qt::Key_Home:
        emit todayRequested();
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}

void DaySurface::mousePressEvent(QMouseEvent* event) {
    const int column = columnAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && column >= 0)
        emit dateRequested(m_date.addDays(dayOffset(column)));
    QFrame::mousePressEvent(event);
}

void DaySurface::wheelEvent(QWheelEvent* event) {
    m_wheelAngle += event->angleDelta().y();
    const int steps = m_wheelAngle / WheelNotch;
    m_wheelAngle -= steps * WheelNotch;
    if (steps != 0 && m_date.isValid())
        emit dateRequested(m_date.addDays(steps));
    event->accept();
}

ChartArea::ChartArea(QWidget* parent) : DaySurface(tr("Biorhythmus-Kurven"), parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FrameWidth);
}

void ChartArea::setStarField(const QImage& image) {
    m_starField = image;
    update();
}

void ChartArea::drawContents(QPainter& painter, const QSize& innerSize) {
    drawChart(painter, innerSize, shownDayCount(), m_starField);
}

DayStripArea::DayStripArea(QWidget* parent) : DaySurface(tr("Tage des Monats"), parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(FrameWidth);
}

void DayStripArea::drawContents(QPainter& painter, const QSize& innerSize) {
    drawDayStrip(painter, innerSize, shownDate());
}
