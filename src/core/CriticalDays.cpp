#include "CriticalDays.h"

#include "core/DateRules.h"
#include "core/Phase.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CriticalDays)
};
} // namespace

int CriticalDay::count() const {
    return int(std::count(cycles.begin(), cycles.end(), true));
}

CriticalDayList criticalDays(const QDate& birth, const QDate& from, int span) {
    CriticalDayList list;
    const auto accepted = [](const QDate& date) {
        return date.isValid() && clampedToRange(date) == date;
    };
    if (!accepted(birth) || !accepted(from) || span < 1)
        return list;
    list.first = from;
    list.last = from.addDays(span - 1);
    if (list.last > latestDate()) {
        list.last = latestDate();
        list.endsAtLatest = true;
    }
    const std::int32_t firstCount = dayCountBetween(birth, from);
    const auto length = static_cast<std::int32_t>(from.daysTo(list.last)) + 1;
    for (std::int32_t offset = 0; offset < length; ++offset) {
        CriticalDay day;
        for (Cycle cycle : AllCycles)
            day.cycles[int(cycle)] = isCriticalDay(cycle, firstCount + offset);
        if (day.count() == 0)
            continue;
        day.date = from.addDays(offset);
        list.days.push_back(day);
    }
    return list;
}

QString criticalDayHeading(const CriticalDay& day) {
    switch (day.count()) {
    case 2:
        return Texts::tr("Doppelt kritischer Tag");
    case 3:
        return Texts::tr("Dreifach kritischer Tag");
    default:
        return Texts::tr("Kritischer Tag");
    }
}

QString criticalCycleNames(const CriticalDay& day) {
    QStringList names;
    for (Cycle cycle : AllCycles) {
        if (day.cycles[int(cycle)])
            names << cycleName(cycle);
    }
    return names.join(QStringLiteral(", "));
}
