#include "StartRefusal.h"

#include "Dialogs.h"
#include "GermanTranslations.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int refuseToStart(int& argc, char** argv, const QString& problem) {
    const QString text =
        QApplication::translate("StartRefusal", "Biorhythmus kann nicht starten. %1").arg(problem);
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return 1;
    QApplication app(argc, argv);
    // Qt's stand-in platforms have no screen anybody looks at.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return 1;
    installGermanTranslations(app);
    QMessageBox box(QMessageBox::Critical, programTitle(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return 1;
}
