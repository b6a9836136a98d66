#include "gui/platform/DisplayMode.h"

// A build without XRandR knows nothing of an X screen: Qt shows the windows at the desktop's
// own scale there.
std::unique_ptr<DisplayMode> openXScreen() {
    return nullptr;
}
