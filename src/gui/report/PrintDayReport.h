#pragma once

#include "core/DayReport.h"

#include <QString>

class Dialogs;
class PrinterService;
class QWidget;

enum class PrintOutcome {
    Printed,    // the page was handed to the default printer
    SavedAsPdf, // the user saved the report as a PDF file instead
    Cancelled,  // the user declined the PDF file or its file name
    Failed,     // nothing printed or saved; the user has been told why
    Abandoned   // the program is ending and stopped the print; nothing said
};

// Prints the day report on the default printer without a print dialog, with a busy cursor
// while the page is built. Every failure is explained to the user through dialogs, and a page
// that cannot be finished or written whole never reaches the printer. When no printer is
// installed at all, the user is offered to save the report as a PDF file.
PrintOutcome printDayReport(QWidget* parent, const DayReport& report, Dialogs& dialogs,
                            PrinterService& printers);

// Saves the page the printer would get as a PDF file, asking for the file name with the
// suggested one below; the file is written whole or not at all, and the user is told either way.
PrintOutcome saveDayReportAsPdf(QWidget* parent, const DayReport& report, Dialogs& dialogs);

// "Biorhythmus-<display date as dd.MM.yyyy>.pdf" in the user's home folder.
QString suggestedPdfPath(const DayReport& report);
