#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs actions on modal windows as they open, from inside the event loop that keeps each one
// open: each step names its window by objectName or by class ("QMessageBox"); the steps meet
// their windows one after the other. A window an action leaves open is closed after a few
// seconds, and a modal window that is not the one the next step waits for at once, so that a
// failing test cannot hang. The test asserts ran() and, where its actions close their
// windows, !leftOpen().
class ModalAction {
public:
    struct Step {
        QString window;
        std::function<void(QWidget&)> action;
    };

    explicit ModalAction(QList<Step> steps, int patienceMs = 3000) : m_steps(std::move(steps)) {
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
    ModalAction(const QString& window, std::function<void(QWidget&)> action, int patienceMs = 3000)
        : ModalAction(QList<Step>{{window, std::move(action)}}, patienceMs) {}

    bool ran() const { return m_done == m_steps.size(); }
    bool leftOpen() const { return m_leftOpen; }
    QString seen() const { return m_seen; } // the last modal window met, by name

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_window)
            return;
        m_window = modal; // before the wait, which lets the next poll come in
        m_seen = modal->objectName();
        const Step& step = m_steps[m_done];
        if ((modal->objectName() != step.window && !modal->inherits(qPrintable(step.window))) ||
            !QTest::qWaitForWindowExposed(modal)) {
            m_poll.stop();
            m_guard.start(0);
            return;
        }
        if (++m_done == m_steps.size())
            m_poll.stop();
        m_guard.start();
        step.action(*modal);
    }

    QList<Step> m_steps;
    qsizetype m_done = 0;
    QTimer m_poll;
    QTimer m_guard;
    QPointer<QWidget> m_window;
    QString m_seen;
    bool m_leftOpen = false;
};
