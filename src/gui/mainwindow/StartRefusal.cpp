#include "StartRefusal.h"

#include "core/Outcome.h"
#include "core/UiLanguage.h"
#include "gui/platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

Outcome startRefusal(const Outcome& problem) {
    return problem.within(UserText(
        "StartRefusal", QT_TRANSLATE_NOOP("StartRefusal", "Biorhythmus kann nicht starten. %1")));
}

namespace {
UiLanguage chosenLanguage() {
    return startUiLanguage(QCoreApplication::arguments());
}
} // namespace

int refuseToStart(int& argc, char** argv, const Outcome& problem) {
    // Standard error first, under an application object that needs no display: one that cannot
    // be reached would end the program before it said anything.
    {
        QCoreApplication speaking(argc, argv);
        installUiLanguage(speaking, chosenLanguage());
        std::fprintf(stderr, "%s\n", qPrintable(startRefusal(problem).text()));
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return 1;
    QApplication app(argc, argv);
    // Qt's stand-in platforms have no screen anybody looks at.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return 1;
    installUiLanguage(app, chosenLanguage());
    QMessageBox box(QMessageBox::Critical, programTitle(), failureText(startRefusal(problem)),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return 1;
}

void tellOnStart(const UserText& notice, QWidget* window) {
    std::fprintf(stderr, "%s\n", qPrintable(notice.text()));
    auto* box = new QMessageBox(QMessageBox::Information, programTitle(), notice.text(),
                                QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
