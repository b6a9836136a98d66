#include "DayDescription.h"

#include "core/DateRules.h"
#include "core/Phase.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DayDescription)
};

QString dayCountLine(std::int32_t dayCount) {
    if (dayCount >= 0)
        return Texts::tr("Tag %1 seit der Geburt").arg(dayCount);
    if (dayCount == -1)
        return Texts::tr("1 Tag vor der Geburt");
    return Texts::tr("%1 Tage vor der Geburt").arg(-std::int64_t(dayCount));
}
} // namespace

DaySummary summarizeDay(const QDate& date, std::int32_t dayCount) {
    DaySummary day;
    day.date = date;
    day.dayCount = dayCount;
    for (Cycle cycle : AllCycles) {
        day.percentages[int(cycle)] = percentage(dayCount, period(cycle));
    }
    day.criticalDays = criticalCyclesOn(dayCount);
    return day;
}

QString spokenPercentage(Cycle cycle, const QString& shownText) {
    return cycleName(cycle) + QLatin1Char(' ') + shownText.trimmed();
}

namespace {
QString valuesLine(const DaySummary& day) {
    QStringList values;
    for (Cycle cycle : AllCycles)
        values << cycleName(cycle) + QStringLiteral(" %1 %").arg(day.percentages[int(cycle)]);
    return values.join(QStringLiteral(", "));
}

QString criticalLine(const DaySummary& day) {
    const int critical = int(std::count(day.criticalDays.begin(), day.criticalDays.end(), true));
    return critical == 0 ? Texts::tr("Kein kritischer Tag")
                         : QStringLiteral("%1: %2").arg(criticalDayWords(critical),
                                                        cycleNames(day.criticalDays));
}
} // namespace

QString spokenDay(const DaySummary& day) {
    return QStringList{dayWithWeekday(day.date), valuesLine(day), criticalLine(day)}.join(
        QStringLiteral(", "));
}

QString dayDescription(const DaySummary& day) {
    return QStringList{dayWithWeekday(day.date), dayCountLine(day.dayCount), valuesLine(day),
                       criticalLine(day)}
        .join(QLatin1Char('\n'));
}
