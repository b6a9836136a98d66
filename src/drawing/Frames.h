#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

class QPainter;

// The two frames the chart picture draws around the chart and the day strip, pixel for pixel
// as the window's frames of the same width draw them, without needing Qt Widgets.

// A sunken panel: the top and left edges in the palette's dark shade, the bottom and right
// edges in its light shade, lineWidth pixels deep.
void drawSunkenPanel(QPainter& painter, const QRect& rect, const QPalette& palette, int lineWidth);

// A plain frame lineWidth pixels wide just inside the rectangle.
void drawPlainFrame(QPainter& painter, const QRect& rect, const QColor& colour, int lineWidth);
