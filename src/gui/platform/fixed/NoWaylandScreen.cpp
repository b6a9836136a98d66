#include "gui/platform/DisplayMode.h"

// A build without the Wayland client library knows nothing of a Wayland output: Qt shows the
// windows at the desktop's own scale there.
std::unique_ptr<DisplayMode> openWaylandScreen() {
    return nullptr;
}
