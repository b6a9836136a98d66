#include "DateInput.h"

#include "core/Clock.h"
#include "core/DateRules.h"
#include "core/DateTyping.h"
#include "core/UserText.h"
#include "gui/controls/FieldNote.h"
#include "gui/controls/TodayCalendar.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {
const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

// A typed or pasted text as the message quotes it: a long paste only by its beginning.
QString quoted(const QString& typed) {
    constexpr int Longest = 24;
    return typed.size() > Longest ? typed.left(Longest - 1) + QChar(0x2026) : typed;
}
} // namespace

DateInput::DateInput(QWidget* parent)
    : QDateEdit(parent), m_clock(&systemClock()), m_form(displayDateForm()) {
    setCalendarPopup(true);
    setLocale(uiLocale());
    setDisplayFormat(displayDateFormat());
    setDateRange(earliestDate(), latestDate());
    lineEdit()->installEventFilter(this);
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        // A date that comes from elsewhere (code, the calendar, the arrows) ends the typing.
        if (!m_settingTyped)
            m_typing.reset();
        if (!m_quiet)
            emit userChangedDate(date);
    });
}

void DateInput::setDateQuietly(const QDate& date) {
    m_quiet = true;
    setDate(date);
    m_quiet = false;
}

void DateInput::setClock(const Clock& clock) {
    m_clock = &clock;
    if (m_calendar)
        m_calendar->setClock(clock);
}

TodayCalendar* DateInput::calendar() {
    if (!m_calendar) {
        m_calendar = new TodayCalendar(*m_clock, this);
        setCalendarWidget(m_calendar);
        connect(m_calendar, &TodayCalendar::cancelled, this, [this] {
            if (m_dateBeforeCalendar.isValid())
                setDate(m_dateBeforeCalendar);
        });
    }
    return m_calendar;
}

// The date input opens its calendar only from a press on its arrow, so the keys press there.
void DateInput::openCalendar() {
    QStyleOptionComboBox arrow;
    arrow.initFrom(this);
    arrow.editable = true;
    arrow.subControls = QStyle::SC_All;
    const QPoint at =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &arrow, QStyle::SC_ComboBoxArrow, this)
            .center();
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    mousePressEvent(&press);
}

// The calendar drops down from a click on the arrow; it has to be there before.
void DateInput::mousePressEvent(QMouseEvent* event) {
    finishTyping();
    calendar();
    m_dateBeforeCalendar = date();
    QDateEdit::mousePressEvent(event);
}

// Printable characters are typed, Backspace takes one back and Escape the whole typing; every
// other key first ends the typing and then does what it does in any date input.
void DateInput::keyPressEvent(QKeyEvent* event) {
    if (!typingKey(event)) {
        finishTyping();
        const bool opensCalendar =
            (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) ||
            (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
        if (opensCalendar)
            openCalendar();
        else if (event->matches(QKeySequence::Paste))
            paste();
        else
            return QDateEdit::keyPressEvent(event);
    }
    event->accept();
}

bool DateInput::typingKey(const QKeyEvent* event) {
    const QString text = event->text();
    const bool character =
        text.size() == 1 && text.front().isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (character) {
        type(text);
        return true;
    }
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier)
        return eraseTyped();
    if (event->key() == Qt::Key_Escape && m_typing) {
        setDateTyped(m_typing->before);
        m_typing.reset();
        showTyped({}, -1);
        return true;
    }
    return false;
}

void DateInput::focusOutEvent(QFocusEvent* event) {
    finishTyping();
    QDateEdit::focusOutEvent(event);
}

void DateInput::hideEvent(QHideEvent* event) {
    finishTyping();
    QDateEdit::hideEvent(event);
}

// Tab steps from part to part inside the input, from the part the typing ended in.
bool DateInput::focusNextPrevChild(bool next) {
    finishTyping();
    return QDateEdit::focusNextPrevChild(next);
}

// A click into the text puts the cursor somewhere new: what was typed before is done.
bool DateInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        finishTyping();
    return QDateEdit::eventFilter(watched, event);
}

// A whole date put into the text another way than by keys (the context menu's Paste, the middle
// mouse button) is taken in the input's form or ISO 8601 and shown in the input's form.
QValidator::State DateInput::validate(QString& text, int& position) const {
    if (m_typing) // the text shows typed digits, which DateTyping reads
        return QValidator::Intermediate;
    const QDate whole = readDateText(text, {m_form, isoDateForm()});
    if (isAcceptedDate(whole) && displayDateText(whole) != text) {
        text = displayDateText(whole);
        position = int(text.size());
    }
    return QDateEdit::validate(text, position);
}

void DateInput::type(const QString& characters) {
    if (!m_typing || cursorPlace() != m_typedTo) {
        const QLineEdit* edit = lineEdit();
        const int part =
            partAt(edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition());
        finishTyping();
        m_typing = Typing{date(), part, {}};
    }
    m_typing->typed += characters;
    readTyped(false);
}

