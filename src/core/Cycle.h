#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The three biorhythm cycles. Their order (physical, emotional, intellectual) is the index
// order of every per-cycle control and text block.
enum class Cycle { Physical = 0, Emotional = 1, Intellectual = 2 };

inline constexpr std::array<Cycle, 3> AllCycles{Cycle::Physical, Cycle::Emotional,
                                                Cycle::Intellectual};

// Curves are drawn intellectual first, so the physical and emotional curves lie on top.
inline constexpr std::array<Cycle, 3> DrawingOrder{Cycle::Intellectual, Cycle::Physical,
                                                   Cycle::Emotional};

// Period in days: 23, 28, 33.
int period(Cycle cycle);

// "Physisch", "Seelisch", "Geistig".
QString cycleName(Cycle cycle);

// The program's own value of pi, slightly below the real one; the percentages depend on it.
inline constexpr double PiPrime = 3.14159265358979;

// Cycle value sin((n mod P) * 2 * pi' / P) with a truncating remainder.
double cycleValue(std::int32_t dayNumber, int period);

// Height of the curve in chart units: +1 lies at 1, 0 at 9, -1 at 17.
float chartHeight(std::int32_t dayNumber, int period);

// The value as a whole percentage, rounded half away from zero.
int percentage(std::int32_t dayNumber, int period);

// The percentage caption, e.g. "-98 %".
QString percentageText(std::int32_t dayNumber, int period);

// The heading of a cycle's value and text: "Physischer Zustand", "Seelischer Zustand",
// "Geistiger Zustand".
QString conditionHeading(Cycle cycle);
