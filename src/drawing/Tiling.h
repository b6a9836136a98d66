#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;
class QPixmap;

// Top-left corners of the tile copies that cover a window, anchored at its top-left corner:
// rows top to bottom, each left to right, both bounds inclusive, so the last row and column
// may start exactly on the window's bottom or right edge.
QList<QPoint> tileOrigins(const QSize& tile, const QSize& window);

// Covers the exposed part of the window with one block copy of the tile per origin; copies
// that lie wholly outside it are skipped, so a small repaint stays cheap.
void paintTiles(QPainter& painter, const QPixmap& tile, const QSize& window, const QRect& exposed);
