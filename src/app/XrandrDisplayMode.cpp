#include "XrandrDisplayMode.h"

#include <QGuiApplication>
#include <QScreen>
#include <poll.h>
#include <qguiapplication_platform.h>
#include <sys/socket.h>

// The X headers define macros (None, Bool, Status, ...) that clash with Qt's, so they come last.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

// True while the server is still at the other end of the connection. Any Xlib call on a
// connection the server has dropped (the server or the session ended) ends in Xlib's fatal
// I/O error handler, which exits the process on the spot; so every use checks first.
bool connected(Display* display) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (::poll(&connection, 1, 0) < 0)
        return false;
    if (connection.revents & (POLLHUP | POLLERR | POLLNVAL))
        return false;
    char byte = 0;
    return !(connection.revents & POLLIN) ||
           ::recv(connection.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) != 0;
}

struct DisplayCloser {
    void operator()(Display* display) const {
        // Closing talks to the server; a dropped connection is left for the process's end.
        if (connected(display))
            XCloseDisplay(display);
    }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

struct ConfigFree {
    void operator()(XRRScreenConfiguration* config) const { XRRFreeScreenConfigInfo(config); }
};
using ConfigPtr = std::unique_ptr<XRRScreenConfiguration, ConfigFree>;

// Works on the default screen through the RandR 1.0 size list, which servers with per-output
// modes (RandR 1.2 and later) still offer for the primary output.
class XrandrDisplayMode final : public DisplayMode {
public:
    explicit XrandrDisplayMode(DisplayPtr display)
        : m_display(std::move(display)),
          m_root(RootWindow(m_display.get(), DefaultScreen(m_display.get()))) {}

    void setup() override { readCurrentSize(); }
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void setSize(int width, int height) override {
        m_wantedWidth = width;
        m_wantedHeight = height;
    }

    bool apply() override {
        if (!connected(m_display.get()))
            return false;
        // Read afresh: the configuration may have changed since setup(), and the server
        // rejects a change based on an outdated configuration.
        const ConfigPtr config(XRRGetScreenInfo(m_display.get(), m_root));
        if (!config)
            return false;
        int sizeCount = 0;
        const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
        Rotation rotation = 0;
        const SizeID current = XRRConfigCurrentConfiguration(config.get(), &rotation);
        for (int i = 0; i < sizeCount; ++i) {
            if (sizes[i].width != m_wantedWidth || sizes[i].height != m_wantedHeight)
                continue;
            if (i == current)
                return true;
            const Status status =
                XRRSetScreenConfig(m_display.get(), config.get(), m_root, i, rotation, CurrentTime);
            readCurrentSize();
            return status == RRSetConfigSuccess && m_width == m_wantedWidth &&
                   m_height == m_wantedHeight;
        }
        return false;
    }

private:
    void readCurrentSize() {
        const ConfigPtr config(XRRGetScreenInfo(m_display.get(), m_root));
        if (config) {
            int sizeCount = 0;
            const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
            Rotation rotation = 0;
            const SizeID current = XRRConfigCurrentConfiguration(config.get(), &rotation);
            if (current < sizeCount) {
                m_width = sizes[current].width;
                m_height = sizes[current].height;
                return;
            }
        }
        m_width = DisplayWidth(m_display.get(), DefaultScreen(m_display.get()));
        m_height = DisplayHeight(m_display.get(), DefaultScreen(m_display.get()));
    }

    DisplayPtr m_display;
    Window m_root;
    int m_width = 0;
    int m_height = 0;
    int m_wantedWidth = 0;
    int m_wantedHeight = 0;
};

} // namespace

std::unique_ptr<DisplayMode> openXrandrDisplayMode(const char* displayName) {
    DisplayPtr display(XOpenDisplay(displayName));
    if (!display)
        return nullptr;
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display.get(), &eventBase, &errorBase))
        return nullptr;
    return std::make_unique<XrandrDisplayMode>(std::move(display));
}

std::unique_ptr<DisplayMode> createDisplayMode() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // Qt may have been given another display than $DISPLAY (-display); use the one it
        // shows its windows on.
        const char* displayName = nullptr;
        if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            displayName = XDisplayString(x11->display());
        if (auto mode = openXrandrDisplayMode(displayName))
            return mode;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(640, 480);
    return std::make_unique<FixedDisplayMode>(size.width(), size.height());
}
