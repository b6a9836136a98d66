#pragma once

#include "core/Clock.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/ScreenSwitch.h"
#include "gui/platform/SystemPrinterService.h"
#include "gui/platform/UserManager.h"

#include <QObject>
#include <memory>

class ExitSignals;
class MainWindow;

// Owns what lives as long as the program: the clock, the screen switch, the dialogs, the
// person list with the place of its file, and the main window.
class Application : public QObject {
    Q_OBJECT
public:
    // The screen switch decides before the application object exists, which fixes the
    // screen's scale.
    explicit Application(ScreenSwitch screen, QObject* parent = nullptr);
    ~Application() override;

    // Creates, loads and shows the main window.
    void start();
    MainWindow* mainWindow() const { return m_mainWindow.get(); }

    // Brings the main window, and the dialogs open over it, to the front.
    void raiseWindow();

    // Saves a picture of the main window once it has been painted, then leaves the program.
    void screenshotAndExit(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SystemClock m_clock;
    WidgetDialogs m_dialogs;
    SystemPrinterService m_printers;
    SystemdUserManager m_userManager;
    ScreenSwitch m_screen;
    PersonList m_persons;
    PersonFileLocation m_personFile;
    std::unique_ptr<MainWindow> m_mainWindow;
    ExitSignals* m_exitSignals;
    QString m_screenshotPath;
};
