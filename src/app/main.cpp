#include "Application.h"
#include "GermanTranslations.h"
#include "ScreenSwitch.h"
#include "SingleInstance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    SingleInstance instance;
    if (!instance.isFirst()) {
        QCoreApplication app(argc, argv);
        instance.askFirstToRaise();
        return 0;
    }
    ScreenSwitch screen = ScreenSwitch::beforeQtStarts();

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Biorhythmus"));
    installGermanTranslations(qapp);
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
