#include "StartRefusal.h"

#include "core/UiLanguage.h"
#include "gui/platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
QString refusal(const QString& problem) {
    return QApplication::translate("StartRefusal", "Biorhythmus kann nicht starten. %1")
        .arg(problem);
}
} // namespace

int refuseToStart(int& argc, char** argv, const QString& problem) {
    std::fprintf(stderr, "%s\n", qPrintable(refusal(problem)));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return 1;
    QApplication app(argc, argv);
    // Qt's stand-in platforms have no screen anybody looks at.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return 1;
    installUiLanguage(app, startUiLanguage(QCoreApplication::arguments()));
    QMessageBox box(QMessageBox::Critical, programTitle(), refusal(problem), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return 1;
}
