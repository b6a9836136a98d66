#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;

// One page on its way to a printer. The page is drawn into device(); only submit() hands it
// to the printer, so a page abandoned part-way never reaches the paper.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    virtual QPagedPaintDevice& device() = 0;

    // True when the device reported an error while the page was drawn.
    virtual bool hasFailed() const = 0;

    // Drops the page; call while the painter is still active on device().
    virtual void abandon() = 0;

    // Sends the finished page (the painter has ended) to the printer. False with a
    // description in error when the printer refuses it.
    virtual bool submit(QString* error) = 0;
};

// The printers of the system.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    virtual QStringList printerNames() const = 0;

    // Empty when no printer is set as the default.
    virtual QString defaultPrinterName() const = 0;

    // A page for the named printer: high resolution, portrait, one copy, the printer's own
    // paper. Null with a description in error when the printer cannot take a job.
    virtual std::unique_ptr<PageTarget> openPrinter(const QString& name, const QString& jobTitle,
                                                    QString* error) = 0;
};
