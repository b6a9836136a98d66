#include "Application.h"
#include "DayPictures.h"
#include "GuiEntries.h"
#include "ScreenSwitch.h"
#include "SingleInstance.h"
#include "StartRefusal.h"
#include "UiLanguage.h"

#include <QApplication>

PictureOutput* biorhythmusPictures() {
    static DayPictures pictures;
    return &pictures;
}

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
    return QApplication::exec();
}
