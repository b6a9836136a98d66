#include "DayDescription.h"

#include "Phase.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {
QString trDay(const char* text) {
    return QCoreApplication::translate("DayDescription", text);
}

QString dayCountLine(std::int32_t dayCount) {
    if (dayCount >= 0)
        return trDay("Tag %1 seit der Geburt").arg(dayCount);
    if (dayCount == -1)
        return trDay("1 Tag vor der Geburt");
    return trDay("%1 Tage vor der Geburt").arg(-std::int64_t(dayCount));
}
} // namespace

DaySummary summarizeDay(const QDate& date, std::int32_t dayCount) {
    DaySummary day;
    day.date = date;
    day.dayCount = dayCount;
    for (Cycle cycle : AllCycles) {
        day.percentages[int(cycle)] = percentage(dayCount, period(cycle));
        // The first slot of each cycle's seven phases is its critical day.
        day.criticalDays[int(cycle)] = phaseIndex(cycle, dayCount) % 7 == 0;
    }
    return day;
}

QString cycleName(Cycle cycle) {
    switch (cycle) {
    case Cycle::Physical:
        return trDay("Physisch");
    case Cycle::Emotional:
        return trDay("Seelisch");
    case Cycle::Intellectual:
        return trDay("Geistig");
    }
    return QString();
}

QString spokenPercentage(Cycle cycle, const QString& shownText) {
    return cycleName(cycle) + QLatin1Char(' ') + shownText.trimmed();
}

QString dayHeading(const QDate& date) {
    return QLocale(QLocale::German, QLocale::Germany)
        .toString(date, QStringLiteral("dddd, dd.MM.yyyy"));
}

QString dayDescription(const DaySummary& day) {
    QStringList values;
    QStringList critical;
    for (Cycle cycle : AllCycles) {
        values << cycleName(cycle) + QStringLiteral(" %1 %").arg(day.percentages[int(cycle)]);
        if (day.criticalDays[int(cycle)])
            critical << cycleName(cycle);
    }
    const QString criticalLine = critical.isEmpty()
                                     ? trDay("Kein kritischer Tag")
                                     : trDay("Kritischer Tag: %1").arg(critical.join(", "));
    return QStringList{dayHeading(day.date), dayCountLine(day.dayCount), values.join(", "),
                       criticalLine}
        .join(QLatin1Char('\n'));
}
