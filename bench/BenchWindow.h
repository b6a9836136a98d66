#pragma once

#include "core/Clock.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/ScreenSwitch.h"
#include "gui/platform/SystemPrinterService.h"
#include "gui/platform/UserManager.h"

#include <QTemporaryDir>

// The main window as the benchmarks drive it: 640 x 480, shown, its first picture computed,
// today fixed at 1 January 2000 and its person file in a fresh folder of its own.
class BenchWindow {
public:
    BenchWindow();
    MainWindow& window() { return m_window; }

    // One day step as holding the stepper's arrow does it: stepDisplayDate(+1), then the
    // repaint the event loop would do next. The update request, sent at once, paints everything
    // the step made dirty, each widget once; calling repaint() per widget would paint the strip
    // twice.
    void step();

private:
    FixedClock m_clock{QDate(2000, 1, 1)};
    ScreenSwitch m_screen{std::make_unique<FixedDisplayMode>(640, 480)};
    WidgetDialogs m_dialogs;
    SystemPrinterService m_printers;
    PersonList m_persons;
    QTemporaryDir m_personFolder;
    PersonFileLocation m_personFile{m_personFolder.path()};
    SystemdUserManager m_userManager;
    MainWindow m_window;
};
