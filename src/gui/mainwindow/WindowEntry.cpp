#include "gui/WindowEntry.h"
#include "core/UiLanguage.h"
#include "gui/mainwindow/Application.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/StartRefusal.h"
#include "gui/platform/ScreenSwitch.h"
#include "gui/platform/SingleInstance.h"

#include <QApplication>
#include <algorithm>
#include <string_view>

int biorhythmusWindow(int argc, char* argv[]) {
    SingleInstance instance;
    if (instance.role() == SingleInstance::Role::Later)
        return 0;
    if (instance.role() == SingleInstance::Role::Impossible)
        return refuseToStart(argc, argv, instance.problem());
    // The program's entry lets only --lang and --window through to here.
    const bool framed =
        std::find(argv + 1, argv + argc, std::string_view("--window")) != argv + argc;
    ScreenSwitch screen = ScreenSwitch::beforeQtStarts(framed ? ScreenSwitch::Shape::Framed
                                                              : ScreenSwitch::Shape::WholeScreen);

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Biorhythmus"));
    // Wayland's app id and X11's desktop-file hint; the X11 class stays "Biorhythmus", the
    // desktop entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral(BIO_APP_ID));
    installUiLanguage(qapp, startUiLanguage(QCoreApplication::arguments()));
    instance.listen();

    Application application(std::move(screen));
    QObject::connect(&instance, &SingleInstance::raiseRequested, &application,
                     &Application::raiseWindow);
    // For scripts and benchmarks only: a picture of the first frame, then the normal exit.
    const QString screenshot = qEnvironmentVariable("BIORHYTHMUS_SCREENSHOT");
    if (!screenshot.isEmpty())
        application.screenshotAndExit(screenshot);
    application.start();
    if (!instance.notice().isEmpty())
        tellOnStart(instance.notice(), application.mainWindow());
    return QApplication::exec();
}
