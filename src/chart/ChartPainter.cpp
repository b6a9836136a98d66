#include "ChartPainter.h"

#include "CycleColors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor AxisColor(255, 255, 255);
const QColor StripBackground(0, 0, 0);
const QColor StripText(255, 255, 255);

QPainterPath curvePath(std::int32_t chartDayCount, int period) {
    const std::int32_t firstDay = chartDayCount - DisplayDayColumn;
    QPainterPath path(QPointF(0, chartHeight(firstDay, period)));
    for (int k = 1; k < ChartDays; ++k)
        path.lineTo(k, chartHeight(firstDay + k, period));
    return path;
}

QPen cosmeticPen(const QColor& color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, 1, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

void drawChart(QPainter& painter, const QSize& innerSize, std::int32_t chartDayCount,
               const QImage& starField) {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), innerSize));
    painter.fillRect(QRect(QPoint(0, 0), innerSize), Qt::black);
    painter.drawImage(QPoint(0, 0), starField);

    painter.scale(innerSize.width() / double(ChartDays - 1), ChartYUnitPx);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (Cycle cycle : DrawingOrder) {
        painter.setPen(cosmeticPen(cycleColor(cycle)));
        painter.drawPath(curvePath(chartDayCount, period(cycle)));
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(cosmeticPen(AxisColor, Qt::DotLine));
    painter.drawLine(QPointF(0, 9), QPointF(32, 9));
    painter.setPen(cosmeticPen(AxisColor));
    painter.drawLine(QPointF(DisplayDayColumn, 0), QPointF(DisplayDayColumn, 21));
    painter.restore();
}

QStringList dayStripLabels(const QDate& displayDate) {
    QStringList labels;
    const QDate first = displayDate.addDays(-DisplayDayColumn);
    for (int k = 0; k < ChartDays; ++k)
        labels << QString::number(first.addDays(k).day());
    return labels;
}

void drawDayStrip(QPainter& painter, const QSize& innerSize, const QDate& displayDate) {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), innerSize));
    painter.fillRect(QRect(QPoint(0, 0), innerSize), StripBackground);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(StripText);
    const QFontMetricsF metrics(font);
    const double unit = innerSize.width() / double(ChartDays - 1);
    const QStringList labels = dayStripLabels(displayDate);
    for (int k = 0; k < labels.size(); ++k) {
        const double left = k * unit - metrics.horizontalAdvance(labels[k]) / 2;
        painter.drawText(QPointF(left, metrics.ascent()), labels[k]);
    }
    painter.restore();
}
