#include "PrintDayReport.h"

#include "core/DateRules.h"
#include "drawing/DayReportPage.h"
#include "drawing/ReportPdf.h"
#include "gui/platform/BusyCursor.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/PrinterService.h"
#include "gui/platform/SaveAs.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrintDayReport)
};

PrintResult failed(const Outcome& failure) {
    return {PrintOutcome::Failed, failure};
}

Outcome notAnswering() {
    return Outcome::failure(UserText(
        "PrintDayReport",
        QT_TRANSLATE_NOOP("PrintDayReport",
                          "Der Drucker antwortet nicht: Das Drucksystem hat nicht rechtzeitig "
                          "geantwortet, daher wurde der Tagesbericht nicht gedruckt.\n\nBitte "
                          "prüfen Sie, ob der Drucker eingeschaltet und erreichbar ist, und "
                          "drucken Sie dann erneut.")));
}

Outcome notSetUp(const QString& printer, const Outcome& problem) {
    const UserText sentence =
        UserText("PrintDayReport",
                 QT_TRANSLATE_NOOP("PrintDayReport",
                                   "Die Druckseite für den Drucker „%1“ konnte nicht angelegt "
                                   "werden. Der Tagesbericht wurde nicht gedruckt."))
            .arg(printer);
    return problem.worked() ? Outcome::failure(sentence) : Outcome::failure(sentence, problem);
}

Outcome lookupFailure(const DefaultPrinter& printer) {
    switch (printer.state) {
    case DefaultPrinter::State::NoDefault:
        return Outcome::failure(UserText(
            "PrintDayReport",
            QT_TRANSLATE_NOOP("PrintDayReport",
                              "Es ist kein Standarddrucker festgelegt, daher kann der "
                              "Tagesbericht nicht gedruckt werden.\n\nBitte legen Sie in den "
                              "Druckereinstellungen des Systems einen Standarddrucker fest und "
                              "drucken Sie dann erneut.")));
    case DefaultPrinter::State::NotAnswering:
        return notAnswering();
    default:
        return Outcome::failure(
            UserText("PrintDayReport",
                     QT_TRANSLATE_NOOP("PrintDayReport",
                                       "Der Drucker „%1“ kann den Druckauftrag nicht annehmen: "
                                       "%2\n\nDer Tagesbericht wurde nicht gedruckt."))
                .arg(printer.name)
                .arg(printer.reason.said()));
    }
}

Outcome handoverFailure(Handover handover, const QString& printer, const Outcome& problem) {
    switch (handover) {
    case Handover::NotAnswering:
        return notAnswering();
    case Handover::PageIncomplete:
        return Outcome::failure(
            UserText("PrintDayReport",
                     QT_TRANSLATE_NOOP("PrintDayReport",
                                       "Die Druckseite konnte nicht vollständig in den temporären "
                                       "Ordner geschrieben werden und wurde nicht an den Drucker "
                                       "„%1“ geschickt. Der Tagesbericht wurde nicht gedruckt."))
                .arg(printer),
            problem);
    default:
        return Outcome::failure(
            UserText("PrintDayReport",
                     QT_TRANSLATE_NOOP("PrintDayReport",
                                       "Der Drucker „%1“ hat den Druckauftrag abgelehnt. Der "
                                       "Tagesbericht wurde nicht gedruckt."))
                .arg(printer),
            problem);
    }
}

PrintResult offerPdf(BusyCursor& busy, QWidget* parent, const DayReport& report, Dialogs& dialogs) {
    busy.release();
    const bool wanted = dialogs.askYesNo(
        parent, programTitle(),
        Texts::tr("Es ist kein Drucker eingerichtet, daher kann der Tagesbericht nicht gedruckt "
                  "werden.\n\nMöchten Sie den Tagesbericht stattdessen als PDF-Datei speichern?"));
    if (!wanted)
        return {PrintOutcome::Cancelled, {}};
    return saveDayReportAsPdf(parent, report, dialogs);
}

} // namespace

PrintResult saveDayReportAsPdf(QWidget* parent, const DayReport& report, Dialogs& dialogs) {
    const auto saved =
        saveAs(parent, dialogs,
               {Texts::tr("Tagesbericht als PDF-Datei speichern"), Texts::tr("PDF-Dateien (*.pdf)"),
                Texts::tr("Der Tagesbericht wurde in der Datei „%1“ gespeichert.")},
               QStringLiteral("Biorhythmus-%1.pdf").arg(shortDateText(report.displayDate)),
               [&report](const QString& path) { return saveDayReportPdf(path, report); });
    if (!saved)
        return {PrintOutcome::Cancelled, {}};
    if (!saved->worked())
        return failed(*saved);
    return {PrintOutcome::SavedAsPdf, {}};
}

PrintResult printDayReport(QWidget* parent, const DayReport& report, Dialogs& dialogs,
                           PrinterService& printers) {
    BusyCursor busy;
    const DefaultPrinter printer = printers.defaultPrinter();
    if (printer.state == DefaultPrinter::State::NoPrinters)
        return offerPdf(busy, parent, report, dialogs);
    if (printer.state == DefaultPrinter::State::Abandoned)
        return {PrintOutcome::Abandoned, {}};
    if (printer.state != DefaultPrinter::State::Ready)
        return failed(lookupFailure(printer));

    Outcome problem;
    const std::unique_ptr<PageTarget> target = printers.openPrinter(
        printer, Texts::tr("Biorhythmus %1").arg(displayDateText(report.displayDate)), &problem);
    if (!target)
        return failed(notSetUp(printer.name, problem));

    QPainter painter;
    if (!painter.begin(&target->device()))
        return failed(notSetUp(printer.name, Outcome()));
    paintDayReport(painter, report);
    if (!painter.end())
        return failed(Outcome::failure(
            UserText("PrintDayReport",
                     QT_TRANSLATE_NOOP("PrintDayReport",
                                       "Die Druckseite für den Drucker „%1“ konnte nicht "
                                       "fertiggestellt werden. Der Druckauftrag wurde abgebrochen; "
                                       "es wurde nichts gedruckt."))
                .arg(printer.name)));
    const Handover handover = target->submit(&problem);
    if (handover == Handover::Abandoned)
        return {PrintOutcome::Abandoned, {}};
    if (handover != Handover::Accepted)
        return failed(handoverFailure(handover, printer.name, problem));
    return {PrintOutcome::Printed, {}};
}
