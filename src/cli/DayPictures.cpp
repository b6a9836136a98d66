#include "DayPictures.h"

#include "ChartPicture.h"
#include "DayReport.h"
#include "Listings.h"
#include "ReportPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DayPictures)
};

QString namingFile(const QString& path, const QString& error) {
    return Texts::tr("%1 ließ sich nicht schreiben: %2").arg(QDir::toNativeSeparators(path), error);
}
} // namespace

std::unique_ptr<QCoreApplication> DayPictures::makeApplication(int& argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool DayPictures::write(const CommandLineRequest& request, const Subject& subject, QString* error) {
    const DayReport report =
        dayReportFor(subject.caption, subject.birth, Texts::tr("Anzeige-Datum"), request.date);
    if (!request.pdf.isEmpty()) {
        const Outcome saved = saveDayReportPdf(request.pdf, report);
        if (!saved.worked()) {
            *error = namingFile(request.pdf, saved.detail());
            return false;
        }
    }
    for (const auto& [path, format] :
         {std::pair{request.png, PictureFormat::Png}, std::pair{request.svg, PictureFormat::Svg}})
        if (!path.isEmpty() && !saveChartPicture(path, subject.birth, request.date, format, error))
            return false;
    return true;
}
