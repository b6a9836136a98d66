#pragma once

#include <QRect>
#include <memory>

// The screen the program is laid out for; a wider one is switched to it at start.
constexpr int SmallScreenWidth = 640;
constexpr int SmallScreenHeight = 480;

// The screen's display mode, used as: setup() once, which makes the current mode readable
// and keeps it as the mode to go back to; width() and height() of the current mode; setSize()
// for the wanted mode; apply() to switch to it. apply() returns false when the mode cannot be
// switched (then nothing changed). Applying the size found by setup() puts back exactly the
// mode found then.
class DisplayMode {
public:
    virtual ~DisplayMode() = default;
    virtual void setup() = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setSize(int width, int height) = 0;
    virtual bool apply() = 0;

    // Whether apply() can switch to this size; asked before the program's window exists.
    virtual bool offers(int width, int height) const = 0;
    // Where on the desktop the switched output lies, in device pixels; empty when unknown.
    virtual QRect outputArea() const { return {}; }
    // Device pixels per pixel of the window system's own coordinates: a Wayland output's scale,
    // which Qt applies by itself; 1 on X.
    virtual int platformScale() const { return 1; }
};

// The one display mode that never switches: for Wayland, XWayland, offscreen, a build without
// XRandR and a screen that is left as it is. Reports the given size (0 x 0: unknown).
class FixedDisplayMode final : public DisplayMode {
public:
    FixedDisplayMode(int width, int height, int platformScale = 1)
        : m_width(width), m_height(height), m_platformScale(platformScale) {}
    void setup() override {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void setSize(int, int) override {}
    bool apply() override { return false; }
    bool offers(int, int) const override { return false; }
    int platformScale() const override { return m_platformScale; }

private:
    int m_width;
    int m_height;
    int m_platformScale;
};

// The display-mode backend for the window system Qt will show the program on; ScreenSwitch
// decides what is done with it.
std::unique_ptr<DisplayMode> createDisplayMode();

// The screen as X shows it: a mode that can be switched on a real X server with RandR 1.2, or
// the size of the output that shows the window on XWayland and on an X server without mode
// changes. Nothing without an X display or in a build without X (platform/x11 or fixed).
std::unique_ptr<DisplayMode> openXScreen();

// The size and scale of the first output a Wayland compositor names; Wayland programs never
// switch. Nothing without a Wayland display or in a build without its client library
// (platform/wayland or fixed).
std::unique_ptr<DisplayMode> openWaylandScreen();
