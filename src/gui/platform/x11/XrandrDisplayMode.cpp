#include "XrandrDisplayMode.h"

#include "gui/platform/x11/ScreenGuardian.h"
#include "gui/platform/x11/XrandrOutput.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <poll.h>
#include <sys/socket.h>

// The X headers define macros (None, Bool, Status, ...) that clash with Qt's, so they come last.
#include <X11/Xlib.h>

namespace {

// True while the server is still at the other end of the connection. Any Xlib call on a
// connection the server has dropped (the server or the session ended) ends in Xlib's fatal
// I/O error handler, which exits the process on the spot; so every use checks first.
// waitMs: how long a silent connection is watched for its end first.
bool connected(Display* display, int waitMs = 0) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (::poll(&connection, 1, waitMs) < 0)
        return false;
    if (connection.revents & (POLLHUP | POLLERR | POLLNVAL))
        return false;
    char byte = 0;
    return !(connection.revents & POLLIN) ||
           ::recv(connection.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) != 0;
}

constexpr int GoingBackWaitMs = 50;

// Without its guardian, a crash would leave the screen at 640 x 480 for good.
void sayUnguarded(const char* why) {
    std::fprintf(stderr,
                 "Biorhythmus: Der Bildschirm bleibt, wie er ist, denn das Hilfsprogramm %s %s. "
                 "Ohne dieses Hilfsprogramm bliebe er nach einem Absturz auf 640 × 480.\n",
                 ScreenGuardian::GuardianProgram, why);
}

struct DisplayCloser {
    void operator()(Display* display) const {
        // Closing talks to the server; a dropped connection is left for the process's end.
        if (connected(display))
            XCloseDisplay(display);
    }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// Switches only the output that shows the window (RandR 1.2 CRTC requests); the other outputs
// keep their modes. A guardian process is started before the first switch, so that the mode
// comes back even when the program does not end through its exit path.
class XrandrDisplayMode final : public DisplayMode {
public:
    explicit XrandrDisplayMode(DisplayPtr display)
        : m_display(std::move(display)), m_displayName(DisplayString(m_display.get())) {}

    void setup() override {
        m_saved = readShownCrtc(m_display.get());
        m_savedScreen = readScreen(m_display.get());
        m_current = m_saved;
    }
    int width() const override { return m_current ? m_current->width : 0; }
    int height() const override { return m_current ? m_current->height : 0; }
    void setSize(int width, int height) override {
        m_wantedWidth = width;
        m_wantedHeight = height;
    }
    bool offers(int width, int height) const override {
        if (!m_current || !withModeOfSize(m_display.get(), *m_current, width, height))
            return false;
        if (ScreenGuardian::isInstalled())
            return true;
        sayUnguarded("liegt nicht neben dem Programm");
        return false;
    }
    QRect outputArea() const override {
        return m_current ? QRect(m_current->x, m_current->y, m_current->width, m_current->height)
                         : QRect();
    }

    bool apply() override {
        if (!m_saved)
            return false;
        const bool goingBack = m_wantedWidth == m_saved->width && m_wantedHeight == m_saved->height;
        // Going back happens on the way out, also when Qt has just lost its own connection to
        // a server that is ending: the server closes its connections one after the other, so
        // this one is given a moment to show its end too.
        if (!connected(m_display.get(), goingBack ? GoingBackWaitMs : 0))
            return false;
        // Read afresh: another client may have changed the output since setup().
        const CrtcSetting now = readCrtc(m_display.get(), m_saved->crtc).value_or(*m_saved);
        const std::optional<CrtcSetting> wanted =
            goingBack ? m_saved
                      : withModeOfSize(m_display.get(), now, m_wantedWidth, m_wantedHeight);
        if (!wanted)
            return false;
        if (!goingBack && !m_guardian && !startGuardian()) {
            sayUnguarded("lässt sich nicht starten");
            return false;
        }
        const bool done = setCrtc(m_display.get(), *wanted,
                                  goingBack ? std::optional(m_savedScreen) : std::nullopt);
        m_current = readCrtc(m_display.get(), m_saved->crtc);
        if (done && goingBack && m_guardian) {
            m_guardianEnd.reset();
            m_guardian->release();
            m_guardian.reset();
        }
        return done && m_current && m_current->width == m_wantedWidth &&
               m_current->height == m_wantedHeight;
    }

private:
    bool startGuardian() {
        m_guardian = ScreenGuardian::start(m_displayName, *m_saved, m_savedScreen);
        if (!m_guardian)
            return false;
        // Watched once the event loop runs: the guardian killed while the program goes on
        // would otherwise leave the screen unguarded for the rest of the run.
        if (QCoreApplication::instance()) {
            m_guardianEnd =
                std::make_unique<QSocketNotifier>(m_guardian->socket(), QSocketNotifier::Read);
            QObject::connect(m_guardianEnd.get(), &QSocketNotifier::activated, m_guardianEnd.get(),
                             [this] { replaceGuardian(); });
        }
        return true;
    }

    // A new guardian for the one that has gone; if none can be started, the screen goes back
    // at once rather than stay switched without one.
    void replaceGuardian() {
        m_guardianEnd->setEnabled(false);
        m_guardianEnd.release()->deleteLater();
        m_guardian.reset();
        if (startGuardian())
            return;
        sayUnguarded("ist beendet worden und lässt sich nicht wieder starten");
        setSize(m_saved->width, m_saved->height);
        apply();
    }

    DisplayPtr m_display;
    std::string m_displayName;
    std::optional<CrtcSetting> m_saved;
    std::optional<CrtcSetting> m_current;
    ScreenSetting m_savedScreen;
    std::unique_ptr<ScreenGuardian> m_guardian;
    std::unique_ptr<QSocketNotifier> m_guardianEnd;
    int m_wantedWidth = 0;
    int m_wantedHeight = 0;
};

} // namespace

std::unique_ptr<DisplayMode> openXrandrDisplayMode(const char* displayName) {
    DisplayPtr display(XOpenDisplay(displayName));
    if (!display || !canSetCrtcModes(display.get()))
        return nullptr;
    return std::make_unique<XrandrDisplayMode>(std::move(display));
}

std::unique_ptr<DisplayMode> openXScreen() {
    DisplayPtr display(XOpenDisplay(nullptr));
    if (!display)
        return nullptr;
    if (canSetCrtcModes(display.get()))
        return std::make_unique<XrandrDisplayMode>(std::move(display));
    // XWayland, or an X server without mode changes: the size is read, never switched.
    const std::optional<CrtcSetting> shown = readShownCrtc(display.get());
    const ScreenSetting screen = readScreen(display.get());
    return shown ? std::make_unique<FixedDisplayMode>(shown->width, shown->height)
                 : std::make_unique<FixedDisplayMode>(screen.width, screen.height);
}
