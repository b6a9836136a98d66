#include "Stepper.h"

#include <QKeyEvent>
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
    : QWidget(parent), m_left(arrowButton(this, Qt::LeftArrow, QStringLiteral("left"))),
      m_right(arrowButton(this, Qt::RightArrow, QStringLiteral("right"))) {
    setFocusPolicy(Qt::StrongFocus);
    m_left->setAccessibleName(tr("Einen Schritt zurück"));
    m_right->setAccessibleName(tr("Einen Schritt vor"));
    connect(m_left, &QToolButton::clicked, this, &Stepper::stepLeft);
    connect(m_right, &QToolButton::clicked, this, &Stepper::stepRight);
}

void Stepper::resizeEvent(QResizeEvent*) {
    const int half = width() / 2;
    m_left->setGeometry(0, 0, half, height());
    m_right->setGeometry(half, 0, width() - half, height());
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
