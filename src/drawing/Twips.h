#pragma once

#include <QRect>
#include <cmath>

// Control positions are designed in twips (1/1440 inch); 15 twips are one pixel at 96 dpi.
inline int twipsToPx(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

// A control's place in twips, as the design gives it.
struct Twips {
    int left;
    int top;
    int width;
    int height;
    QRect toPixels() const { return twipsRect(left, top, width, height); }
};
