#include "Frames.h"

#include <QLineF>
#include <QList>
#include <QPainter>

// Both draw line by line in the order the window's frames do, so that the SVG picture holds
// the same lines as well as the same pixels; the painter's pen and brush are put back after.
//
// The lines run through the pixels' centres (half a pixel right of and below the pixel's
// corner): Qt fills the pixel whose corner holds a line's coordinates whether they are n or
// n + 0.5, while an SVG renderer centres a line on them and would smear one drawn at n over
// two pixels.

void drawSunkenPanel(QPainter& painter, const QRect& rect, const QPalette& palette, int lineWidth) {
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();
    painter.save();
    painter.translate(0.5, 0.5);
    QList<QLineF> lines;
    for (int i = 0; i < lineWidth; ++i) // top, shortened by one pixel per line at its right end
        lines << QLineF(x, y + i, x + w - 2 - i, y + i);
    for (int i = 0; i < lineWidth; ++i) // left
        lines << QLineF(x + i, y + h - 2, x + i, y + lineWidth - i);
    painter.setPen(palette.dark().color());
    painter.drawLines(lines);
    lines.clear();
    for (int i = 0; i < lineWidth; ++i) // bottom
        lines << QLineF(x + i, y + h - 1 - i, x + w - 1, y + h - 1 - i);
    for (int i = 0; i < lineWidth; ++i) // right
        lines << QLineF(x + w - 1 - i, y + i, x + w - 1 - i, y + h - lineWidth - 1);
    painter.setPen(palette.light().color());
    painter.drawLines(lines);
    painter.restore();
}

void drawPlainFrame(QPainter& painter, const QRect& rect, const QColor& colour, int lineWidth) {
    painter.save();
    painter.translate(0.5, 0.5);
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < lineWidth; ++i)
        painter.drawRect(rect.x() + i, rect.y() + i, rect.width() - 2 * i - 1,
                         rect.height() - 2 * i - 1);
    painter.restore();
}
