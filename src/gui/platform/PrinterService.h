#pragma once

#include "core/Outcome.h"

#include <QPageLayout>
#include <QString>
#include <memory>

class QPagedPaintDevice;

// The default printer as the print system describes it.
struct DefaultPrinter {
    enum class State {
        Ready,        // name and layout describe the printer
        NoPrinters,   // no printer is installed at all
        NoDefault,    // there are printers, but none is the default
        NotAnswering, // the print system did not answer in time
        Unusable,     // the printer cannot take a job now; reason says why
        Abandoned     // the program is ending and stopped waiting; nothing is to be said
    };
    State state = State::NoPrinters;
    QString name;
    QPageLayout layout; // the printer's paper and its whole printable area, portrait
    Outcome reason;
};

// How the hand-over of a finished page to the printer went.
enum class Handover {
    Accepted,
    Refused,        // the print system refused the job
    NotAnswering,   // the print system did not answer in time; the job was called off
    PageIncomplete, // the page could not be written whole and was not sent
    Abandoned       // the program is ending and called the job off; nothing is to be said
};

// One page on its way to a printer. The page is drawn into device(); only submit() hands it
// to the printer, so a page given up part-way never reaches the paper.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    virtual QPagedPaintDevice& device() = 0;

    // Sends the finished page (the painter has ended) to the printer. Unless it was accepted,
    // problem holds what the print system or the file system said.
    virtual Handover submit(Outcome* problem) = 0;
};

// The printers of the system. Neither call keeps the window from being painted for longer
// than a moment, whatever the print system does.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // True while a lookup from an earlier print still waits for the print system.
    virtual bool isBusy() const { return false; }

    virtual DefaultPrinter defaultPrinter() = 0;

    // A page for a printer that defaultPrinter() found Ready: high resolution, one copy, laid
    // out on its layout. Null with what went wrong in problem when no page can be made.
    virtual std::unique_ptr<PageTarget> openPrinter(const DefaultPrinter& printer,
                                                    const QString& jobTitle, Outcome* problem) = 0;
};
