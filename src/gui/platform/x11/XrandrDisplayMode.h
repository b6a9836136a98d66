#pragma once

#include "gui/platform/DisplayMode.h"

#include <memory>

// The display mode of an X screen, switched through the RandR extension on a connection of
// its own. Returns nullptr when the display cannot be opened or has no RandR; displayName
// nullptr means $DISPLAY.
std::unique_ptr<DisplayMode> openXrandrDisplayMode(const char* displayName);
