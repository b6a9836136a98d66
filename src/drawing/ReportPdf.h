#pragma once

#include "core/DayReport.h"
#include "core/Outcome.h"

#include <QString>

// Writes the day report as a one-page A4 PDF file as writeOutputFile does (core/WholeFile.h), so
// a failed write leaves any earlier file of that name whole. A failure's sentence names the
// file.
Outcome saveDayReportPdf(const QString& path, const DayReport& report);
