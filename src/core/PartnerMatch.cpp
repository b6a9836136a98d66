#include "PartnerMatch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int cycleMatch(std::int64_t daysApart, int period) {
    const std::int64_t remainder = std::llabs(daysApart) % period;
    // The shorter way round the cycle: r and T - r are the same distance, and taking the
    // smaller keeps the two bit for bit equal despite pi' lying below pi.
    const auto r = static_cast<double>(std::min<std::int64_t>(remainder, period - remainder));
    return static_cast<int>(std::round(50.0 * (1.0 + std::cos(2.0 * PiPrime * r / period))));
}

MatchLevel matchLevel(int percent) {
    if (percent >= 75)
        return MatchLevel::High;
    return percent >= 25 ? MatchLevel::Medium : MatchLevel::Low;
}

PartnerMatch partnerMatch(const QDate& first, const QDate& second) {
    PartnerMatch match;
    match.daysApart = std::llabs(first.daysTo(second));
    int sum = 0;
    for (Cycle cycle : AllCycles) {
        match.cycles[int(cycle)] = cycleMatch(match.daysApart, period(cycle));
        sum += match.cycles[int(cycle)];
    }
    match.overall = static_cast<int>(std::round(sum / 3.0));
    return match;
}
