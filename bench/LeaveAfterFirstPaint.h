#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>

// How the start-up floors leave, the way the program does when told to stop after its first
// frame: on the watched window's first paint, a zero timer closes every window and quits.
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
