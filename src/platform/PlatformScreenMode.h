#pragma once

#include "DisplayMode.h"

// The size of the screen Qt shows the window on, for platforms that cannot switch modes
// (Wayland, XWayland, offscreen). Reads it at setup(), once the application exists.
class PlatformScreenMode final : public DisplayMode {
public:
    void setup() override;
    int width() const override { return m_size.width(); }
    int height() const override { return m_size.height(); }
    void setSize(int, int) override {}
    bool apply() override { return false; }
    bool offers(int, int) const override { return false; }

private:
    QSize m_size;
};
