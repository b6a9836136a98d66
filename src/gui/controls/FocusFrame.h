#pragma once

class QPainter;
class QRect;

// The program's own focus mark, for controls that the style draws no focus for: a ring
// FocusFrameWidth pixels wide just inside the rectangle, yellow between two black lines, so
// that it stands out on the tiled background, the grid and the star field alike.
inline constexpr int FocusFrameWidth = 3;
void drawFocusFrame(QPainter& painter, const QRect& outer);
