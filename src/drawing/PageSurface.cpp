#include "PageSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {
// Dots and gaps of a dotted line, so that the line reads as dotted at any printer resolution.
constexpr double DotLengthInches = 0.01;
} // namespace

PageSurface::PageSurface(QPainter& painter)
    : m_painter(painter), m_printable(painter.device()->width(), painter.device()->height()),
      m_dpiX(painter.device()->logicalDpiX()), m_dpiY(painter.device()->logicalDpiY()),
      m_font(QStringLiteral("Arial")), m_unitX(m_dpiX / CellsPerInchX),
      m_unitY(m_dpiY / CellsPerInchY) {
    m_font.setStyleHint(QFont::SansSerif);
}

void PageSurface::setFontName(const QString& name) {
    m_font.setFamily(name);
}
void PageSurface::setFontSize(double points) {
    m_font.setPointSizeF(points);
}
void PageSurface::setBold(bool on) {
    m_font.setBold(on);
}
void PageSurface::setItalic(bool on) {
    m_font.setItalic(on);
}
void PageSurface::setUnderline(bool on) {
    m_font.setUnderline(on);
}
void PageSurface::setColor(const QColor& color) {
    m_color = color;
}
void PageSurface::setLineWidth(int devicePixels) {
    m_lineWidth = std::max(1, devicePixels);
}
void PageSurface::setLineStyle(LineStyle style) {
    m_lineStyle = style;
}

void PageSurface::useCharacterCells() {
    m_origin = QPointF(0, 0);
    m_unitX = m_dpiX / CellsPerInchX;
    m_unitY = m_dpiY / CellsPerInchY;
}

void PageSurface::useScale(double left, double top, double width, double height) {
    const double scaleHeight = std::min(m_printable.height(), MaxScaleHeightInches * m_dpiY);
    m_origin = QPointF(left, top);
    m_unitX = m_printable.width() / width;
    m_unitY = scaleHeight / height;
}

void PageSurface::setPosition(double x, double y) {
    m_x = x;
    m_y = y;
}

QPointF PageSurface::toDevice(const QPointF& point) const {
    return QPointF((point.x() - m_origin.x()) * m_unitX, (point.y() - m_origin.y()) * m_unitY);
}

void PageSurface::printLine(const QString& text) {
    const QFontMetricsF metrics(m_font, m_painter.device());
    if (!text.isEmpty()) {
        m_painter.save();
        m_painter.setFont(m_font);
        m_painter.setPen(m_color);
        const QPointF topLeft = toDevice(QPointF(m_x, m_y));
        m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
        m_painter.restore();
    }
    m_x = m_origin.x();
    m_y += metrics.lineSpacing() / m_unitY;
}

double PageSurface::textWidth(const QString& text) const {
    return QFontMetricsF(m_font, m_painter.device()).horizontalAdvance(text) / m_unitX;
}

void PageSurface::line(const QPointF& from, const QPointF& to) {
    drawLine(from, to, m_color);
}

void PageSurface::lineTo(const QPointF& to, const QColor& color) {
    drawLine(QPointF(m_x, m_y), to, color);
}

void PageSurface::drawLine(const QPointF& from, const QPointF& to, const QColor& color) {
    QPen pen(color, m_lineWidth);
    if (m_lineStyle == LineStyle::Dotted) {
        const double dot = DotLengthInches * m_dpiX / m_lineWidth; // in pen widths
        pen.setDashPattern({dot, dot});
        pen.setCapStyle(Qt::FlatCap);
    } else {
        // Round ends join the segments of a curve and close the corners of a frame.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(pen);
    m_painter.drawLine(toDevice(from), toDevice(to));
    m_painter.restore();
    m_x = to.x();
    m_y = to.y();
}
