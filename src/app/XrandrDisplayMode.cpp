#include "DisplayMode.h"

#include <QGuiApplication>
#include <QScreen>

// Used where the build has no mode-switching back end.
std::unique_ptr<DisplayMode> createDisplayMode() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(640, 480);
    return std::make_unique<FixedDisplayMode>(size.width(), size.height());
}
