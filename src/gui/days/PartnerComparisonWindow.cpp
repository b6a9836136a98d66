#include "PartnerComparisonWindow.h"

#include "core/DateRules.h"
#include "core/DayWords.h"
#include "drawing/CycleColors.h"
#include "drawing/Grid.h"
#include "gui/controls/Announcer.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/Form.h"
#include "gui/controls/SpokenChoice.h"
#include "gui/days/ComparisonChart.h"
#include "gui/days/DayListControls.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

namespace {
constexpr int GridDivisor = 7;

QString personWords(const CalendarPerson& person) {
    const QString name = person.name.trimmed();
    return name.isEmpty()
               ? PartnerComparisonWindow::tr("Geburtsdatum %1").arg(displayDateText(person.birth))
               : PartnerComparisonWindow::tr("%1, geboren am %2")
                     .arg(name, displayDateText(person.birth));
}

// The frames of the four matches: the cycles' colours, and black for the overall match.
QColor matchFrameColour(int index) {
    return index < 3 ? cycleColor(AllCycles[std::size_t(index)]) : QColor(Qt::black);
}
} // namespace

PartnerComparisonWindow::PartnerComparisonWindow(const CalendarPerson& first,
                                                 std::vector<CalendarPerson> persons,
                                                 const CalendarPerson& partner,
                                                 const QDate& display, const Services& services,
                                                 QWidget* parent)
    : FramedDialog(Twips{0, 0, 9000, 7020}.toPixels().size(), parent), m_first(first),
      m_persons(std::move(persons)), m_from(display), m_display(display),
      m_showDay(services.showDay) {
    setObjectName(QStringLiteral("Compare"));
    setModal(true);
    setAccessibleName(tr("Partnervergleich"));
    QWidget* area = client();
    m_announcer = new Announcer(area);
    gridCaption(area, QStringLiteral("Label1"), {150, 90, 4500, 285}, tr("PARTNERVERGLEICH"), 12);
    QLabel* lblPerson =
        gridCaption(area, QStringLiteral("lblPerson"), {150, 420, 8700, 255}, QString(), 8.25);
    // A long name is cut short on the screen; a screen reader reads it whole.
    lblPerson->setAccessibleName(tr("Erste Person, durchgezogen: %1").arg(personWords(first)));
    lblPerson->setText(lblPerson->fontMetrics().elidedText(lblPerson->accessibleName(),
                                                           Qt::ElideRight, lblPerson->width()));
    buildPartnerRow(area);
    buildMatchRow(area);
    Chart = place(new ComparisonChart(area), QStringLiteral("Chart"), {150, 1875, 8685, 2580});
    Chart->setAccessibleName(tr("Kurven beider Personen"));
    buildDayList(area);
    C4 = place(new QPushButton(tr("Schließen"), area), QStringLiteral("C4"),
               {6885, 6555, 1950, 360});
    C4->setFont(arial(8.25, true));
    // Enter belongs to the table: it chooses the row, it does not press a button.
    C4->setAutoDefault(false);
    connect(C4, &QPushButton::clicked, this, &QDialog::reject);
    chainTabOrder({Partner, PartnerBirth, Chart, Span, DayList, C4});

    const auto chosen =
        std::find_if(m_persons.begin(), m_persons.end(), [&](const CalendarPerson& person) {
            return person.name == partner.name && person.birth == partner.birth;
        });
    Partner->setCurrentIndex(chosen == m_persons.end() ? 0 : int(chosen - m_persons.begin()) + 1);
    connect(Partner, &QComboBox::currentIndexChanged, this, &PartnerComparisonWindow::choosePerson);
    PartnerBirth->setClock(services.clock);
    PartnerBirth->setDateQuietly(partner.birth);
    compare();
    Partner->setFocus();
}

void PartnerComparisonWindow::buildPartnerRow(QWidget* area) {
    QLabel* partnerCaption = gridCaption(area, QStringLiteral("Label2"), {150, 810, 2550, 255},
                                         tr("&Zweite Person, gestrichelt:"), 8.25);
    Partner = place(new SpokenChoice(area), QStringLiteral("Partner"), {2730, 765, 3450, 330});
    Partner->setFont(arial(8.25, true));
    Partner->setAccessibleName(tr("Zweite Person"));
    Partner->addItem(tr("Eingegebenes Geburtsdatum"));
    for (const CalendarPerson& person : m_persons)
        Partner->addItem(personWords(person));
    partnerCaption->setBuddy(Partner);

    PartnerBirth =
        place(new DateInput(area), QStringLiteral("PartnerBirth"), {6300, 765, 1800, 330});
    PartnerBirth->setFont(arial(8.25, true));
    PartnerBirth->setAccessibleName(tr("Geburtsdatum der zweiten Person"));
    // A date typed is no longer the chosen person's.
    connect(PartnerBirth, &DateInput::userChangedDate, this, [this] {
        if (Partner->currentIndex() == 0)
            compare();
        else
            Partner->setCurrentIndex(0);
    });
}

