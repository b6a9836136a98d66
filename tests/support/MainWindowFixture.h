#pragma once

#include "FakePrinters.h"
#include "RecordingDisplayMode.h"
#include "RecordingUserManager.h"
#include "ScriptedDialogs.h"
#include "core/Clock.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/platform/ScreenSwitch.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

// A main window on a fixed "today", on a screen of the given size, with its dialogs scripted.
struct Fixture {
    explicit Fixture(QDate today = QDate(2000, 1, 1), QSize screen = QSize(640, 480),
                     QString folder = QString())
        : clock(today), displayMode(screen), screenSwitch(displayMode),
          personFile(personFolder.path()),
          window(MainWindow::Services{clock, screenSwitch, dialogs, printers, persons, personFile,
                                      folder, userManager}) {}
    FixedClock clock;
    RecordingDisplayMode displayMode;
    ScreenSwitch screenSwitch;
    ScriptedDialogs dialogs;
    FakePrinters printers;
    QTemporaryDir personFolder;
    PersonList persons;
    PersonFileLocation personFile;
    RecordingUserManager userManager;
    MainWindow window;
};

// The chart and the day strip as the window painted them, one directly above the other: what
// every picture of the chart promises to be, pixel for pixel.
inline QImage shownChartAndStrip(const MainWindow& window) {
    const QImage chart = window.findChild<QWidget*>("P1")->grab().toImage();
    const QImage strip = window.findChild<QWidget*>("P2")->grab().toImage();
    QImage both(chart.width(), chart.height() + strip.height(), QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, chart);
    painter.drawImage(0, chart.height(), strip);
    return both;
}
