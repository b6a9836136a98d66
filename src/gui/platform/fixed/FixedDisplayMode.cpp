#include "gui/platform/DisplayMode.h"

// Used where the build has no mode-switching back end: the screen is never switched, and its
// size does not matter then.
std::unique_ptr<DisplayMode> createDisplayMode() {
    return std::make_unique<FixedDisplayMode>(0, 0);
}
