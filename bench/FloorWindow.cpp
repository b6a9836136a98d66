// The floor for start-up and memory: the least a Qt Widgets program does to put a window of
// the main window's size on the screen. It leaves the way the program does when told to stop
// after its first frame: on the first paint, a zero timer closes every window and quits.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
class LeaveAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                QApplication::closeAllWindows();
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    LeaveAfterFirstPaint leave;
    window.installEventFilter(&leave);
    window.show();
    return QApplication::exec();
}
