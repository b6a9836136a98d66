#pragma once

#include "FloorFrame.h"

class MainWindow;

// Where the main window shows each text, block and picture, read from its controls as they are
// now, for the floors to paint: the captions and dates, the command buttons, the legend, the
// coloured frames and interpretation texts, the clip, and the places of the chart and the strip.
// The pictures are named by the resource that shows the same pixels, the clip by its file.
// The arrows of the stepper and of the date fields are left out: the style draws them.
FrameLayout windowLayout(const MainWindow& window);
