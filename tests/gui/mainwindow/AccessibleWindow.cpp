// The main window on 1 January 2000 with the default birth date, shown until it is closed or
// the process is terminated; the accessibility test reads it from outside over AT-SPI.
#include "MainWindowFixture.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Biorhythmus"));
    Fixture f;
    f.window.load();
    f.window.show();
    return QApplication::exec();
}
