#pragma once

#include "Clock.h"
#include "FakePrinters.h"
#include "MainWindow.h"
#include "PersonFileLocation.h"
#include "PersonList.h"
#include "RecordingDisplayMode.h"
#include "ScreenSwitch.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>

// A main window on a fixed "today", on a screen of the given size, with its dialogs scripted.
struct Fixture {
    explicit Fixture(QDate today = QDate(2000, 1, 1), QSize screen = QSize(640, 480),
                     QString folder = QString())
        : clock(today), displayMode(screen), screenSwitch(displayMode),
          personFile(personFolder.path()),
          window(MainWindow::Services{clock, screenSwitch, dialogs, printers, persons, personFile,
                                      folder}) {}
    FixedClock clock;
    RecordingDisplayMode displayMode;
    ScreenSwitch screenSwitch;
    ScriptedDialogs dialogs;
    FakePrinters printers;
    QTemporaryDir personFolder;
    PersonList persons;
    PersonFileLocation personFile;
    MainWindow window;
};
