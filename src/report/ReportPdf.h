#pragma once

#include "DayReport.h"

#include <QString>

// Writes the day report as a one-page A4 PDF file through QSaveFile, so a failed write leaves
// any earlier file of that name whole. False with a description for the user in error on failure.
bool saveDayReportPdf(const QString& path, const DayReport& report, QString* error);
