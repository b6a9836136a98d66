#include "Grid.h"

#include "drawing/LayoutPen.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double XUnitPx = 17.53564 / 15.0;
constexpr double YUnitPx = 10.01845 / 15.0;
constexpr int VerticalDivisor = 20;

// Grid extent in whole units, rounded half to even.
int innerUnits(double pixels, double unitPx) {
    return static_cast<int>(std::nearbyint(pixels / unitPx - 2.0));
}

// Pixel row or column of a grid line given in units from the edge; never on the edge itself.
int linePixel(double units, double unitPx, int extent) {
    return std::clamp(static_cast<int>(std::lround(units * unitPx)), 1, std::max(1, extent - 2));
}
} // namespace

void drawGrid(QPainter& painter, const QSize& innerSize, int horizontalDivisor) {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), innerSize), GridBackground);
    const int w = innerUnits(innerSize.width(), XUnitPx);
    const int h = innerUnits(innerSize.height(), YUnitPx);
    painter.setPen(layoutPixelPen(painter, GridLine));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int top = linePixel(1.0, YUnitPx, innerSize.height());
    const int left = linePixel(1.0, XUnitPx, innerSize.width());
    for (int i = 0; i <= VerticalDivisor; ++i) {
        const int x = linePixel(1.0 + double(i * w) / VerticalDivisor, XUnitPx, innerSize.width());
        painter.drawLine(x, top, x, innerSize.height());
    }
    for (int j = 0; j <= horizontalDivisor && horizontalDivisor > 0; ++j) {
        const int y =
            linePixel(1.0 + double(j * h) / horizontalDivisor, YUnitPx, innerSize.height());
        painter.drawLine(left, y, innerSize.width(), y);
    }
    painter.restore();
}
