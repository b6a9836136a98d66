#include "Application.h"
#include "DayPictures.h"
#include "DisplayMode.h"
#include "GermanTranslations.h"
#include "GuiEntries.h"
#include "SingleInstance.h"

#include <QApplication>

namespace {
// Qt reads the screen's scale when the application object starts. A program that switches the
// screen to 640 x 480 lays its window out 1:1 in device pixels, fonts included, or a desktop
// scaled to 200 % would leave three quarters of the window beyond the switched screen.
void useDevicePixels() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
}
} // namespace

PictureOutput* biorhythmusPictures() {
    static DayPictures pictures;
    return &pictures;
}

int biorhythmusWindow(int argc, char* argv[]) {
    SingleInstance instance;
    if (!instance.isFirst()) {
        QCoreApplication app(argc, argv);
        instance.askFirstToRaise();
        return 0;
    }
    std::unique_ptr<DisplayMode> displayMode = createDisplayMode();
    if (switchesToSmallScreen(*displayMode))
        useDevicePixels();

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Biorhythmus"));
    installGermanTranslations(qapp);
    instance.listen();

    Application application(std::move(displayMode));
    QObject::connect(&instance, &SingleInstance::raiseRequested, &application,
                     &Application::raiseWindow);
    // For scripts and benchmarks only: a picture of the first frame, then the normal exit.
    const QString screenshot = qEnvironmentVariable("BIORHYTHMUS_SCREENSHOT");
    if (!screenshot.isEmpty())
        application.screenshotAndExit(screenshot);
    application.start();
    return QApplication::exec();
}
