#include "ReportPdf.h"

#include "core/WholeFile.h"
#include "drawing/DayReportPage.h"
#include "drawing/PdfPage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

namespace {
constexpr double MarginMillimetres = 5;
} // namespace

Outcome saveDayReportPdf(const QString& path, const DayReport& report) {
    const UserText notSaved =
        UserText("DayReport",
                 QT_TRANSLATE_NOOP("DayReport", "Die Datei „%1“ konnte nicht gespeichert werden."))
            .arg(QDir::toNativeSeparators(path));
    // The page is made in memory and written in one go, so that a full disk is told as such
    // and never leaves half a file.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        const std::unique_ptr<QPdfWriter> writer =
            pdfPageWriter(&pdf,
                          QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(MarginMillimetres, MarginMillimetres,
                                                MarginMillimetres, MarginMillimetres),
                                      QPageLayout::Millimeter),
                          QCoreApplication::translate("DayReport", "Biorhythmus-Tagesbericht"));
        QPainter painter;
        if (!painter.begin(writer.get()))
            return Outcome::failure(
                notSaved,
                Outcome::failure(UserText(
                    "DayReport", QT_TRANSLATE_NOOP(
                                     "DayReport", "Die PDF-Seite konnte nicht angelegt werden."))));
        paintDayReport(painter, report);
        painter.end();
    }
    const Outcome written = writeOutputFile(path, pdf.data());
    // The sentence names the file already; the system's reason is what is left to say.
    if (!written.worked())
        return Outcome::failure(notSaved, written.detail());
    return written;
}
