#pragma once

#include <QSize>

// How many device pixels stand for one pixel of the 640 x 480 layout when the screen is not
// switched. Only whole numbers, so that every picture becomes squares of equal pixels and every
// line keeps its place among the others; text, curves and frames are drawn afresh at that size.

// The largest whole scale at which the layout fits an area of that many device pixels; 1 for an
// area smaller than the layout, which then shows it 1:1 as far as it reaches.
int wholeLayoutScale(const QSize& area);

// The room a window has on a screen of that size in device pixels, beside what the desktop
// keeps for itself, which is not known before Qt starts: a maximised window leaves a
// twenty-fourth of the height to a panel, a framed one a twelfth to a panel and its title bar
// and a thirty-second of the width to its sides.
QSize maximisedWindowRoom(const QSize& screen);
QSize framedWindowRoom(const QSize& screen);

// Tells Qt, before the application object exists, to lay the windows out at `scale` device
// pixels per layout pixel on a screen that shows `platformScale` device pixels per pixel of
// its own (a Wayland output's scale; 1 on X). The desktop's own scale (Xft.dpi, QT_SCALE_FACTOR)
// gives way, as the layout's pixels and its fonts at 96 dpi belong together.
void useLayoutScale(int scale, int platformScale);
