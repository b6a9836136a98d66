#pragma once

#include <QCursor>
#include <QGuiApplication>

// The wait cursor over every window while work runs that the user has to wait for; taken
// down on release() and when it goes out of scope. Message boxes shown meanwhile keep the
// ordinary pointer (see Dialogs.cpp).
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void release() {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};
