#include "ChartGeometry.h"

namespace ChartGeometry {

QPolygonF curvePoints(std::int32_t chartDayCount, Cycle cycle) {
    const std::int32_t firstDay = chartDayCount - DisplayDayColumn;
    const int days = period(cycle);
    QPolygonF points;
    points.reserve(Days);
    for (int k = 0; k < Days; ++k)
        points << QPointF(k, chartHeight(firstDay + k, days));
    return points;
}

QLineF zeroLine(const LineExtent& extent) {
    return QLineF(0, ZeroLineY, extent.zeroLineRight, ZeroLineY);
}

QLineF markerLine(const LineExtent& extent) {
    return QLineF(DisplayDayColumn, 0, DisplayDayColumn, extent.markerBottom);
}

} // namespace ChartGeometry
