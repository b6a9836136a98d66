#pragma once

#include "core/Cycle.h"

#include <QDate>
#include <array>
#include <cstdint>

// How well the biorhythms of two persons agree. Each cycle's match is the mean agreement of the
// two curves over a whole cycle, rescaled to 0 to 100 %:
//   (1 + cos(2 * pi' * r / T)) / 2 * 100 %,
// where T is the cycle's period and r how far the two birth dates lie apart within it (the
// calendar days between them, the whole periods taken off). Persons born a whole number of
// periods apart match 100 %, half a period apart 0 %; it does not matter who is older.

// A cycle's match for birth dates that many calendar days apart, in whole percent, rounded
// as the percentages of the chart are.
int cycleMatch(std::int64_t daysApart, int period);

// What a match is called: from 75 % it is high, below 25 % low. Each word covers a third of
// the ways two curves can lie to each other.
enum class MatchLevel { Low, Medium, High };
MatchLevel matchLevel(int percent);

struct PartnerMatch {
    std::int64_t daysApart = 0;  // calendar days between the birth dates, never negative
    std::array<int, 3> cycles{}; // per cycle, in the order of AllCycles
    int overall = 0;             // the mean of the three percentages, rounded
};

// The match of two valid birth dates, in either order.
PartnerMatch partnerMatch(const QDate& first, const QDate& second);
