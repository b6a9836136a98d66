// The main window on 1 January 2000 with the default birth date, shown until it is closed or
// the process is terminated; the accessibility test reads it from outside over AT-SPI.
#include "Clock.h"
#include "FakePrinters.h"
#include "MainWindow.h"
#include "PersonFileLocation.h"
#include "PersonList.h"
#include "RecordingDisplayMode.h"
#include "ScreenSwitch.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Biorhythmus"));
    FixedClock clock(QDate(2000, 1, 1));
    RecordingDisplayMode displayMode(QSize(640, 480));
    ScreenSwitch screen(displayMode);
    ScriptedDialogs dialogs;
    FakePrinters printers;
    PersonList persons;
    QTemporaryDir personFolder;
    PersonFileLocation personFile(personFolder.path());
    MainWindow window(
        MainWindow::Services{clock, screen, dialogs, printers, persons, personFile, QString()});
    window.load();
    window.show();
    return QApplication::exec();
}
