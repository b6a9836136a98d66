#include "ChartPainter.h"

#include "drawing/ChartGeometry.h"
#include "drawing/CycleColors.h"
#include "drawing/DesignFonts.h"
#include "drawing/LayoutPen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

const QColor AxisColor(255, 255, 255);
const QColor StripBackground(0, 0, 0);
const QColor StripText(255, 255, 255);

// An upright or level line drawn without anti-aliasing, placed where Qt and an SVG renderer
// fill the same pixels: across, through the centres of the pixels Qt fills (those whose corner
// lies at or before the coordinate; an SVG renderer centres a line on it and would smear one at
// a pixel's edge over two), and along, from edge to edge of the pixels within the surface with
// flat ends, since an SVG holds no clip.
QLineF pixelLine(const QLineF& line, const QSize& surface) {
    const auto centre = [](double at) { return std::floor(at) + 0.5; };
    const auto within = [](double at, int size) { return std::clamp(at, 0.0, double(size)); };
    if (line.y1() == line.y2())
        return QLineF(within(line.x1(), surface.width()), centre(line.y1()),
                      within(line.x2(), surface.width()), centre(line.y2()));
    return QLineF(centre(line.x1()), within(line.y1(), surface.height()), centre(line.x2()),
                  within(line.y2(), surface.height()));
}

void drawCurves(QPainter& painter, const QTransform& toPixels, std::int32_t chartDayCount,
                Qt::PenStyle style) {
    for (Cycle cycle : DrawingOrder) {
        painter.setPen(layoutPixelPen(painter, cycleColor(cycle), style));
        QPainterPath curve;
        curve.addPolygon(toPixels.map(ChartGeometry::curvePoints(chartDayCount, cycle)));
        painter.drawPath(curve);
    }
}

} // namespace

void drawChart(QPainter& painter, const QSize& innerSize, std::int32_t chartDayCount,
               const QImage& starField, std::optional<std::int32_t> partnerDayCount) {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), innerSize));
    painter.fillRect(QRect(QPoint(0, 0), innerSize), Qt::black);
    // Only the part that shows, as an image of its own: an SVG would show the rest over the
    // frame, and QSvgGenerator writes a part as the whole image squeezed into the part's place.
    painter.drawImage(QPoint(0, 0), starField.copy(QRect(QPoint(0, 0), innerSize)));

    // The points are taken from chart units to pixels here rather than by scaling the painter,
    // so that an SVG holds them in pixels: a 1 px line inside a group scaled 18 times is drawn
    // 18 px wide by every renderer that ignores vector-effect="non-scaling-stroke".
    const QTransform toPixels =
        QTransform::fromScale(innerSize.width() / double(ChartGeometry::Days - 1), ChartYUnitPx);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    if (partnerDayCount)
        drawCurves(painter, toPixels, *partnerDayCount, Qt::DashLine);
    drawCurves(painter, toPixels, chartDayCount, Qt::SolidLine);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(layoutPixelPen(painter, AxisColor, Qt::DotLine, Qt::FlatCap));
    painter.drawLine(
        pixelLine(toPixels.map(ChartGeometry::zeroLine(ChartGeometry::ScreenLines)), innerSize));
    painter.setPen(layoutPixelPen(painter, AxisColor, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(
        pixelLine(toPixels.map(ChartGeometry::markerLine(ChartGeometry::ScreenLines)), innerSize));
    painter.restore();
}

QStringList dayStripLabels(const QDate& displayDate) {
    QStringList labels;
    const QDate first = displayDate.addDays(-ChartGeometry::DisplayDayColumn);
    for (int k = 0; k < ChartGeometry::Days; ++k)
        labels << QString::number(first.addDays(k).day());
    return labels;
}

void drawDayStrip(QPainter& painter, const QSize& innerSize, const QDate& displayDate) {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), innerSize));
    painter.fillRect(QRect(QPoint(0, 0), innerSize), StripBackground);
    QFont font(arialFamily());
    font.setPointSizeF(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(StripText);
    const QFontMetricsF metrics(font);
    const double unit = innerSize.width() / double(ChartGeometry::Days - 1);
    const QStringList labels = dayStripLabels(displayDate);
    for (int k = 0; k < labels.size(); ++k) {
        const double left =
            ChartGeometry::stripLabelLeft(k, metrics.horizontalAdvance(labels[k]) / unit);
        painter.drawText(QPointF(left * unit, metrics.ascent()), labels[k]);
    }
    painter.restore();
}
