#pragma once

#include <QString>
#include <cstdint>

// The interpretation text for a PhaseIndex from 0 to 20 in the interface's language (German
// unless a translation is installed); empty for any other index.
QString phaseText(std::int16_t phaseIndex);
