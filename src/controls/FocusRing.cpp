#include "FocusRing.h"

#include "FocusFrame.h"

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
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
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
    setGeometry(m_control->geometry());
    const bool shown = m_control->hasFocus() && m_control->isVisible();
    if (shown)
        raise();
    setVisible(shown);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFocusFrame(painter, rect());
}
