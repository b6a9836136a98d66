#pragma once

#include "gui/platform/DisplayMode.h"

#include <QRect>
#include <memory>

class ExitHook;
class QWidget;

// The screen's whole life with this program, in one place. It reads the screen once, when it
// is made, and decides then whether the program switches it to the small screen: an X11 screen
// wider than that which offers the mode (never on Wayland or XWayland, whose backend offers
// nothing, and never for a framed window). A screen that is not switched shows the layout at
// the largest whole scale that fits it. switchScreen() switches (the backend starts its
// guardian first), showWindow() shows the window over the switched output, over the whole
// screen or framed, and restore() puts the screen back. restore() is
// safe to call from every way out and more than once: the exit button and closing the window,
// a signal, exit() called by Qt when its X connection breaks (through an exit hook held while
// the screen is switched), and the destructor where an exception unwinds the stack. A program
// that is killed, crashes or aborts leaves it to the guardian.
class ScreenSwitch {
public:
    // How the window meets the screen: covering it, as the design has it, or as a framed,
    // movable window among others (--window), which never switches.
    enum class Shape { WholeScreen, Framed };

    // The display mode of this desktop, decided on before the application object exists, as Qt
    // fixes the screen's scale when it starts: 1:1 in screen pixels when the screen will be
    // switched, else the layout's scale for the screen, or for the room a framed window has on
    // it. The display-mode connection is then closed at once, so the program keeps only Qt's.
    static ScreenSwitch beforeQtStarts(Shape shape = Shape::WholeScreen);

    // A display mode is decided on as it is handed over.
    ScreenSwitch(std::unique_ptr<DisplayMode> mode, Shape shape = Shape::WholeScreen);
    // The same for a display mode that outlives this object.
    explicit ScreenSwitch(DisplayMode& mode, Shape shape = Shape::WholeScreen);
    // Moving is for handing the decision over before switchScreen().
    ScreenSwitch(ScreenSwitch&& other) noexcept;
    ScreenSwitch& operator=(ScreenSwitch&&) = delete;
    ~ScreenSwitch();

    bool willSwitch() const { return m_willSwitch; }
    Shape shape() const { return m_shape; }
    // Device pixels per layout pixel: the largest whole number at which the layout fits the
    // room the window has on the screen; 1 when switched. Told to Qt by beforeQtStarts(); where
    // the screen's size is not known, Qt keeps the desktop's own scale.
    int layoutScale() const { return m_layoutScale; }
    // Switches the screen when that was decided; true when it is switched now.
    bool switchScreen();
    bool isSwitched() const { return m_switched; }
    // Shows the window as decided: maximised over the switched output, over the whole screen
    // it opens on, or framed at the layout's size.
    void showWindow(QWidget& window) const;
    void restore();

private:
    std::unique_ptr<DisplayMode> m_owned;
    DisplayMode* m_mode;
    Shape m_shape;
    int m_layoutScale = 1;
    bool m_willSwitch = false;
    bool m_switched = false;
    int m_savedWidth = 0;
    int m_savedHeight = 0;
    std::unique_ptr<ExitHook> m_connectionLost;
};
