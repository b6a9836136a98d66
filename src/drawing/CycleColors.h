#pragma once

#include "core/Cycle.h"

#include <QColor>

// Physical is red, emotional blue, intellectual green, on screen and on paper.
QColor cycleColor(Cycle cycle);
