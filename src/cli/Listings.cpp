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
#include <QLocale>
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

QJsonArray namesOf(const CycleSet& cycles) {
    QJsonArray names;
    for (Cycle cycle : AllCycles)
        if (cycles[int(cycle)])
            names.append(cycleName(cycle));
    return names;
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
    row.append(namesOf(criticalCyclesOn(dayCount)));
    for (Cycle cycle : AllCycles) {
        table.keys << QStringLiteral("text_") + CycleKeys[int(cycle)];
        row.append(phaseText(phaseIndex(cycle, dayCount)));
    }
    table.rows.push_back(row);

    QString text = QStringLiteral("%1  %2\n%3  %4\n%5  %6\n")
                       .arg(subject.caption, displayDateText(subject.birth),
                            Texts::tr("Anzeige-Datum"), displayDateText(date),
                            Texts::tr("Tage seit der Geburt"), QString::number(dayCount));
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
    QString text = QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                       .arg(Texts::tr("Datum"), -10)
                       .arg(Texts::tr("Tage"), 7)
                       .arg(cycleName(Cycle::Physical), 8)
                       .arg(cycleName(Cycle::Emotional), 8)
                       .arg(cycleName(Cycle::Intellectual), 8)
                       .arg(Texts::tr("Kritisch"));
    const std::int32_t firstCount = dayCountBetween(birth, first);
    const auto length = std::min<qint64>(span, first.daysTo(latestDate()) + 1);
    for (std::int32_t offset = 0; offset < length; ++offset) {
        const QDate date = first.addDays(offset);
        const std::int32_t dayCount = firstCount + offset;
        QJsonArray row{isoDate(date), dayCount};
        QString line = QStringLiteral("%1  %2").arg(displayDateText(date), -10).arg(dayCount, 7);
        for (Cycle cycle : AllCycles) {
            row.append(percentage(dayCount, period(cycle)));
            line += QStringLiteral("  %1").arg(percentageColumn(dayCount, cycle), 8);
        }
        const CycleSet critical = criticalCyclesOn(dayCount);
        row.append(namesOf(critical));
        line += QStringLiteral("  ") + cycleNames(critical);
        text += line.trimmed() + QLatin1Char('\n');
        table.rows.push_back(row);
    }
    return written(table, format, text);
}

QByteArray criticalDaysListing(const CriticalDayList& list, OutputFormat format) {
    const QLocale locale = uiLocale();
    Table table;
    table.keys << QStringLiteral("datum") << QStringLiteral("wochentag")
               << QStringLiteral("kritisch") << QStringLiteral("anzahl");
    QString text = Texts::tr("Kritische Tage vom %1 bis %2\n")
                       .arg(displayDateText(list.first), displayDateText(list.last));
    // The text's columns are as wide as their widest entry, so that they line up in any
    // language and with all three cycles named.
    QStringList dates, cycles;
    qsizetype dateWidth = 0, cyclesWidth = 0;
    for (const CriticalDay& day : list.days) {
        const QString weekday = locale.dayName(day.date.dayOfWeek());
        const QJsonArray names = namesOf(day.cycles);
        table.rows.push_back({isoDate(day.date), weekday, names, day.count()});
        dates << dayWithWeekday(day.date);
        cycles << cycleNames(day.cycles);
        dateWidth = std::max(dateWidth, dates.last().size());
        cyclesWidth = std::max(cyclesWidth, cycles.last().size());
    }
    for (qsizetype i = 0; i < dates.size(); ++i)
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(dates[i], -int(dateWidth))
                    .arg(cycles[i], -int(cyclesWidth))
                    .arg(criticalDayWords(list.days[i].count()));
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

// Lines of columns, each column as wide as its widest entry; the last column is not padded.
QString alignedColumns(const std::vector<QStringList>& lines) {
    std::vector<qsizetype> widths;
    for (const QStringList& line : lines) {
        widths.resize(std::max(widths.size(), std::size_t(line.size())));
        for (qsizetype i = 0; i < line.size(); ++i)
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], line[i].size());
    }
    QString text;
    for (const QStringList& line : lines) {
        QString joined;
        for (qsizetype i = 0; i < line.size(); ++i)
            joined += i + 1 < line.size()
                          ? QStringLiteral("%1  ").arg(line[i], -int(widths[std::size_t(i)]))
                          : line[i];
        text += joined.trimmed() + QLatin1Char('\n');
    }
    return text;
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
