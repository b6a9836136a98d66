#pragma once

#include <optional>
#include <string>
#include <vector>

// Reading and setting the mode of one X output through RandR 1.2 CRTC requests, without Qt, so
// that the screen guardian can use it as well. The X ids are held as plain numbers (an XID is
// an unsigned long) to keep the X headers and their macros out of the includers.
struct _XDisplay;
using XDisplay = _XDisplay;

// What one CRTC shows: its mode, its place on the screen, its rotation and the outputs it
// drives; width and height are the mode's size as the screen shows it (rotated if need be).
struct CrtcSetting {
    unsigned long crtc = 0;
    unsigned long mode = 0;
    int x = 0;
    int y = 0;
    unsigned short rotation = 1;
    std::vector<unsigned long> outputs;
    int width = 0;
    int height = 0;
    std::string outputName; // of the first output
};

// The size of the whole X screen, which spans every CRTC.
struct ScreenSetting {
    int width = 0;
    int height = 0;
    int widthMm = 0;
    int heightMm = 0;
};

// True when the display is a real X server with RandR 1.2 or later; false for XWayland,
// whose modes are only pretended towards the compositor.
bool canSetCrtcModes(XDisplay* display);

// The CRTC of the output that shows the program's window: the primary output, or else the
// first output that shows anything. Nothing on a server without RandR.
std::optional<CrtcSetting> readShownCrtc(XDisplay* display);
std::optional<CrtcSetting> readCrtc(XDisplay* display, unsigned long crtc);
ScreenSetting readScreen(XDisplay* display);

// The setting with a mode of the given shown size for the same outputs, place and rotation;
// nothing when the outputs do not offer that size.
std::optional<CrtcSetting> withModeOfSize(XDisplay* display, const CrtcSetting& current, int width,
                                          int height);

// Sets the CRTC as given and the screen to the given size, grown if another CRTC reaches
// further; other CRTCs are not touched. With no screen size given, the screen shrinks or grows
// to just span every CRTC.
bool setCrtc(XDisplay* display, const CrtcSetting& wanted,
             const std::optional<ScreenSetting>& screen = std::nullopt);
