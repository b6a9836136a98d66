#pragma once

#include "drawing/ChartGeometry.h"

#include <QRect>
#include <QSize>

// The chart and the day strip share one horizontal scale: day column k (0..31) is centred at
// x = k * innerWidth / 31 pixels from the inner left edge, and owns the pixels nearer to its
// centre than to any other. The display day is column 16.

// The column under x (pixels from the inner left edge), or -1 when x lies outside the area.
int dayColumnAt(double x, int innerWidth);

// The pixels owned by a column, within an inner area of the given size.
QRect dayColumnRect(int column, const QSize& innerSize);

// Days from the display day to the day of a column: -16 for column 0, 15 for column 31.
inline constexpr int dayOffset(int column) {
    return column - ChartGeometry::DisplayDayColumn;
}
