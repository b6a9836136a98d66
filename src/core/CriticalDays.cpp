#include "CriticalDays.h"

#include "core/DateRules.h"

#include <algorithm>

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
        day.cycles = criticalCyclesOn(firstCount + offset);
        if (day.count() == 0)
            continue;
        day.date = from.addDays(offset);
        list.days.push_back(day);
    }
    return list;
}

SharedCriticalDayList sharedCriticalDays(const QDate& birth, const QDate& otherBirth,
                                         const QDate& from, int span) {
    const CriticalDayList mine = criticalDays(birth, from, span);
    const CriticalDayList theirs = criticalDays(otherBirth, from, span);
    SharedCriticalDayList shared{{}, mine.first, mine.last, mine.endsAtLatest};
    // Both lists run through the same days in date order.
    auto other = theirs.days.begin();
    for (const CriticalDay& day : mine.days) {
        while (other != theirs.days.end() && other->date < day.date)
            ++other;
        if (other != theirs.days.end() && other->date == day.date)
            shared.days.push_back({day.date, {day.cycles, other->cycles}});
    }
    return shared;
}
