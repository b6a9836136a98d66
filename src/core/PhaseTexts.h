#pragma once

#include <QString>
#include <cstdint>

// The interpretation text for a PhaseIndex from 0 to 20 in the interface's language (German
// unless a translation is installed); empty for any other index.
QString phaseText(std::int16_t phaseIndex);

// The text's opening up to its first full stop followed by a blank or the end, e.g.
// "Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand."; empty for an index outside 0-20.
QString leadSentence(std::int16_t phaseIndex);
