#pragma once

#include "drawing/Twips.h"
#include "gui/controls/Form.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QWidget;
class SpokenChoice;

// The controls the windows that list days share: the critical days and the partner comparison.

// "Span": 30, 90 or 365 days, each entry holding its number of days, 90 chosen at first. The
// caption is its label for the keyboard and for screen readers.
SpokenChoice* spanChoice(QWidget* parent, const Twips& where, QLabel* caption);

// "DayList": a table of days under the headings, the first columns as wide as given, the last
// filling the rest. Rows are chosen whole and one at a time; Enter and a double-click choose
// one (QTableWidget::activated), and Tab leaves the table.
QTableWidget* dayTable(QWidget* parent, const Twips& where, const QStringList& headings,
                       std::initializer_list<int> widths);

// A cell of such a table: it can be chosen, not edited.
QTableWidgetItem* dayCell(const QString& text);
