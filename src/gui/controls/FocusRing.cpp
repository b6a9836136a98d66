#include "FocusRing.h"

#include "gui/controls/FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

FocusRing* FocusRing::attach(QWidget* control) {
    return new FocusRing(control);
}

FocusRing::FocusRing(QWidget* control) : QWidget(control->parentWidget()), m_control(control) {
    setObjectName(control->objectName() + QStringLiteral("_focus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, &QObject::deleteLater);
    // The focus may also rest on a part of the control, such as the line edit of a date field.
    connect(qApp, &QApplication::focusChanged, this, &FocusRing::follow);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow() {
    if (!m_control)
        return;
    setGeometry(m_control->geometry());
    const QWidget* focused = QApplication::focusWidget();
    const bool shown = focused && m_control->isVisible() &&
                       (focused == m_control || m_control->isAncestorOf(focused));
    if (shown)
        raise();
    setVisible(shown);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFocusFrame(painter, rect());
}
