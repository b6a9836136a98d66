#pragma once

#include "PrinterService.h"

// The system's printers as the print system lists them. A page is laid out for the printer's
// paper and printable area, drawn into a PDF file and then handed to the print system with
// its lp command, which reports a refused job (a stopped printer, one that rejects jobs, an
// unknown queue) as an error we can show.
class SystemPrinterService final : public PrinterService {
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<PageTarget> openPrinter(const QString& name, const QString& jobTitle,
                                            QString* error) override;
};
