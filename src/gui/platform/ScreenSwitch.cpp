#include "ScreenSwitch.h"

#include "gui/platform/ExitHook.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// A screen switched to 640 x 480 shows the window 1:1 in device pixels, fonts included, or a
// desktop scaled to 200 % would leave three quarters of the window beyond the switched screen.
void useDevicePixels() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
}
} // namespace

ScreenSwitch ScreenSwitch::beforeQtStarts() {
    ScreenSwitch screen(createDisplayMode());
    if (screen.m_willSwitch)
        useDevicePixels();
    else
        screen.m_owned =
            std::make_unique<FixedDisplayMode>(screen.m_savedWidth, screen.m_savedHeight);
    screen.m_mode = screen.m_owned.get();
    return screen;
}

ScreenSwitch::ScreenSwitch(std::unique_ptr<DisplayMode> mode) : ScreenSwitch(*mode) {
    m_owned = std::move(mode);
}

ScreenSwitch::ScreenSwitch(DisplayMode& mode) : m_mode(&mode) {
    m_mode->setup();
    m_savedWidth = m_mode->width();
    m_savedHeight = m_mode->height();
    m_willSwitch =
        m_savedWidth > SmallScreenWidth && m_mode->offers(SmallScreenWidth, SmallScreenHeight);
}

ScreenSwitch::ScreenSwitch(ScreenSwitch&& other) noexcept
    : m_owned(std::move(other.m_owned)), m_mode(other.m_mode), m_willSwitch(other.m_willSwitch),
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

void ScreenSwitch::placeWindow(QWidget& window) const {
    const QRect output = m_mode->outputArea();
    if (!m_switched || !output.isValid())
        return;
    if (QScreen* screen = QGuiApplication::screenAt(output.center()))
        window.setScreen(screen);
    window.setGeometry(output);
}

void ScreenSwitch::restore() {
    if (!m_switched)
        return;
    m_switched = false;
    m_mode->setSize(m_savedWidth, m_savedHeight);
    m_mode->apply();
    m_connectionLost.reset();
}
