#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs an action on the modal window named name (any modal window when name is empty) as soon
// as it is open, from inside the event loop that keeps it open. A window the action leaves
// open is closed after a few seconds, and a modal window of another name at once, so that a
// failing test cannot hang. The test asserts ran() and, where the action should close the
// window, !leftOpen().
class ModalAction {
public:
    ModalAction(QString name, std::function<void(QWidget&)> action, int patienceMs = 3000)
        : m_name(std::move(name)), m_action(std::move(action)) {
        m_guard.setSingleShot(true);
        m_guard.setInterval(patienceMs);
        m_guard.callOnTimeout([this] {
            if (m_window && m_window->isVisible()) {
                m_leftOpen = true;
                m_window->close();
            }
        });
        m_poll.callOnTimeout([this] { poll(); });
        m_poll.start(10);
    }

    bool ran() const { return m_ran; }
    bool leftOpen() const { return m_leftOpen; }
    QString seen() const { return m_seen; } // the modal window met, by name

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_poll.stop();
        m_window = modal;
        m_seen = modal->objectName();
        if (!m_name.isEmpty() && m_seen != m_name) {
            m_guard.start(0);
            return;
        }
        m_ran = true;
        m_guard.start();
        m_action(*modal);
    }

    QString m_name;
    std::function<void(QWidget&)> m_action;
    QTimer m_poll;
    QTimer m_guard;
    QPointer<QWidget> m_window;
    QString m_seen;
    bool m_ran = false;
    bool m_leftOpen = false;
};
