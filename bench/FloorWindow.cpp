// The floor for start-up and memory of figures 1-2: the least a Qt Widgets program does to put
// a window of the main window's size on the screen.

#include "LeaveAfterFirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    LeaveAfterFirstPaint leave;
    window.installEventFilter(&leave);
    window.show();
    return QApplication::exec();
}
