#include "ReportPdf.h"

#include "DayReportPage.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int PageResolution = 600;
constexpr double MarginMillimetres = 5;
} // namespace

bool saveDayReportPdf(const QString& path, const DayReport& report, QString* error) {
    // The page is made in memory and written in one go, so that a full disk is told as such
    // and never leaves half a file.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
            QPageLayout::Millimeter));
        writer.setResolution(PageResolution);
        writer.setCreator(QStringLiteral("Biorhythmus"));
        writer.setTitle(QCoreApplication::translate("DayReport", "Biorhythmus-Tagesbericht"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = QCoreApplication::translate("DayReport",
                                                 "Die PDF-Seite konnte nicht angelegt werden.");
            return false;
        }
        paintDayReport(painter, report);
        painter.end();
    }
    return writeWholeFile(path, pdf.data(), false, error);
}
