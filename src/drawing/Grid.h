#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// Squared-paper background of the secondary windows: grey ground, 21 blue vertical lines and
// horizontalDivisor + 1 horizontal lines, each set one grid unit inside the window's edges.
// The lines begin one unit inside the top and the left edge and run out over the far edges.
// The grid units are fixed in twips (17.53564 across, 10.01845 down), so the number of lines
// stays the same while their spacing follows the window's size.
void drawGrid(QPainter& painter, const QSize& innerSize, int horizontalDivisor);

inline const QColor GridBackground(128, 128, 128);
inline const QColor GridLine(0, 0, 255);
