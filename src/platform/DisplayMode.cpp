#include "DisplayMode.h"

bool switchesToSmallScreen(DisplayMode& mode) {
    mode.setup();
    return mode.width() > SmallScreenWidth && mode.offers(SmallScreenWidth, SmallScreenHeight);
}
