#include "LayoutScale.h"

#include "gui/platform/DisplayMode.h"

#include <QByteArray>
#include <algorithm>

int wholeLayoutScale(const QSize& area) {
    return std::max(1,
                    std::min(area.width() / SmallScreenWidth, area.height() / SmallScreenHeight));
}

QSize maximisedWindowRoom(const QSize& screen) {
    return {screen.width(), screen.height() - screen.height() / 24};
}

QSize framedWindowRoom(const QSize& screen) {
    return {screen.width() - screen.width() / 32, screen.height() - screen.height() / 12};
}

void useLayoutScale(int scale, int platformScale) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(double(scale) / std::max(1, platformScale)));
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
}
