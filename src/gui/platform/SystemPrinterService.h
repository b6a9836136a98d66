#pragma once

#include "gui/platform/PrinterService.h"

#include <memory>

// The system's printers as CUPS lists them. A lookup runs on a thread of its own, and a print
// system that does not answer within a few seconds counts as not answering; the lookup then
// stays the one that is waited for, and no second one starts while it hangs. A page is
// written into a temporary PDF file, checked to be whole, and handed to CUPS with its lp
// command, which reports a refused job (a stopped printer, one that rejects jobs, an unknown
// queue) in its own words.
class SystemPrinterService final : public PrinterService {
public:
    SystemPrinterService();
    // Waits a moment for a lookup that still runs; one that hangs on is left to its thread.
    ~SystemPrinterService() override;
    SystemPrinterService(const SystemPrinterService&) = delete;
    SystemPrinterService& operator=(const SystemPrinterService&) = delete;

    bool isBusy() const override;
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageTarget> openPrinter(const DefaultPrinter& printer, const QString& jobTitle,
                                            Outcome* problem) override;

private:
    struct Lookup;
    std::shared_ptr<Lookup> m_lookup; // while a lookup has not been answered
};
