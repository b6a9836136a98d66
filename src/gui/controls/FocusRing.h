#pragma once

#include <QPointer>
#include <QWidget>

// Shows the program's focus frame over a control whose style marks the focus faintly or not at
// all: a widget of its own laid over the control, shown only while the control or a part of it
// has the focus, so that the control's pixels without the focus stay exactly as they were.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    // The ring belongs to the control and goes with it.
    static FocusRing* attach(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FocusRing(QWidget* control);
    void follow();

    QPointer<QWidget> m_control;
};
