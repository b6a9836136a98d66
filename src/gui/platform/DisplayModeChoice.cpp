#include "gui/platform/DisplayMode.h"

#include <QByteArray>

namespace {
enum class WindowSystem { X, Wayland, Other };

// The window system Qt 6 will show the windows on: the one QT_QPA_PLATFORM names, else Wayland
// where a Wayland display or session is given, else X where an X display is.
WindowSystem windowSystemOfQt() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return platform.startsWith("wayland") ? WindowSystem::Wayland
               : platform.startsWith("xcb")   ? WindowSystem::X
                                              : WindowSystem::Other;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        return WindowSystem::Wayland;
    return qEnvironmentVariableIsEmpty("DISPLAY") ? WindowSystem::Other : WindowSystem::X;
}
} // namespace

std::unique_ptr<DisplayMode> createDisplayMode() {
    std::unique_ptr<DisplayMode> screen;
    switch (windowSystemOfQt()) {
    case WindowSystem::X:
        screen = openXScreen();
        break;
    case WindowSystem::Wayland:
        screen = openWaylandScreen();
        break;
    case WindowSystem::Other:
        break;
    }
    return screen ? std::move(screen) : std::make_unique<FixedDisplayMode>(0, 0);
}
