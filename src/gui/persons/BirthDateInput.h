#pragma once

#include <QDate>
#include <QWidget>

class DateInput;
class QLineEdit;
class QMouseEvent;
class QStackedLayout;

// The editor's birth-date field: a DateInput that can also hold no date. Without a date it
// shows an empty field; the first click or key in it brings up the date input with the date it
// holds underneath (today's after adding a person) and goes on to it.
class BirthDateInput : public QWidget {
    Q_OBJECT
public:
    explicit BirthDateInput(QWidget* parent = nullptr);

    // Takes a birth text as stored in the person list; an empty or unreadable text shows the
    // field empty and keeps the underlying date.
    void setBirthText(const QString& text);

    // Sets the underlying date without showing it.
    void setDate(const QDate& date);

    bool hasDate() const { return m_hasDate; }
    // The underlying date, also while the field shows no date.
    QDate date() const;

    DateInput* dateInput() const { return m_input; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDate(bool shown);
    void forwardClick(const QMouseEvent* click);

    DateInput* m_input;
    QLineEdit* m_blank;
    QStackedLayout* m_stack;
    bool m_hasDate = true;
};
