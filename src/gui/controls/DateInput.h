#pragma once

#include "core/DateRules.h"

#include <QDateEdit>
#include <optional>

class Clock;
class FieldNote;
class TodayCalendar;

// A date input with a drop-down calendar, for 01.01.1601 to 31.12.9999, shown in the interface's
// language: dd.MM.yyyy in German.
// userChangedDate is emitted only for the user's own edits; setting the date from code stays
// quiet, so code that sets a date decides itself when to recalculate. Alt+Down and F4 open
// the calendar; Escape there closes it and puts back the date it opened with.
// Typed characters are read by the rules of DateTyping, from the part of the date that the
// cursor or the selection begins in (after a click, Tab, Home or Ctrl+A) on; the date follows
// each part as it is complete. A typed text that is no date puts back the date from before it
// and says so under the field, as does a pasted one; a paste is a whole date in the input's form
// or ISO 8601 (2026-12-24), or else read as if typed.
class DateInput : public QDateEdit {
    Q_OBJECT
    // The date as a number for assistive technology, which reads a spin box's value from
    // this property: without it every date is 0, and a screen reader that speaks a value only
    // when it differs from the last one falls silent after the first change.
    Q_PROPERTY(double value READ dayNumber)
public:
    explicit DateInput(QWidget* parent = nullptr);

    // Sets the date without emitting userChangedDate.
    void setDateQuietly(const QDate& date);

    // Where the calendar's today line takes today from; the system clock until set.
    void setClock(const Clock& clock);
    // The drop-down calendar, made on its first use: two of them cost the main window as much
    // start-up time as everything else it builds.
    TodayCalendar* calendar();
    // Drops the calendar down, as a click on the arrow does.
    void openCalendar();

    double dayNumber() const { return double(date().toJulianDay()); }

signals:
    void userChangedDate(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QValidator::State validate(QString& text, int& position) const override;

private:
    // The characters typed since the cursor was last put somewhere, and the date before them.
    struct Typing {
        QDate before;
        int firstPart;
        QString typed;
        bool told = false; // the user has heard that it is no date
    };
    // Where the text's cursor and selection are: typing goes on only where it left them.
    struct CursorPlace {
        int cursor;
        int selectionStart;
        int selectionLength;
        bool operator==(const CursorPlace&) const = default;
    };

    bool typingKey(const QKeyEvent* event);
    void type(const QString& characters);
    bool eraseTyped();
    void readTyped(bool finished);
    void finishTyping();
    void showTyped(const QString& digits, int part);
    void paste();
    void tellNoDate(bool outOfRange, const QString& typed, const QDate& kept);
    void setDateTyped(const QDate& date);
    int partAt(int position) const;
    void selectPart(int part);
    CursorPlace cursorPlace() const;

    const Clock* m_clock;
    const DateForm m_form;
    TodayCalendar* m_calendar = nullptr;
    FieldNote* m_note = nullptr;
    bool m_quiet = false;
    bool m_settingTyped = false;
    QDate m_dateBeforeCalendar;
    std::optional<Typing> m_typing;
    CursorPlace m_typedTo{};
};
