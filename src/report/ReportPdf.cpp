#include "ReportPdf.h"

#include "DayReportPage.h"
#include "PdfPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSaveFile>

namespace {
constexpr double MarginMillimetres = 5;
} // namespace

Outcome saveDayReportPdf(const QString& path, const DayReport& report) {
    const QString notSaved =
        QCoreApplication::translate("DayReport", "Die Datei „%1“ konnte nicht gespeichert werden.")
            .arg(QDir::toNativeSeparators(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::failure(notSaved, file.errorString());
    {
        const std::unique_ptr<QPdfWriter> writer =
            pdfPageWriter(&file,
                          QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(MarginMillimetres, MarginMillimetres,
                                                MarginMillimetres, MarginMillimetres),
                                      QPageLayout::Millimeter),
                          QCoreApplication::translate("DayReport", "Biorhythmus-Tagesbericht"));
        QPainter painter;
        if (!painter.begin(writer.get())) {
            file.cancelWriting();
            return Outcome::failure(
                notSaved, QCoreApplication::translate(
                              "DayReport", "Die PDF-Seite konnte nicht angelegt werden."));
        }
        paintDayReport(painter, report);
        if (!painter.end() || file.error() != QFileDevice::NoError) {
            const Outcome failed = Outcome::failure(notSaved, file.errorString());
            file.cancelWriting();
            return failed;
        }
    }
    if (!file.commit())
        return Outcome::failure(notSaved, file.errorString());
    return Outcome();
}
