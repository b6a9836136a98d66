#include "gui/WindowEntry.h"
#include "core/UiLanguage.h"
#include "gui/mainwindow/Application.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/StartRefusal.h"
#include "gui/platform/ScreenSwitch.h"
#include "gui/platform/SingleInstance.h"

#include <QApplication>

int biorhythmusWindow(int argc, char* argv[]) {
    SingleInstance instance;
    if (instance.role() == SingleInstance::Role::Later)
        return 0;
    if (instance.role() == SingleInstance::Role::Impossible)
        return refuseToStart(argc, argv, instance.problem());
    ScreenSwitch screen = ScreenSwitch::beforeQtStarts();

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Biorhythmus"));
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
