#pragma once

#include "gui/platform/DisplayMode.h"

#include <QRect>
#include <memory>

class ExitHook;
class QWidget;

// The screen's whole life with this program, in one place. It reads the screen once, when it
// is made, and decides then whether the program switches it to the small screen: an X11 screen
// wider than that which offers the mode (never on Wayland or XWayland, whose backend offers
// nothing). switchScreen() switches (the backend starts its guardian first), placeWindow()
// lays the window over the switched output, and restore() puts the screen back. restore() is
// safe to call from every way out and more than once: the exit button and closing the window,
// a signal, exit() called by Qt when its X connection breaks (through an exit hook held while
// the screen is switched), and the destructor where an exception unwinds the stack. A program
// that is killed, crashes or aborts leaves it to the guardian.
class ScreenSwitch {
public:
    // The display mode of this desktop, decided on before the application object exists: when
    // the screen will be switched, Qt is told to lay the windows out 1:1 in screen pixels, as
    // it fixes the screen's scale when it starts. Without a switch, the display-mode connection
    // is closed at once, so the program keeps only Qt's own.
    static ScreenSwitch beforeQtStarts();

    // A display mode is decided on as it is handed over.
    ScreenSwitch(std::unique_ptr<DisplayMode> mode);
    // The same for a display mode that outlives this object.
    explicit ScreenSwitch(DisplayMode& mode);
    // Moving is for handing the decision over before switchScreen().
    ScreenSwitch(ScreenSwitch&& other) noexcept;
    ScreenSwitch& operator=(ScreenSwitch&&) = delete;
    ~ScreenSwitch();

    bool willSwitch() const { return m_willSwitch; }
    // Switches the screen when that was decided; true when it is switched now.
    bool switchScreen();
    bool isSwitched() const { return m_switched; }
    // After a switch: the window covers the switched output, wherever that lies on the desktop.
    void placeWindow(QWidget& window) const;
    void restore();

private:
    std::unique_ptr<DisplayMode> m_owned;
    DisplayMode* m_mode;
    bool m_willSwitch = false;
    bool m_switched = false;
    int m_savedWidth = 0;
    int m_savedHeight = 0;
    std::unique_ptr<ExitHook> m_connectionLost;
};
