#include "ScreenSwitch.h"

#include "gui/platform/ExitHook.h"
#include "gui/platform/LayoutScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// A Wayland compositor, for its own programs and for X programs through XWayland alike: weston
// keeps a full-screen window above the dialogs it opens, so the whole-screen window is a
// maximised one there, below the desktop's panel.
bool underWaylandCompositor() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QSize roomForWindow(const QSize& screen, ScreenSwitch::Shape shape) {
    if (shape == ScreenSwitch::Shape::Framed)
        return framedWindowRoom(screen);
    return underWaylandCompositor() ? maximisedWindowRoom(screen) : screen;
}
} // namespace

ScreenSwitch ScreenSwitch::beforeQtStarts(Shape shape) {
    ScreenSwitch screen(createDisplayMode(), shape);
    const int platformScale = screen.m_mode->platformScale();
    // Switched to 640 x 480, the window is shown 1:1 in device pixels, fonts included, or a
    // desktop scaled to 200 % would leave three quarters of it beyond the switched screen.
    if (screen.m_willSwitch) {
        useLayoutScale(1, 1);
        return screen;
    }
    if (screen.m_savedWidth > 0 && screen.m_savedHeight > 0)
        useLayoutScale(screen.m_layoutScale, platformScale);
    screen.m_owned = std::make_unique<FixedDisplayMode>(screen.m_savedWidth, screen.m_savedHeight,
                                                        platformScale);
    screen.m_mode = screen.m_owned.get();
    return screen;
}

ScreenSwitch::ScreenSwitch(std::unique_ptr<DisplayMode> mode, Shape shape)
    : ScreenSwitch(*mode, shape) {
    m_owned = std::move(mode);
}

ScreenSwitch::ScreenSwitch(DisplayMode& mode, Shape shape) : m_mode(&mode), m_shape(shape) {
    m_mode->setup();
    m_savedWidth = m_mode->width();
    m_savedHeight = m_mode->height();
    m_willSwitch = shape == Shape::WholeScreen && m_savedWidth > SmallScreenWidth &&
                   m_mode->offers(SmallScreenWidth, SmallScreenHeight);
    if (!m_willSwitch)
        m_layoutScale = wholeLayoutScale(roomForWindow(QSize(m_savedWidth, m_savedHeight), shape));
}

ScreenSwitch::ScreenSwitch(ScreenSwitch&& other) noexcept
    : m_owned(std::move(other.m_owned)), m_mode(other.m_mode), m_shape(other.m_shape),
      m_layoutScale(other.m_layoutScale), m_willSwitch(other.m_willSwitch),
      m_switched(other.m_switched), m_savedWidth(other.m_savedWidth),
      m_savedHeight(other.m_savedHeight) {
    other.m_switched = false;
}

ScreenSwitch::~ScreenSwitch() {
    restore();
}

bool ScreenSwitch::switchScreen() {
    if (!m_willSwitch || m_switched)
        return m_switched;
    m_mode->setSize(SmallScreenWidth, SmallScreenHeight);
    m_switched = m_mode->apply();
    if (m_switched)
        m_connectionLost = std::make_unique<ExitHook>([this] { restore(); });
    return m_switched;
}

void ScreenSwitch::showWindow(QWidget& window) const {
    if (m_shape == Shape::Framed) {
        window.setWindowFlags(Qt::Window);
        window.setFixedSize(SmallScreenWidth, SmallScreenHeight);
        window.show();
    } else if (m_switched) {
        // The window covers the switched output, wherever that lies on the desktop.
        const QRect output = m_mode->outputArea();
        if (output.isValid()) {
            if (QScreen* screen = QGuiApplication::screenAt(output.center()))
                window.setScreen(screen);
            window.setGeometry(output);
        }
        window.showMaximized();
    } else if (underWaylandCompositor()) {
        // A compositor has no task bar to keep the window out of, and weston's desktop shell
        // crashes when an XWayland utility window opens a dialog: an ordinary window there.
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.showMaximized();
    } else {
        // Made as large as the screen also for X without a window manager, which would make a
        // full-screen window so, and again when the screen changes its size (setting the size
        // ends the full-screen state, which is asked for anew).
        QScreen* screen = window.screen();
        const auto cover = [&window, screen](const QRect& screenArea) {
            if (window.screen() != screen)
                return;
            window.setGeometry(screenArea);
            window.showFullScreen();
        };
        QObject::connect(screen, &QScreen::geometryChanged, &window, cover);
        cover(screen->geometry());
    }
}

void ScreenSwitch::restore() {
    if (!m_switched)
        return;
    m_switched = false;
    m_mode->setSize(m_savedWidth, m_savedHeight);
    m_mode->apply();
    m_connectionLost.reset();
}
