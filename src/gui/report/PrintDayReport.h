#pragma once

#include "core/DayReport.h"
#include "core/Outcome.h"

#include <QString>

class Dialogs;
class PrinterService;
class QWidget;

enum class PrintOutcome {
    Printed,    // the page was handed to the default printer
    SavedAsPdf, // the user saved the report as a PDF file instead
    Cancelled,  // the user declined the PDF file or its file name
    Failed,     // nothing printed or saved; the failure says why
    Abandoned   // the program is ending and stopped the print; nothing to say
};

struct [[nodiscard]] PrintResult {
    PrintOutcome how = PrintOutcome::Printed;
    Outcome failure; // for Failed, for the window to show (showFailure)
};

// Prints the day report on the default printer without a print dialog, with a busy cursor
// while the page is built. A page that cannot be finished or written whole never reaches the
// printer. When no printer is installed at all, the user is offered to save the report as a
// PDF file.
PrintResult printDayReport(QWidget* parent, const DayReport& report, Dialogs& dialogs,
                           PrinterService& printers);

// Saves the page the printer would get as a PDF file, "Biorhythmus-<display date as
// dd.MM.yyyy>.pdf" as saveAs suggests it; the file is written whole or not at all, and the
// user is told where it went.
PrintResult saveDayReportAsPdf(QWidget* parent, const DayReport& report, Dialogs& dialogs);
