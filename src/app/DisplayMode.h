#pragma once

#include <memory>

// The screen's display mode, used as: setup() once, which makes the current mode readable;
// width() and height() of the current mode; setSize() for the wanted mode; apply() to switch
// to it. apply() returns false when the mode cannot be switched (then nothing changed).
class DisplayMode {
public:
    virtual ~DisplayMode() = default;
    virtual void setup() = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setSize(int width, int height) = 0;
    virtual bool apply() = 0;
};

// For platforms without mode switching (Wayland, offscreen, a screen without the wanted
// mode): reports the given size and never changes anything.
class FixedDisplayMode final : public DisplayMode {
public:
    FixedDisplayMode(int width, int height) : m_width(width), m_height(height) {}
    void setup() override {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void setSize(int, int) override {}
    bool apply() override { return false; }

private:
    int m_width;
    int m_height;
};

// The display-mode service for the platform the program runs on.
std::unique_ptr<DisplayMode> createDisplayMode();
