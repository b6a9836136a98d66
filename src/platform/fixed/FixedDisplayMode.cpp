#include "PlatformScreenMode.h"

// Used where the build has no mode-switching back end.
std::unique_ptr<DisplayMode> createDisplayMode() {
    return std::make_unique<PlatformScreenMode>();
}
