#include "CriticalDaysWindow.h"

#include "core/DateRules.h"
#include "core/DayWords.h"
#include "drawing/Grid.h"
#include "gui/controls/Form.h"
#include "gui/controls/SpokenChoice.h"
#include "gui/days/DayListControls.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/SaveAs.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>

namespace {
constexpr int GridDivisor = 7;

QString whose(const CalendarPerson& person, const QDate& first) {
    const QString name = person.name.trimmed();
    return name.isEmpty() ? CriticalDaysWindow::tr("Geburtsdatum %1, ab %2")
                                .arg(displayDateText(person.birth), displayDateText(first))
                          : CriticalDaysWindow::tr("%1, geboren am %2, ab %3")
                                .arg(name, displayDateText(person.birth), displayDateText(first));
}
} // namespace

CriticalDaysWindow::CriticalDaysWindow(const CalendarPerson& person, const QDate& first,
                                       const Services& services, QWidget* parent)
    : FramedDialog(Twips{0, 0, 7200, 5850}.toPixels().size(), parent), m_person(person),
      m_first(first), m_dialogs(services.dialogs), m_showDay(services.showDay),
      m_openReminders(services.openReminders) {
    setObjectName(QStringLiteral("Days"));
    setModal(true);
    setAccessibleName(tr("Kritische Tage"));
    QWidget* area = client();
    gridCaption(area, QStringLiteral("Label1"), {150, 90, 4500, 285}, tr("KRITISCHE TAGE"), 12);
    QLabel* lblPerson =
        gridCaption(area, QStringLiteral("lblPerson"), {150, 450, 6900, 255}, QString(), 8.25);
    // A long name is cut short on the screen; a screen reader reads it whole.
    lblPerson->setAccessibleName(whose(person, first));
    lblPerson->setText(lblPerson->fontMetrics().elidedText(lblPerson->accessibleName(),
                                                           Qt::ElideRight, lblPerson->width()));
    QLabel* spanCaption =
        gridCaption(area, QStringLiteral("Label2"), {150, 810, 1200, 255}, tr("&Zeitraum:"), 8.25);

    Span = spanChoice(area, {1380, 765, 1500, 330}, spanCaption);
    DayList = dayTable(area, {150, 1215, 6900, 3210}, {tr("Datum"), tr("Zyklen"), tr("Mehrfach")},
                       {130, 185});
    DayList->setAccessibleName(tr("Kritische Tage"));
    connect(DayList, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        m_showDay(m_list.days.at(std::size_t(index.row())).date);
    });

    lblEnd = gridCaption(area, QStringLiteral("lblEnd"), {150, 4470, 6900, 255}, QString(), 8.25);

    addAlarmChoice(area);

    const std::array<QString, 3> texts{tr("Als Kalenderdatei speichern..."), tr("Schließen"),
                                       tr("Erinnerungen...")};
    const std::array<Twips, 3> places{Twips{150, 5310, 3150, 360}, Twips{5400, 5310, 1650, 360},
                                      Twips{3450, 5310, 1800, 360}};
    for (int i = 0; i < 3; ++i) {
        C3[i] = place(new QPushButton(texts[i], area), indexed("C3", i), places[i]);
        C3[i]->setFont(arial(8.25, true));
        // Enter belongs to the table: it chooses the row, it does not press a button.
        C3[i]->setAutoDefault(false);
    }
    connect(C3[0], &QPushButton::clicked, this, &CriticalDaysWindow::saveCalendarFile);
    connect(C3[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(C3[2], &QPushButton::clicked, this, [this] {
        if (m_openReminders)
            m_openReminders(this);
    });
    chainTabOrder({Span, DayList, AlarmDay, AlarmTime, C3[0], C3[2], C3[1]});

    connect(Span, &QComboBox::currentIndexChanged, this,
            [this] { showSpan(Span->currentData().toInt()); });
    showSpan(Span->currentData().toInt());
    DayList->setFocus();
}

void CriticalDaysWindow::addAlarmChoice(QWidget* area) {
    QLabel* alarmCaption = gridCaption(area, QStringLiteral("Label3"), {150, 4905, 2250, 255},
                                       tr("&Erinnerung im Kalender:"), 8.25);
    AlarmDay = place(new QComboBox(area), QStringLiteral("AlarmDay"), {2430, 4860, 2100, 330});
    AlarmDay->addItems({tr("keine"), tr("am Tag um"), tr("am Vortag um")});
    AlarmDay->setAccessibleName(tr("Erinnerung im Kalender"));
    alarmCaption->setBuddy(AlarmDay);
    AlarmTime = place(new QTimeEdit(area), QStringLiteral("AlarmTime"), {4620, 4860, 1050, 330});
    AlarmTime->setDisplayFormat(QStringLiteral("HH:mm"));
    AlarmTime->setAccessibleName(tr("Uhrzeit der Erinnerung"));
    AlarmTime->setEnabled(false);
    for (QWidget* control : std::initializer_list<QWidget*>{AlarmDay, AlarmTime})
        control->setFont(arial(8.25, true));
    // Each choice suggests its usual hour: the morning of the day, the evening before.
    connect(AlarmDay, &QComboBox::currentIndexChanged, this, [this](int index) {
        AlarmTime->setEnabled(index != 0);
        if (index != 0)
            AlarmTime->setTime(index == 1 ? QTime(8, 0) : QTime(18, 0));
    });
}

CalendarAlarm CriticalDaysWindow::alarm() const {
    static constexpr std::array<CalendarAlarm::Day, 3> Days{
        CalendarAlarm::Day::None, CalendarAlarm::Day::SameDay, CalendarAlarm::Day::DayBefore};
    return {Days[std::size_t(AlarmDay->currentIndex())], AlarmTime->time()};
}

void CriticalDaysWindow::showSpan(int days) {
    m_list = criticalDays(m_person.birth, m_first, days);
    DayList->setRowCount(int(m_list.days.size()));
    for (int row = 0; row < int(m_list.days.size()); ++row) {
        const CriticalDay& day = m_list.days[std::size_t(row)];
        DayList->setItem(row, 0, dayCell(dayWithWeekday(day.date)));
        DayList->setItem(row, 1, dayCell(cycleNames(day.cycles)));
        // Only days on which several cycles meet are marked.
        DayList->setItem(row, 2,
                         dayCell(day.count() > 1 ? criticalDayWords(day.count()) : QString()));
    }
    if (!m_list.days.empty())
        DayList->setCurrentCell(0, 0);
    lblEnd->setText(m_list.endsAtLatest ? lastDayNote()
                                        : tr("%1 kritische Tage bis %2")
                                              .arg(m_list.days.size())
                                              .arg(displayDateText(m_list.last)));
}

void CriticalDaysWindow::saveCalendarFile() {
    const auto saved = saveAs(this, m_dialogs,
                              {tr("Als Kalenderdatei speichern"), tr("Kalenderdateien (*.ics)"),
                               tr("Die kritischen Tage sind in der Datei „%1“ gespeichert.")},
                              calendarFileName(m_person, m_first), [this](const QString& path) {
                                  return saveCalendar(path, m_person, m_list.days,
                                                      QDateTime::currentDateTimeUtc(), alarm());
                              });
    if (saved)
        showFailure(m_dialogs, this, *saved);
}

void CriticalDaysWindow::paintClient(QPainter& painter) {
    drawGrid(painter, client()->size(), GridDivisor);
}

void openCriticalDaysWindow(QWidget* parent, const CalendarPerson& person, const QDate& first,
                            const CriticalDaysWindow::Services& services) {
    auto* window = new CriticalDaysWindow(person, first, services, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}
