#include "TodayCalendar.h"

#include "core/Clock.h"
#include "core/DateRules.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

TodayCalendar::TodayCalendar(const Clock& clock, QWidget* parent)
    : QCalendarWidget(parent), m_clock(&clock), m_today(new QToolButton(this)) {
    const QLocale locale = uiLocale();
    setLocale(locale);
    setFirstDayOfWeek(locale.firstDayOfWeek());
    setGridVisible(false);

    m_today->setObjectName(QStringLiteral("today"));
    m_today->setAutoRaise(true);
    m_today->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_today->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont bold = m_today->font();
    bold.setBold(true);
    m_today->setFont(bold);
    connect(m_today, &QToolButton::clicked, this, &TodayCalendar::chooseToday);
    // The calendar lays out its navigation bar and month view in one column; the today line
    // goes below them.
    if (auto* column = qobject_cast<QBoxLayout*>(layout()))
        column->addWidget(m_today);
    else
        m_today->hide();
    showToday();
}

void TodayCalendar::setClock(const Clock& clock) {
    m_clock = &clock;
    showToday();
}

QSize TodayCalendar::sizeHint() const {
    return withTodayLine(QCalendarWidget::sizeHint());
}

QSize TodayCalendar::minimumSizeHint() const {
    return withTodayLine(QCalendarWidget::minimumSizeHint());
}

QSize TodayCalendar::withTodayLine(QSize size) const {
    if (m_today->isHidden())
        return size;
    size.rheight() += m_today->sizeHint().height();
    size.rwidth() = std::max(size.width(), m_today->sizeHint().width());
    return size;
}

void TodayCalendar::showEvent(QShowEvent* event) {
    showToday(); // the calendar may stay open across midnight between two openings
    quietWhileHidden(false);
    QCalendarWidget::showEvent(event);
}

void TodayCalendar::hideEvent(QHideEvent* event) {
    quietWhileHidden(true);
    QCalendarWidget::hideEvent(event);
}

// The date input keeps its closed calendar on its date. Qt's table view tells assistive
// technology that its new current day has the focus even when it is hidden, and a screen
// reader would then follow the hidden calendar instead of the date field the user types in.
void TodayCalendar::quietWhileHidden(bool quiet) {
    if (auto* days = findChild<QAbstractItemView*>())
        days->selectionModel()->blockSignals(quiet);
}

void TodayCalendar::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        emit cancelled();
    QCalendarWidget::keyPressEvent(event);
}

void TodayCalendar::showToday() {
    const QString text = tr("Heute: %1").arg(displayDateText(m_clock->today()));
    m_today->setText(text);
    m_today->setAccessibleName(text);
}

void TodayCalendar::chooseToday() {
    const QDate today = m_clock->today();
    if (today < minimumDate() || today > maximumDate())
        return;
    setSelectedDate(today);
    // The drop-down takes a clicked day as the user's choice and closes.
    emit clicked(today);
}
