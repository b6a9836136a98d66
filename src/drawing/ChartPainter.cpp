#include "ChartPainter.h"

#include "drawing/ChartGeometry.h"
#include "drawing/CycleColors.h"
#include "drawing/DesignFonts.h"
#include "drawing/LayoutPen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor AxisColor(255, 255, 255);
const QColor StripBackground(0, 0, 0);
const QColor StripText(255, 255, 255);

} // namespace

void drawChart(QPainter& painter, const QSize& innerSize, std::int32_t chartDayCount,
               const QImage& starField) {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), innerSize));
    painter.fillRect(QRect(QPoint(0, 0), innerSize), Qt::black);
    painter.drawImage(QPoint(0, 0), starField);

    painter.scale(innerSize.width() / double(ChartGeometry::Days - 1), ChartYUnitPx);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (Cycle cycle : DrawingOrder) {
        painter.setPen(layoutPixelPen(painter, cycleColor(cycle)));
        QPainterPath curve;
        curve.addPolygon(ChartGeometry::curvePoints(chartDayCount, cycle));
        painter.drawPath(curve);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(layoutPixelPen(painter, AxisColor, Qt::DotLine));
    painter.drawLine(ChartGeometry::zeroLine(ChartGeometry::ScreenLines));
    painter.setPen(layoutPixelPen(painter, AxisColor));
    painter.drawLine(ChartGeometry::markerLine(ChartGeometry::ScreenLines));
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
