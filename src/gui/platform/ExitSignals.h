#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that the
// program leaves through its own exit path (and puts the screen mode back) when it is stopped.
// The first of them also sets a deadline: should that path not have ended the process within
// a second, for whatever reason, the process ends then without further clean-up.
class ExitSignals : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

signals:
    void exitRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};
