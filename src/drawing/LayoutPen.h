#pragma once

#include <QPen>

class QPainter;

// A cosmetic pen as wide as one pixel of the layout on the painter's device, whatever the
// painter's own scaling: one device pixel on a window at 1x, two at 2x, so that a line keeps
// its weight among the text and frames around it when the whole window is drawn larger.
QPen layoutPixelPen(const QPainter& painter, const QColor& color,
                    Qt::PenStyle style = Qt::SolidLine, Qt::PenCapStyle cap = Qt::SquareCap);
