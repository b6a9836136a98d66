#include "Phase.h"

namespace {

enum Slot { Critical, RisingPositive, High, FallingPositive, FallingNegative, Low, RisingNegative };

// Physical, 23 days: the sine changes sign between days 11 and 12, both critical.
Slot physicalSlot(int r) {
    if (r == 0 || r == 11 || r == 12)
        return Critical;
    if (r <= 5)
        return RisingPositive;
    if (r == 6)
        return High;
    if (r <= 10)
        return FallingPositive;
    if (r <= 16)
        return FallingNegative;
    if (r == 17)
        return Low;
    return RisingNegative;
}

// Emotional, 28 days: the mid-cycle critical day is 15; day 14 still counts as falling positive.
Slot emotionalSlot(int r) {
    if (r == 0 || r == 15)
        return Critical;
    if (r <= 6)
        return RisingPositive;
    if (r == 7)
        return High;
    if (r <= 14)
        return FallingPositive;
    if (r <= 20)
        return FallingNegative;
    if (r == 21)
        return Low;
    return RisingNegative;
}

// Intellectual, 33 days: the sine changes sign between days 16 and 17, both critical.
Slot intellectualSlot(int r) {
    if (r == 0 || r == 16 || r == 17)
        return Critical;
    if (r <= 7)
        return RisingPositive;
    if (r == 8)
        return High;
    if (r <= 15)
        return FallingPositive;
    if (r <= 24)
        return FallingNegative;
    if (r == 25)
        return Low;
    return RisingNegative;
}

} // namespace

int dayInCycle(std::int32_t dayCount, int period) {
    const int r = dayCount % period;
    return r < 0 ? r + period : r;
}

std::int16_t phaseIndex(Cycle cycle, std::int32_t dayCount) {
    const int r = dayInCycle(dayCount, period(cycle));
    switch (cycle) {
    case Cycle::Physical:
        return static_cast<std::int16_t>(physicalSlot(r));
    case Cycle::Emotional:
        return static_cast<std::int16_t>(7 + emotionalSlot(r));
    case Cycle::Intellectual:
        return static_cast<std::int16_t>(14 + intellectualSlot(r));
    }
    return 0;
}

bool isCriticalDay(Cycle cycle, std::int32_t dayCount) {
    return phaseIndex(cycle, dayCount) % 7 == 0;
}
