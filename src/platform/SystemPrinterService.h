#pragma once

#include "PrinterService.h"

// The system's printers as CUPS lists them. The lookups run on a thread of their own, and a
// print system that does not answer within a few seconds counts as not answering. A page is
// written into a temporary PDF file, checked to be whole, and handed to CUPS with its lp
// command, which reports a refused job (a stopped printer, one that rejects jobs, an unknown
// queue) in its own words.
class SystemPrinterService final : public PrinterService {
public:
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageTarget> openPrinter(const DefaultPrinter& printer, const QString& jobTitle,
                                            QString* detail) override;
};
