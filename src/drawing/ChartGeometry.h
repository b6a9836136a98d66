#pragma once

#include "core/Cycle.h"

#include <QLineF>
#include <QPolygonF>
#include <cstdint>

// Where the chart's elements lie in chart units, for the screen and for paper alike.
// x runs one unit per day: day N-16 at x = 0, the display day N at x = 16, day N+15 at x = 31.
// y runs downwards: a curve between y = 1 (+100 %) and y = 17 (-100 %), the zero line at y = 9.
namespace ChartGeometry {

inline constexpr int Days = 32;
inline constexpr int DisplayDayColumn = 16;
inline constexpr double ZeroLineY = 9;

// How far the zero line and the display-day marker reach. The screen draws them to the
// surface's edges; paper keeps them inside the chart's frame.
struct LineExtent {
    double zeroLineRight;
    double markerBottom;
};
inline constexpr LineExtent ScreenLines{32, 21};
inline constexpr LineExtent PaperLines{31, 18};

// The cycle's value at each of the 32 days around chartDayCount, x = 0..31.
QPolygonF curvePoints(std::int32_t chartDayCount, Cycle cycle);

QLineF zeroLine(const LineExtent& extent);
QLineF markerLine(const LineExtent& extent);

// Left edge of a day label of the given width, centred on day column k.
inline double stripLabelLeft(int k, double labelWidth) {
    return k - labelWidth / 2;
}

} // namespace ChartGeometry