void PartnerComparisonWindow::buildMatchRow(QWidget* area) {
    gridCaption(area, QStringLiteral("Label3"), {150, 1185, 4500, 255}, tr("Übereinstimmung:"),
                8.25);
    for (int i = 0; i < int(Match.size()); ++i) {
        const Twips frame{150 + i * 2190, 1470, 2115, 315};
        textLabel(area, indexed("MatchFrame", i), frame, QString(), arial(8.25),
                  matchFrameColour(i), matchFrameColour(i));
        Match[i] = textLabel(area, indexed("Match", i),
                             {frame.left + 30, frame.top + 30, frame.width - 60, frame.height - 60},
                             QString(), arial(8.25, true), Qt::black, Qt::white);
        Match[i]->setAlignment(Qt::AlignCenter);
    }
}

void PartnerComparisonWindow::buildDayList(QWidget* area) {
    QLabel* spanCaption = gridCaption(area, QStringLiteral("Label4"), {150, 4590, 2700, 255},
                                      tr("&Gemeinsame kritische Tage:"), 8.25);
    Span = spanChoice(area, {2880, 4545, 1500, 330}, spanCaption);
    connect(Span, &QComboBox::currentIndexChanged, this,
            [this] { showSpan(Span->currentData().toInt()); });
    DayList = dayTable(area, {150, 4965, 8685, 1500},
                       {tr("Datum"), comparedPerson(0), comparedPerson(1)}, {170, 190});
    DayList->setAccessibleName(tr("Gemeinsame kritische Tage"));
    connect(DayList, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        m_display = m_list.days.at(std::size_t(index.row())).date;
        m_showDay(m_display);
        showChart();
    });
    lblEnd = gridCaption(area, QStringLiteral("lblEnd"), {150, 6600, 6600, 255}, QString(), 8.25);
}

// The typed birth date (0) stays as it is; a person's is shown in the date field.
void PartnerComparisonWindow::choosePerson(int index) {
    if (index > 0)
        PartnerBirth->setDateQuietly(m_persons.at(std::size_t(index - 1)).birth);
    compare();
}

void PartnerComparisonWindow::compare() {
    m_match = partnerMatch(m_first.birth, PartnerBirth->date());
    for (Cycle cycle : AllCycles)
        Match[int(cycle)]->setText(matchPhrase(cycleName(cycle), m_match.cycles[int(cycle)]));
    Match[3]->setText(matchPhrase(overallMatchName(), m_match.overall));
    showChart();
    showSpan(Span->currentData().toInt());
    m_announcer->announce(tr("Übereinstimmung: %1").arg(matchesLine(m_match)));
}

void PartnerComparisonWindow::showSpan(int days) {
    m_list = sharedCriticalDays(m_first.birth, PartnerBirth->date(), m_from, days);
    DayList->setRowCount(int(m_list.days.size()));
    for (int row = 0; row < int(m_list.days.size()); ++row) {
        const SharedCriticalDay& day = m_list.days[std::size_t(row)];
        DayList->setItem(row, 0, dayCell(dayWithWeekday(day.date)));
        DayList->setItem(row, 1, dayCell(cycleNames(day.cycles[0])));
        DayList->setItem(row, 2, dayCell(cycleNames(day.cycles[1])));
    }
    if (!m_list.days.empty())
        DayList->setCurrentCell(0, 0);
    lblEnd->setText(m_list.endsAtLatest ? lastDayNote()
                                        : tr("Gemeinsame kritische Tage bis %1: %2")
                                              .arg(displayDateText(m_list.last))
                                              .arg(m_list.days.size()));
}

void PartnerComparisonWindow::showChart() {
    const CalendarPerson partner{Partner->currentIndex() > 0
                                     ? m_persons.at(std::size_t(Partner->currentIndex() - 1)).name
                                     : QString(),
                                 PartnerBirth->date()};
    Chart->showPersons(m_first.birth, partner.birth, m_display);
    Chart->setAccessibleDescription(
        tr("Die 32 Tage um den %1; durchgezogen: %2, gestrichelt: %3; physisch rot, seelisch "
           "blau, geistig grün.")
            .arg(displayDateText(m_display), personWords(m_first), personWords(partner)));
}

void PartnerComparisonWindow::paintClient(QPainter& painter) {
    drawGrid(painter, client()->size(), GridDivisor);
}

void openPartnerComparison(QWidget* parent, const CalendarPerson& first,
                           std::vector<CalendarPerson> persons, const CalendarPerson& partner,
                           const QDate& display,
                           const PartnerComparisonWindow::Services& services) {
    auto* window =
        new PartnerComparisonWindow(first, std::move(persons), partner, display, services, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}
