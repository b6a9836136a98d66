#pragma once

#include "gui/controls/SpokenValue.h"

#include <QWidget>

class QToolButton;

// A horizontal up-down control: a left and a right arrow button side by side. Every click on
// an arrow is one step; holding an arrow repeats the step. Its owner tells it in words what it
// steps through, for screen readers.
class Stepper : public QWidget, public SpokenValue {
    Q_OBJECT
public:
    explicit Stepper(QWidget* parent = nullptr);

    QToolButton* leftButton() const { return m_left; }
    QToolButton* rightButton() const { return m_right; }

signals:
    void stepLeft();
    void stepRight();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layOutArrows();

    QToolButton* m_left;
    QToolButton* m_right;
};
