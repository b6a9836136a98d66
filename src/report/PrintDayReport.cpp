#include "PrintDayReport.h"

#include "DateRules.h"
#include "DayReportPage.h"
#include "Dialogs.h"
#include "PrinterService.h"
#include "ReportPdf.h"
#include "SystemPrinterService.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

QString trPrint(const char* text) {
    return QCoreApplication::translate("PrintDayReport", text);
}

// The wait cursor while the page is built; taken down before any dialog and on every return.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void release() {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

PrintOutcome fail(BusyCursor& busy, QWidget* parent, Dialogs& dialogs, const QString& text) {
    busy.release();
    dialogs.warn(parent, programTitle(), text);
    return PrintOutcome::Failed;
}

QString refusedText(const QString& printer, const QString& reason) {
    return trPrint("Der Drucker „%1“ hat den Druckauftrag abgelehnt:\n%2\n\n"
                   "Der Tagesbericht wurde nicht gedruckt.")
        .arg(printer, reason);
}

PrintOutcome offerPdf(BusyCursor& busy, QWidget* parent, const DayReport& report,
                      Dialogs& dialogs) {
    busy.release();
    const bool wanted = dialogs.askYesNo(
        parent, programTitle(),
        trPrint("Es ist kein Drucker eingerichtet, daher kann der Tagesbericht nicht gedruckt "
                "werden.\n\nMöchten Sie den Tagesbericht stattdessen als PDF-Datei speichern?"));
    if (!wanted)
        return PrintOutcome::Cancelled;
    return saveDayReportAsPdf(parent, report, dialogs);
}

} // namespace

QString suggestedPdfPath(const DayReport& report) {
    return QDir::home().filePath(
        QStringLiteral("Biorhythmus-%1.pdf").arg(shortDateText(report.displayDate)));
}

PrintOutcome saveDayReportAsPdf(QWidget* parent, const DayReport& report, Dialogs& dialogs) {
    const QString path =
        dialogs.saveFileName(parent, trPrint("Tagesbericht als PDF-Datei speichern"),
                             suggestedPdfPath(report), trPrint("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return PrintOutcome::Cancelled;

    BusyCursor saving;
    QString error;
    if (!saveDayReportPdf(path, report, &error))
        return fail(saving, parent, dialogs,
                    trPrint("Die Datei „%1“ konnte nicht gespeichert werden:\n%2")
                        .arg(QDir::toNativeSeparators(path), error));
    saving.release();
    dialogs.inform(parent, programTitle(),
                   trPrint("Der Tagesbericht wurde in der Datei „%1“ gespeichert.")
                       .arg(QDir::toNativeSeparators(path)));
    return PrintOutcome::SavedAsPdf;
}

PrintOutcome printDayReport(QWidget* parent, const DayReport& report, Dialogs& dialogs,
                            PrinterService& printers) {
    BusyCursor busy;
    const QString printer = printers.defaultPrinterName();
    if (printer.isEmpty()) {
        if (printers.printerNames().isEmpty())
            return offerPdf(busy, parent, report, dialogs);
        return fail(busy, parent, dialogs,
                    trPrint("Es ist kein Standarddrucker festgelegt, daher kann der Tagesbericht "
                            "nicht gedruckt werden.\n\nBitte legen Sie in den "
                            "Druckereinstellungen des Systems einen Standarddrucker fest und "
                            "drucken Sie dann erneut."));
    }

    QString error;
    const std::unique_ptr<PageTarget> target = printers.openPrinter(
        printer, trPrint("Biorhythmus %1").arg(shortDateText(report.displayDate)), &error);
    if (!target)
        return fail(busy, parent, dialogs, refusedText(printer, error));

    QPainter painter;
    if (!painter.begin(&target->device()))
        return fail(busy, parent, dialogs,
                    refusedText(printer, trPrint("Die Druckseite konnte nicht angelegt werden.")));
    paintDayReport(painter, report);
    if (target->hasFailed() || !painter.isActive()) {
        target->abandon();
        painter.end();
        return fail(busy, parent, dialogs,
                    trPrint("Beim Aufbau der Druckseite für den Drucker „%1“ ist ein Fehler "
                            "aufgetreten. Der Druckauftrag wurde abgebrochen; es wurde nichts "
                            "gedruckt.")
                        .arg(printer));
    }
    if (!painter.end() || target->hasFailed())
        return fail(busy, parent, dialogs,
                    trPrint("Die Druckseite für den Drucker „%1“ konnte nicht fertiggestellt "
                            "werden. Der Druckauftrag wurde abgebrochen; es wurde nichts "
                            "gedruckt.")
                        .arg(printer));
    if (!target->submit(&error))
        return fail(busy, parent, dialogs, refusedText(printer, error));
    return PrintOutcome::Printed;
}

PrintOutcome printDayReport(QWidget* parent, const DayReport& report, Dialogs& dialogs) {
    SystemPrinterService printers;
    return printDayReport(parent, report, dialogs, printers);
}
