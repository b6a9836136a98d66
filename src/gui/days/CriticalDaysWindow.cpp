#include "CriticalDaysWindow.h"

#include "core/DateRules.h"
#include "core/DayWords.h"
#include "drawing/Grid.h"
#include "gui/controls/Form.h"
#include "gui/controls/SpokenChoice.h"
#include "gui/platform/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

namespace {
constexpr int GridDivisor = 7;

QLabel* caption(QWidget* parent, const QString& name, const Twips& where, const QString& text,
                double points) {
    return textLabel(parent, name, where, text, arial(points, true), QColor(224, 224, 224));
}

QString whose(const CalendarPerson& person, const QDate& first) {
    const QString name = person.name.trimmed();
    return name.isEmpty() ? CriticalDaysWindow::tr("Geburtsdatum %1, ab %2")
                                .arg(displayDateText(person.birth), displayDateText(first))
                          : CriticalDaysWindow::tr("%1, geboren am %2, ab %3")
                                .arg(name, displayDateText(person.birth), displayDateText(first));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}
} // namespace

CriticalDaysWindow::CriticalDaysWindow(const CalendarPerson& person, const QDate& first,
                                       const Services& services, QWidget* parent)
    : FramedDialog(Twips{0, 0, 7200, 5400}.toPixels().size(), parent), m_person(person),
      m_first(first), m_dialogs(services.dialogs), m_showDay(services.showDay) {
    setObjectName(QStringLiteral("Days"));
    setModal(true);
    setAccessibleName(tr("Kritische Tage"));
    QWidget* area = client();
    caption(area, QStringLiteral("Label1"), {150, 90, 4500, 285}, tr("KRITISCHE TAGE"), 12);
    QLabel* lblPerson =
        caption(area, QStringLiteral("lblPerson"), {150, 450, 6900, 255}, QString(), 8.25);
    // A long name is cut short on the screen; a screen reader reads it whole.
    lblPerson->setAccessibleName(whose(person, first));
    lblPerson->setText(lblPerson->fontMetrics().elidedText(lblPerson->accessibleName(),
                                                           Qt::ElideRight, lblPerson->width()));
    QLabel* spanCaption =
        caption(area, QStringLiteral("Label2"), {150, 810, 1200, 255}, tr("&Zeitraum:"), 8.25);

    Span = place(new SpokenChoice(area), QStringLiteral("Span"), {1380, 765, 1500, 330});
    Span->setFont(arial(8.25, true));
    for (int days : Spans)
        Span->addItem(tr("%1 Tage").arg(days), days);
    Span->setAccessibleName(tr("Zeitraum"));
    spanCaption->setBuddy(Span);

    DayList =
        place(new QTableWidget(0, 3, area), QStringLiteral("DayList"), {150, 1215, 6900, 3210});
    DayList->setFont(arial(8.25));
    DayList->setHorizontalHeaderLabels({tr("Datum"), tr("Zyklen"), tr("Mehrfach")});
    DayList->setAccessibleName(tr("Kritische Tage"));
    DayList->verticalHeader()->hide();
    DayList->verticalHeader()->setDefaultSectionSize(20);
    DayList->horizontalHeader()->setStretchLastSection(true);
    DayList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DayList->setColumnWidth(0, 130);
    DayList->setColumnWidth(1, 185);
    DayList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DayList->setSelectionMode(QAbstractItemView::SingleSelection);
    DayList->setTabKeyNavigation(false);
    connect(DayList, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        m_showDay(m_list.days.at(std::size_t(index.row())).date);
    });

    lblEnd = caption(area, QStringLiteral("lblEnd"), {150, 4470, 6900, 255}, QString(), 8.25);

    const std::array<QString, 2> texts{tr("Als Kalenderdatei speichern..."), tr("Schließen")};
    const std::array<Twips, 2> places{Twips{150, 4860, 3300, 360}, Twips{5250, 4860, 1800, 360}};
    for (int i = 0; i < 2; ++i) {
        C3[i] = place(new QPushButton(texts[i], area), indexed("C3", i), places[i]);
        C3[i]->setFont(arial(8.25, true));
        // Enter belongs to the table: it chooses the row, it does not press a button.
        C3[i]->setAutoDefault(false);
    }
    connect(C3[0], &QPushButton::clicked, this, &CriticalDaysWindow::saveCalendarFile);
    connect(C3[1], &QPushButton::clicked, this, &QDialog::reject);

    connect(Span, &QComboBox::currentIndexChanged, this,
            [this](int index) { showSpan(Spans[std::size_t(index)]); });
    Span->setCurrentIndex(1);
    DayList->setFocus();
}

void CriticalDaysWindow::showSpan(int days) {
    m_list = criticalDays(m_person.birth, m_first, days);
    DayList->setRowCount(int(m_list.days.size()));
    for (int row = 0; row < int(m_list.days.size()); ++row) {
        const CriticalDay& day = m_list.days[std::size_t(row)];
        DayList->setItem(row, 0, cell(dayWithWeekday(day.date)));
        DayList->setItem(row, 1, cell(cycleNames(day.cycles)));
        // Only days on which several cycles meet are marked.
        DayList->setItem(row, 2, cell(day.count() > 1 ? criticalDayWords(day.count()) : QString()));
    }
    if (!m_list.days.empty())
        DayList->setCurrentCell(0, 0);
    lblEnd->setText(m_list.endsAtLatest ? lastDayNote()
                                        : tr("%1 kritische Tage bis %2")
                                              .arg(m_list.days.size())
                                              .arg(displayDateText(m_list.last)));
}

void CriticalDaysWindow::saveCalendarFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = m_dialogs.saveFileName(
        this, tr("Als Kalenderdatei speichern"),
        QDir(folder).filePath(calendarFileName(m_person, m_first)), tr("Kalenderdateien (*.ics)"));
    if (path.isEmpty())
        return;
    const Outcome saved =
        saveCalendar(path, m_person, m_list.days, QDateTime::currentDateTimeUtc());
    if (!saved.worked()) {
        m_dialogs.warn(this, programTitle(), saved.text());
        return;
    }
    m_dialogs.inform(this, programTitle(),
                     tr("Die kritischen Tage sind in der Datei „%1“ gespeichert.")
                         .arg(QDir::toNativeSeparators(path)));
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
