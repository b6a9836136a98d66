#include "Listings.h"

#include "core/CriticalDays.h"
#include "core/Cycle.h"
#include "core/DateRules.h"
#include "core/DayWords.h"
#include "core/PartnerMatch.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Listings)
};

// Rows with named fields, the one shape CSV and JSON are written from. A field holds a number,
// a text or a list of texts.
struct Table {
    QStringList keys;
    std::vector<QJsonArray> rows;
};

// The keys of the three cycles, in the order of AllCycles.
const std::array<QString, 3> CycleKeys{QStringLiteral("physisch"), QStringLiteral("seelisch"),
                                       QStringLiteral("geistig")};

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// The cycles' identifiers, the same in every language.
QJsonArray keysOf(const CycleSet& cycles) {
    QJsonArray keys;
    for (Cycle cycle : AllCycles)
        if (cycles[int(cycle)])
            keys.append(CycleKeys[int(cycle)]);
    return keys;
}

// A list in a CSV field: its entries separated as in the text.
QString joined(const QJsonArray& names) {
    QStringList texts;
    for (const QJsonValue& name : names)
        texts << name.toString();
    return texts.join(QStringLiteral(", "));
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
QString csvField(const QJsonValue& value) {
    QString text = value.isDouble()  ? QString::number(value.toInteger())
                   : value.isArray() ? joined(value.toArray())
                                     : value.toString();
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
               QLatin1Char('"');
    return text;
}

QByteArray csv(const Table& table) {
    QString text = table.keys.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const QJsonArray& row : table.rows) {
        QStringList fields;
        for (const QJsonValue& value : row)
            fields << csvField(value);
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray json(const Table& table) {
    QJsonArray objects;
    for (const QJsonArray& row : table.rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < table.keys.size(); ++i)
            object.insert(table.keys[i], row[i]);
        objects.append(object);
    }
    return QJsonDocument(objects).toJson(QJsonDocument::Indented);
}

QByteArray written(const Table& table, OutputFormat format, const QString& text) {
    switch (format) {
    case OutputFormat::Csv:
        return csv(table);
    case OutputFormat::Json:
        return json(table);
    case OutputFormat::Text:
        break;
    }
    return text.toUtf8();
}

QString percentageColumn(std::int32_t dayCount, Cycle cycle) {
    return percentageText(dayCount, period(cycle));
}

struct Column {
    enum { Left, Right } align;
    int width; // at least; wider where an entry needs it
};

// The rows as a text table whose columns line up in any language and for any number: each
// column as wide as its widest entry, left-aligned unless columns says otherwise, two blanks
// apart, no blanks at a line's end.
QString alignedColumns(const std::vector<QStringList>& rows, std::vector<Column> columns = {}) {
    for (const QStringList& row : rows) {
        if (columns.size() < std::size_t(row.size()))
            columns.resize(std::size_t(row.size()), Column{Column::Left, 0});
        for (qsizetype i = 0; i < row.size(); ++i)
            columns[std::size_t(i)].width =
                std::max(columns[std::size_t(i)].width, int(row[i].size()));
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const Column& column = columns[std::size_t(i)];
            line += QStringLiteral("%1  ").arg(row[i], column.align == Column::Left ? -column.width
                                                                                    : column.width);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

QByteArray valuesListing(const Subject& subject, const QDate& date, OutputFormat format) {
    const std::int32_t dayCount = dayCountBetween(subject.birth, date);
    Table table;
    table.keys << QStringLiteral("geburtsdatum") << QStringLiteral("datum")
               << QStringLiteral("tage");
    QJsonArray row{isoDate(subject.birth), isoDate(date), dayCount};
    for (Cycle cycle : AllCycles) {
        table.keys << CycleKeys[int(cycle)];
        row.append(percentage(dayCount, period(cycle)));
    }
    table.keys << QStringLiteral("kritisch");
    row.append(keysOf(criticalCyclesOn(dayCount)));
    for (Cycle cycle : AllCycles) {
        table.keys << QStringLiteral("text_") + CycleKeys[int(cycle)];
        row.append(phaseText(phaseIndex(cycle, dayCount)));
    }
    table.rows.push_back(row);

    QString text = QStringLiteral("%1  %2\n%3  %4\n%5  %6\n")
                       .arg(subject.caption, displayDateText(subject.birth), displayDateCaption(),
                            displayDateText(date), Texts::tr("Tage seit der Geburt"),
                            QString::number(dayCount));
    for (Cycle cycle : AllCycles)
        text += QStringLiteral("\n%1  %2\n%3\n")
                    .arg(conditionHeading(cycle), percentageColumn(dayCount, cycle),
                         phaseText(phaseIndex(cycle, dayCount)));
    return written(table, format, text);
}

QByteArray dayTableListing(const QDate& birth, const QDate& first, int span, OutputFormat format) {
    Table table;
    table.keys << QStringLiteral("datum") << QStringLiteral("tage") << CycleKeys[0] << CycleKeys[1]
               << CycleKeys[2] << QStringLiteral("kritisch");
    std::vector<QStringList> lines{{Texts::tr("Datum"), Texts::tr("Tage")}};
    for (Cycle cycle : AllCycles)
        lines[0] << cycleName(cycle);
    lines[0] << Texts::tr("Kritisch");
    const std::int32_t firstCount = dayCountBetween(birth, first);
    const auto length = std::min<qint64>(span, first.daysTo(latestDate()) + 1);
    for (std::int32_t offset = 0; offset < length; ++offset) {
        const QDate date = first.addDays(offset);
        const std::int32_t dayCount = firstCount + offset;
        QJsonArray row{isoDate(date), dayCount};
        QStringList line{displayDateText(date), QString::number(dayCount)};
        for (Cycle cycle : AllCycles) {
            row.append(percentage(dayCount, period(cycle)));
            line << percentageColumn(dayCount, cycle);
        }
        const CycleSet critical = criticalCyclesOn(dayCount);
        row.append(keysOf(critical));
        line << cycleNames(critical);
        table.rows.push_back(row);
        lines.push_back(line);
    }
    // The widths the German table has always had, so that short entries keep their places.
    QString text = alignedColumns(lines, {{Column::Left, 10},
                                          {Column::Right, 7},
                                          {Column::Right, 8},
                                          {Column::Right, 8},
                                          {Column::Right, 8},
                                          {Column::Left, 0}});
    if (length < span)
        text += lastDayNote() + QLatin1Char('\n');
    return written(table, format, text);
}

QByteArray criticalDaysListing(const CriticalDayList& list, OutputFormat format) {
    Table table;
    table.keys << QStringLiteral("datum") << QStringLiteral("wochentag")
               << QStringLiteral("kritisch") << QStringLiteral("anzahl");
    std::vector<QStringList> lines;
    for (const CriticalDay& day : list.days) {
        // The weekday as ISO 8601 numbers it, 1 for Monday to 7 for Sunday: a name would
        // change with the language.
        table.rows.push_back(
            {isoDate(day.date), day.date.dayOfWeek(), keysOf(day.cycles), day.count()});
        lines.push_back(
            {dayWithWeekday(day.date), cycleNames(day.cycles), criticalDayWords(day.count())});
    }
    QString text = Texts::tr("Kritische Tage vom %1 bis %2\n")
                       .arg(displayDateText(list.first), displayDateText(list.last)) +
                   alignedColumns(lines);
    if (list.endsAtLatest)
        text += lastDayNote() + QLatin1Char('\n');
    return written(table, format, text);
}

QByteArray requestedListing(const CommandLineRequest& request, const Subject& subject) {
    if (request.days > 0)
        return dayTableListing(subject.birth, request.date, request.days, request.format);
    if (request.critical > 0)
        return criticalDaysListing(criticalDays(subject.birth, request.date, request.critical),
                                   request.format);
    return valuesListing(subject, request.date, request.format);
}

namespace {
// The words of a match as identifiers, in the order of MatchLevel.
const std::array<QString, 3> LevelKeys{QStringLiteral("niedrig"), QStringLiteral("mittel"),
                                       QStringLiteral("hoch")};

QString levelKey(int percent) {
    return LevelKeys[std::size_t(matchLevel(percent))];
}

} // namespace

QByteArray matchListing(const Subject& first, const Subject& second, OutputFormat format) {
    const PartnerMatch match = partnerMatch(first.birth, second.birth);
    Table table;
    table.keys << QStringLiteral("geburtsdatum_1") << QStringLiteral("geburtsdatum_2")
               << QStringLiteral("abstand");
    QJsonArray row{isoDate(first.birth), isoDate(second.birth), qint64(match.daysApart)};
    std::vector<QStringList> persons{
        {comparedPerson(0), first.caption, displayDateText(first.birth)},
        {comparedPerson(1), second.caption, displayDateText(second.birth)}};
    std::vector<QStringList> matches;
    for (Cycle cycle : AllCycles) {
        const int percent = match.cycles[int(cycle)];
        table.keys << CycleKeys[int(cycle)];
        row.append(percent);
        matches.push_back(
            {cycleName(cycle), QStringLiteral("%1 %").arg(percent, 3), matchWord(percent)});
    }
    table.keys << QStringLiteral("gesamt");
    row.append(match.overall);
    matches.push_back({overallMatchName(), QStringLiteral("%1 %").arg(match.overall, 3),
                       matchWord(match.overall)});
    for (Cycle cycle : AllCycles) {
        table.keys << QStringLiteral("stufe_") + CycleKeys[int(cycle)];
        row.append(levelKey(match.cycles[int(cycle)]));
    }
    table.keys << QStringLiteral("stufe_gesamt");
    row.append(levelKey(match.overall));
    table.rows.push_back(row);

    const QString text = alignedColumns(persons) +
                         QStringLiteral("%1  %2\n\n")
                             .arg(Texts::tr("Tage zwischen den Geburtsdaten"))
                             .arg(match.daysApart) +
                         alignedColumns(matches);
    return written(table, format, text);
}

QByteArray sharedCriticalDaysListing(const SharedCriticalDayList& list, OutputFormat format) {
    Table table;
    table.keys << QStringLiteral("datum") << QStringLiteral("kritisch_1")
               << QStringLiteral("kritisch_2");
    std::vector<QStringList> lines{{Texts::tr("Datum"), comparedPerson(0), comparedPerson(1)}};
    for (const SharedCriticalDay& day : list.days) {
        table.rows.push_back({isoDate(day.date), keysOf(day.cycles[0]), keysOf(day.cycles[1])});
        lines.push_back(
            {dayWithWeekday(day.date), cycleNames(day.cycles[0]), cycleNames(day.cycles[1])});
    }
    QString text = Texts::tr("Gemeinsame kritische Tage vom %1 bis %2\n")
                       .arg(displayDateText(list.first), displayDateText(list.last));
    text += list.days.empty() ? Texts::tr("Keine\n") : alignedColumns(lines);
    if (list.endsAtLatest)
        text += lastDayNote() + QLatin1Char('\n');
    return written(table, format, text);
}

QByteArray comparisonListing(const CommandLineRequest& request, const Subject& first,
                             const Subject& second) {
    if (request.critical > 0)
        return sharedCriticalDaysListing(
            sharedCriticalDays(first.birth, second.birth, request.date, request.critical),
            request.format);
    return matchListing(first, second, request.format);
}
