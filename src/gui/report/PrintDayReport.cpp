#include "PrintDayReport.h"

#include "core/DateRules.h"
#include "drawing/DayReportPage.h"
#include "drawing/ReportPdf.h"
#include "gui/platform/BusyCursor.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/PrinterService.h"

#include <QCoreApplication>
#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrintDayReport)
};

PrintOutcome fail(BusyCursor& busy, QWidget* parent, Dialogs& dialogs, const QString& text) {
    busy.release();
    dialogs.warn(parent, programTitle(), text);
    return PrintOutcome::Failed;
}

// A sentence of ours, then what the print system or the file system said in its own words.
QString withDetail(const QString& sentence, const QString& detail) {
    return detail.isEmpty() ? sentence : sentence + QLatin1String("\n\n(") + detail + u')';
}

QString notAnsweringText() {
    return Texts::tr("Der Drucker antwortet nicht: Das Drucksystem hat nicht rechtzeitig "
                     "geantwortet, daher wurde der Tagesbericht nicht gedruckt.\n\nBitte prüfen "
                     "Sie, ob der Drucker eingeschaltet und erreichbar ist, und drucken Sie dann "
                     "erneut.");
}

QString notSetUpText(const QString& printer, const QString& detail) {
    return withDetail(Texts::tr("Die Druckseite für den Drucker „%1“ konnte nicht angelegt "
                                "werden. Der Tagesbericht wurde nicht gedruckt.")
                          .arg(printer),
                      detail);
}

QString lookupText(const DefaultPrinter& printer) {
    switch (printer.state) {
    case DefaultPrinter::State::NoDefault:
        return Texts::tr("Es ist kein Standarddrucker festgelegt, daher kann der Tagesbericht "
                         "nicht gedruckt werden.\n\nBitte legen Sie in den Druckereinstellungen "
                         "des Systems einen Standarddrucker fest und drucken Sie dann erneut.");
    case DefaultPrinter::State::NotAnswering:
        return notAnsweringText();
    default:
        return Texts::tr("Der Drucker „%1“ kann den Druckauftrag nicht annehmen: %2\n\nDer "
                         "Tagesbericht wurde nicht gedruckt.")
            .arg(printer.name, printer.reason);
    }
}

QString handoverText(Handover handover, const QString& printer, const QString& detail) {
    switch (handover) {
    case Handover::NotAnswering:
        return notAnsweringText();
    case Handover::PageIncomplete:
        return withDetail(Texts::tr("Die Druckseite konnte nicht vollständig in den temporären "
                                    "Ordner geschrieben werden und wurde nicht an den Drucker "
                                    "„%1“ geschickt. Der Tagesbericht wurde nicht gedruckt.")
                              .arg(printer),
                          detail);
    default:
        return withDetail(Texts::tr("Der Drucker „%1“ hat den Druckauftrag abgelehnt. Der "
                                    "Tagesbericht wurde nicht gedruckt.")
                              .arg(printer),
                          detail);
    }
}

PrintOutcome offerPdf(BusyCursor& busy, QWidget* parent, const DayReport& report,
                      Dialogs& dialogs) {
    busy.release();
    const bool wanted = dialogs.askYesNo(
        parent, programTitle(),
        Texts::tr("Es ist kein Drucker eingerichtet, daher kann der Tagesbericht nicht gedruckt "
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
        dialogs.saveFileName(parent, Texts::tr("Tagesbericht als PDF-Datei speichern"),
                             suggestedPdfPath(report), Texts::tr("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return PrintOutcome::Cancelled;

    BusyCursor saving;
    const Outcome saved = saveDayReportPdf(path, report);
    if (!saved.worked())
        return fail(saving, parent, dialogs, withDetail(saved.sentence(), saved.detail()));
    saving.release();
    dialogs.inform(parent, programTitle(),
                   Texts::tr("Der Tagesbericht wurde in der Datei „%1“ gespeichert.")
                       .arg(QDir::toNativeSeparators(path)));
    return PrintOutcome::SavedAsPdf;
}

PrintOutcome printDayReport(QWidget* parent, const DayReport& report, Dialogs& dialogs,
                            PrinterService& printers) {
    BusyCursor busy;
    const DefaultPrinter printer = printers.defaultPrinter();
    if (printer.state == DefaultPrinter::State::NoPrinters)
        return offerPdf(busy, parent, report, dialogs);
    if (printer.state == DefaultPrinter::State::Abandoned)
        return PrintOutcome::Abandoned;
    if (printer.state != DefaultPrinter::State::Ready)
        return fail(busy, parent, dialogs, lookupText(printer));

    QString detail;
    const std::unique_ptr<PageTarget> target = printers.openPrinter(
        printer, Texts::tr("Biorhythmus %1").arg(displayDateText(report.displayDate)), &detail);
    if (!target)
        return fail(busy, parent, dialogs, notSetUpText(printer.name, detail));

    QPainter painter;
    if (!painter.begin(&target->device()))
        return fail(busy, parent, dialogs, notSetUpText(printer.name, QString()));
    paintDayReport(painter, report);
    if (!painter.end())
        return fail(busy, parent, dialogs,
                    Texts::tr("Die Druckseite für den Drucker „%1“ konnte nicht fertiggestellt "
                              "werden. Der Druckauftrag wurde abgebrochen; es wurde nichts "
                              "gedruckt.")
                        .arg(printer.name));
    const Handover handover = target->submit(&detail);
    if (handover == Handover::Abandoned)
        return PrintOutcome::Abandoned;
    if (handover != Handover::Accepted)
        return fail(busy, parent, dialogs, handoverText(handover, printer.name, detail));
    return PrintOutcome::Printed;
}