// Backspace takes back the last typed character. Where nothing is being typed, it begins a
// typing with the part's digits left of the cursor, less the last: "15" becomes "1" and waits.
bool DateInput::eraseTyped() {
    if (m_typing && cursorPlace() == m_typedTo) {
        m_typing->typed.chop(1);
        readTyped(false);
        return true;
    }
    finishTyping();
    const QLineEdit* edit = lineEdit();
    if (edit->hasSelectedText())
        return false;
    const int cursor = edit->cursorPosition();
    const int part = partAt(cursor);
    const int start = cursor - int(edit->text().left(cursor).section(m_form.separator, -1).size());
    const QString left = edit->text().mid(start, cursor - start);
    m_typing = Typing{date(), part, left.chopped(std::min<qsizetype>(1, left.size()))};
    readTyped(false);
    return true;
}

void DateInput::finishTyping() {
    if (m_typing)
        readTyped(true);
}

// Reads the typing from its start, so that Backspace needs nothing but the shorter text.
void DateInput::readTyped(bool finished) {
    using Verdict = TypedDate::Verdict;
    const DateTyping reading = readTyping(m_typing->typed, m_form, m_typing->firstPart);
    const TypedDate result = typedDate(reading, m_form, m_typing->before, finished);
    setDateTyped(result.date);
    switch (result.verdict) {
    case Verdict::Typing:
        m_typing->told = false; // Backspace took back what made it no date
        showTyped(reading.digits[reading.nextPart], reading.nextPart);
        m_typedTo = cursorPlace();
        return;
    case Verdict::Date:
        m_typing.reset();
        showTyped({}, -1);
        // Where Tab goes on from: the part typed last, or the one it moved on to.
        selectPart(std::min(reading.nextPart, 2));
        lineEdit()->setCursorPosition(lineEdit()->selectionEnd());
        return;
    case Verdict::NoDate:
    case Verdict::OutOfRange:
        if (!m_typing->told)
            tellNoDate(result.verdict == Verdict::OutOfRange, m_typing->typed, result.date);
        m_typing->told = true;
        // The rest of this typing is kept away from the date: "31.02.2027" must not go on to
        // change the year.
        showTyped({}, -1);
        selectPart(m_typing->firstPart);
        m_typedTo = cursorPlace();
        if (finished)
            m_typing.reset();
        return;
    }
}

// Shows the date with the digits typed so far in the part being typed; a part with none yet
// is selected, as the next to type. While typing, the text is not Qt's to read: it would put
// its own date back as soon as the cursor moves to another part.
void DateInput::showTyped(const QString& digits, int part) {
    QStringList parts = displayDateText(date()).split(m_form.separator);
    if (!digits.isEmpty() && part >= 0 && part < parts.size())
        parts[part] = digits;
    const QString text = parts.join(m_form.separator);
    QLineEdit* edit = lineEdit();
    const QSignalBlocker typing(part >= 0 ? edit : nullptr);
    if (edit->text() != text)
        edit->setText(text);
    if (part < 0)
        return;
    selectPart(part);
    if (!digits.isEmpty())
        edit->setCursorPosition(edit->selectionEnd());
}

void DateInput::paste() {
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    const QDate whole = readDateText(text, {m_form, isoDateForm()});
    if (whole.isValid() && !isAcceptedDate(whole)) {
        tellNoDate(true, text, date());
    } else if (whole.isValid()) {
        setDateTyped(whole);
        showTyped({}, -1);
    } else { // read as if typed where the cursor is, and done
        type(text);
        finishTyping();
    }
}

void DateInput::tellNoDate(bool outOfRange, const QString& typed, const QDate& kept) {
    if (!m_note)
        m_note = new FieldNote(this);
    const QString why =
        outOfRange ? dateRangeMessage().text() : tr("„%1“ ist kein Datum.").arg(quoted(typed));
    m_note->tell(why + QLatin1Char(' ') + tr("Es bleibt beim %1.").arg(displayDateText(kept)));
}

void DateInput::setDateTyped(const QDate& date) {
    if (date == this->date())
        return;
    m_settingTyped = true;
    setDate(date);
    m_settingTyped = false;
}

// The part of the date at a place in the text, in the form's order: the separators before it.
int DateInput::partAt(int position) const {
    return std::min<int>(2, int(lineEdit()->text().left(position).count(m_form.separator)));
}

void DateInput::selectPart(int part) {
    const QStringList parts = lineEdit()->text().split(m_form.separator);
    int start = 0;
    for (int i = 0; i < part && i < parts.size(); ++i)
        start += int(parts[i].size()) + 1;
    lineEdit()->setSelection(start, part < parts.size() ? int(parts[part].size()) : 0);
}

DateInput::CursorPlace DateInput::cursorPlace() const {
    const QLineEdit* edit = lineEdit();
    return {edit->cursorPosition(), edit->selectionStart(), int(edit->selectedText().size())};
}
