#include "DateInput.h"

#include "DateRules.h"

DateInput::DateInput(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QLatin1String(ShortDateFormat));
    setDateRange(earliestDate(), latestDate());
    // The drop-down calendar is made on its first use and takes this locale: German month
    // and day names, weeks starting on Monday.
    setLocale(QLocale(QLocale::German, QLocale::Germany));
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
