#pragma once

#include <QWidget>

class QToolButton;

// A horizontal up-down control: a left and a right arrow button side by side. Every click on
// an arrow is one step; holding an arrow repeats the step.
class Stepper : public QWidget {
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

private:
    QToolButton* m_left;
    QToolButton* m_right;
};
