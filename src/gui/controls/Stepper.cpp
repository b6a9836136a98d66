#include "Stepper.h"

#include "gui/controls/FocusFrame.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

namespace {
QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setObjectName(name);
    return button;
}
} // namespace

Stepper::Stepper(QWidget* parent)
    : QWidget(parent), SpokenValue(this),
      m_left(arrowButton(this, Qt::LeftArrow, QStringLiteral("left"))),
      m_right(arrowButton(this, Qt::RightArrow, QStringLiteral("right"))) {
    setFocusPolicy(Qt::StrongFocus);
    m_left->setAccessibleName(tr("Einen Schritt zurück"));
    m_right->setAccessibleName(tr("Einen Schritt vor"));
    connect(m_left, &QToolButton::clicked, this, &Stepper::stepLeft);
    connect(m_right, &QToolButton::clicked, this, &Stepper::stepRight);
}

void Stepper::resizeEvent(QResizeEvent*) {
    layOutArrows();
}

// With the focus the arrows move inwards and leave room for the focus frame around them;
// without it they fill the control as they always did.
void Stepper::layOutArrows() {
    const QRect inner = hasFocus() ? rect().adjusted(FocusFrameWidth, FocusFrameWidth,
                                                     -FocusFrameWidth, -FocusFrameWidth)
                                   : rect();
    const int half = inner.width() / 2;
    m_left->setGeometry(inner.left(), inner.top(), half, inner.height());
    m_right->setGeometry(inner.left() + half, inner.top(), inner.width() - half, inner.height());
}

void Stepper::focusInEvent(QFocusEvent* event) {
    layOutArrows();
    QWidget::focusInEvent(event);
}

void Stepper::focusOutEvent(QFocusEvent* event) {
    layOutArrows();
    QWidget::focusOutEvent(event);
}

void Stepper::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, rect());
}

void Stepper::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        emit stepLeft();
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        emit stepRight();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
