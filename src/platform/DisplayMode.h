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
};

// For platforms without mode switching (Wayland, offscreen, a build without XRandR): reports
// the given size and never changes anything.
class FixedDisplayMode final : public DisplayMode {
public:
    FixedDisplayMode(int width, int height) : m_width(width), m_height(height) {}
    void setup() override {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void setSize(int, int) override {}
    bool apply() override { return false; }
    bool offers(int, int) const override { return false; }

private:
    int m_width;
    int m_height;
};

// The display-mode service for the platform the program will run on. Called before the
// application object exists, as Qt fixes the screen's scale when it starts.
std::unique_ptr<DisplayMode> createDisplayMode();

// Whether the program will switch the screen at start: it is wider than the small screen and
// offers that mode. Calls setup().
bool switchesToSmallScreen(DisplayMode& mode);
