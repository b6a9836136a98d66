#pragma once

#include <QString>

class QWidget;

// A control whose state is a number that a screen reader should say in words each time it
// changes: the chart and the day strip (the shown day), the steppers (the day, the person).
// Assistive technology meets such a control as a spin button whose text is those words. Orca
// speaks a focused spin button's text whenever its value changes; renaming the control is no
// way to be heard, as Qt 6.4 sends name and description changes without the new text.
class SpokenValue {
public:
    explicit SpokenValue(QWidget* control);
    virtual ~SpokenValue() = default;
    SpokenValue(const SpokenValue&) = delete;
    SpokenValue& operator=(const SpokenValue&) = delete;

    // Sets the words and the number they stand for; a new number is announced.
    void setSpokenValue(const QString& words, double number);
    QString spokenWords() const { return m_words; }
    double spokenNumber() const { return m_number; }

private:
    QWidget* m_control;
    QString m_words;
    double m_number = 0;
};
