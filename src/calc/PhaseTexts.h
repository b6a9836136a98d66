#pragma once

#include <QString>
#include <cstdint>

// The German interpretation text for a PhaseIndex from 0 to 20; empty for any other index.
QString phaseText(std::int16_t phaseIndex);
