#include "DateInput.h"

#include "Clock.h"
#include "DateRules.h"
#include "TodayCalendar.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}
} // namespace

DateInput::DateInput(QWidget* parent) : QDateEdit(parent), m_clock(&systemClock()) {
    setCalendarPopup(true);
    setDisplayFormat(QLatin1String(ShortDateFormat));
    setDateRange(earliestDate(), latestDate());
    setLocale(germanLocale());
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
    }
    return m_calendar;
}

// The calendar drops down from a click on the arrow; it has to be there before.
void DateInput::mousePressEvent(QMouseEvent* event) {
    calendar();
    QDateEdit::mousePressEvent(event);
}

// Once a part of the date is complete ("08" or "8" for the day) the input moves on to the next
// part by itself; the dot typed after it closes the part just finished and must not skip the
// next one, so that typing 08.11.1999 gives 08.11.1999.
void DateInput::keyPressEvent(QKeyEvent* event) {
    if (m_movedOnByItself && event->text() == QLatin1String(".")) {
        m_movedOnByItself = false;
        event->accept();
        return;
    }
    const Section before = currentSection();
    QDateEdit::keyPressEvent(event);
    const QString text = event->text();
    m_movedOnByItself = text.size() == 1 && text.front().isDigit() && currentSection() != before;
}
