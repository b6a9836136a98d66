#include "ReportPdf.h"

#include "DayReportPage.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int PageResolution = 600;
constexpr double MarginMillimetres = 5;
} // namespace

bool saveDayReportPdf(const QString& path, const DayReport& report, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
            QPageLayout::Millimeter));
        writer.setResolution(PageResolution);
        writer.setCreator(QStringLiteral("Biorhythmus"));
        writer.setTitle(QCoreApplication::translate("DayReport", "Biorhythmus-Tagesbericht"));
        QPainter painter;
        if (!painter.begin(&writer)) {
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
