#include "ReportPdf.h"

#include "DayReportPage.h"
#include "PdfPage.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSaveFile>

namespace {
constexpr double MarginMillimetres = 5;
} // namespace

bool saveDayReportPdf(const QString& path, const DayReport& report, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
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
            *error = QCoreApplication::translate("DayReport",
                                                 "Die PDF-Seite konnte nicht angelegt werden.");
            return false;
        }
        paintDayReport(painter, report);
        if (!painter.end() || file.error() != QFileDevice::NoError) {
            file.cancelWriting();
            *error = file.errorString();
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
