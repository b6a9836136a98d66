#pragma once

#include "core/Cycle.h"

#include <cstdint>

// Position of the display day within one cycle, as a PhaseIndex from 0 to 20:
// 0-6 physical, 7-13 emotional, 14-20 intellectual. Within each range the slots are
// critical, rising positive, high, falling positive, falling negative, low, rising negative.
//
// A day before the birth date is classified by the same day of the cycle as the curve shows
// (the remainder taken into 0..P-1), so the text always matches the chart.
std::int16_t phaseIndex(Cycle cycle, std::int32_t dayCount);

// Day within the cycle, 0..P-1, for any day count.
int dayInCycle(std::int32_t dayCount, int period);

// The one rule for "critical" that the texts, the chart's descriptions and the list of critical
// days share: the day falls on the first of its cycle's seven phase slots.
bool isCriticalDay(Cycle cycle, std::int32_t dayCount);
