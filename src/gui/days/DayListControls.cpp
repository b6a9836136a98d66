#include "DayListControls.h"

#include "gui/controls/Form.h"
#include "gui/controls/SpokenChoice.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <array>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DayListControls)
};

constexpr std::array<int, 3> Spans{30, 90, 365};
} // namespace

SpokenChoice* spanChoice(QWidget* parent, const Twips& where, QLabel* caption) {
    auto* span = place(new SpokenChoice(parent), QStringLiteral("Span"), where);
    span->setFont(arial(8.25, true));
    for (int days : Spans)
        span->addItem(Texts::tr("%1 Tage").arg(days), days);
    span->setAccessibleName(Texts::tr("Zeitraum"));
    span->setCurrentIndex(1);
    caption->setBuddy(span);
    return span;
}

QTableWidget* dayTable(QWidget* parent, const Twips& where, const QStringList& headings,
                       std::initializer_list<int> widths) {
    auto* table =
        place(new QTableWidget(0, int(headings.size()), parent), QStringLiteral("DayList"), where);
    table->setFont(arial(8.25));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int column = 0;
    for (int width : widths)
        table->setColumnWidth(column++, width);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    return table;
}

QTableWidgetItem* dayCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}
