#include "DateInput.h"

#include "DateRules.h"

#include <QCalendarWidget>

DateInput::DateInput(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QLatin1String(ShortDateFormat));
    setDateRange(earliestDate(), latestDate());
    setLocale(QLocale(QLocale::German, QLocale::Germany));
    calendarWidget()->setLocale(locale());
    calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    calendarWidget()->setGridVisible(true);
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
