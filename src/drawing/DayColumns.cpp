#include "DayColumns.h"

#include <algorithm>
#include <cmath>

namespace {
double columnWidth(int innerWidth) {
    return innerWidth / double(ChartGeometry::Days - 1);
}

int columnEdge(int boundary, int innerWidth) {
    // Boundary b lies halfway between the centres of columns b - 1 and b.
    return int(std::ceil((boundary - 0.5) * columnWidth(innerWidth)));
}
} // namespace

int dayColumnAt(double x, int innerWidth) {
    if (innerWidth <= 0 || x < 0 || x >= innerWidth)
        return -1;
    const int column = int(std::lround(x / columnWidth(innerWidth)));
    return std::min(column, ChartGeometry::Days - 1);
}

QRect dayColumnRect(int column, const QSize& innerSize) {
    const int left = column <= 0 ? 0 : columnEdge(column, innerSize.width());
    const int right = column >= ChartGeometry::Days - 1 ? innerSize.width()
                                                        : columnEdge(column + 1, innerSize.width());
    return QRect(left, 0, right - left, innerSize.height());
}
