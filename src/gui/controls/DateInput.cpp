#include "DateInput.h"

#include "core/Clock.h"
#include "core/DateRules.h"
#include "gui/controls/TodayCalendar.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {
const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}
} // namespace

DateInput::DateInput(QWidget* parent) : QDateEdit(parent), m_clock(&systemClock()) {
    setCalendarPopup(true);
    setLocale(uiLocale());
    setDisplayFormat(displayDateFormat());
    setDateRange(earliestDate(), latestDate());
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& date) {
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
    calendar();
    m_dateBeforeCalendar = date();
    QDateEdit::mousePressEvent(event);
}

// Once a part of the date is complete ("08" or "8" for the day) the input moves on to the next
// part by itself; the separator typed after it ("." or "/") closes the part just finished and
// must not skip the next one, so that typing 08.11.1999 gives 08.11.1999. A digit typed where
// the cursor was put by a click or an arrow key replaces the part it stands in, as after Tab.
void DateInput::keyPressEvent(QKeyEvent* event) {
    const bool opensCalendar =
        (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) ||
        (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (opensCalendar) {
        openCalendar();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.front().isDigit();
    const bool separator = text.size() == 1 && !text.front().isLetterOrNumber() &&
                           displayFormat().contains(text.front());
    if (m_movedOnByItself && separator) {
        m_movedOnByItself = false;
        event->accept();
        return;
    }
    if (digit && takeSecondDayDigit(event))
        return;
    if (digit && lineEdit()->cursorPosition() != m_typedTo && !lineEdit()->hasSelectedText()) {
        setSelectedSection(currentSection());
        m_wantedDay = 0;
    }
    const Section before = currentSection();
    const bool shortMonth = date().daysInMonth() < 31;
    QDateEdit::keyPressEvent(event);
    m_movedOnByItself = digit && currentSection() != before;
    m_cutDayDigit = -1;
    if (digit && before == DaySection) {
        m_wantedDay = 0;
        // Qt ends the day after one digit when no second one fits this month.
        if (m_movedOnByItself && shortMonth && text.front().digitValue() <= 3)
            m_cutDayDigit = text.front().digitValue();
    }
    m_typedTo = digit ? lineEdit()->cursorPosition() : -1;
    if (!digit && !separator)
        m_wantedDay = 0;
    holdWantedDay();
}

// The second digit of a day that Qt ended early because this month is too short for it.
bool DateInput::takeSecondDayDigit(QKeyEvent* event) {
    const int day = m_cutDayDigit * 10 + event->text().front().digitValue();
    if (m_cutDayDigit < 0 || !m_movedOnByItself || day < 1 || day > 31)
        return false;
    m_cutDayDigit = -1;
    m_wantedDay = day;
    holdWantedDay();
    // On to the part after the day: the month in German, the year in English.
    for (int i = 0; i + 1 < sectionCount(); ++i) {
        if (sectionAt(i) == DaySection)
            setSelectedSection(sectionAt(i + 1));
    }
    m_typedTo = -1;
    event->accept();
    return true;
}

// A day beyond the end of the month is that month's last day.
void DateInput::holdWantedDay() {
    const QDate shown = date();
    if (m_wantedDay < 1 || !shown.isValid())
        return;
    const int day = std::min(m_wantedDay, shown.daysInMonth());
    if (day != shown.day())
        setDate(QDate(shown.year(), shown.month(), day));
}
