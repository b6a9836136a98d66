#pragma once

#include "core/DayReport.h"

// The day report the benchmarks write as a PDF file: a long name with umlauts, 01.01.2000.
DayReport sampleDayReport();
