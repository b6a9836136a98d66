#include "DayPictures.h"

#include "cli/Listings.h"
#include "core/DayReport.h"
#include "core/DayWords.h"
#include "drawing/ChartPicture.h"
#include "drawing/ReportPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

std::unique_ptr<QCoreApplication> DayPictures::makeApplication(int& argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

Outcome DayPictures::write(const CommandLineRequest& request, const Subject& subject) {
    const DayReport report =
        dayReportFor(subject.caption, subject.birth, displayDateCaption(), request.date);
    if (!request.pdf.isEmpty()) {
        const Outcome saved = saveDayReportPdf(request.pdf, report);
        // The day report's own sentence speaks to the window's user; here the file is named.
        if (!saved.worked())
            return Outcome::failure(
                UserText("DayPictures",
                         QT_TRANSLATE_NOOP("DayPictures", "%1 ließ sich nicht schreiben"))
                    .arg(QDir::toNativeSeparators(request.pdf)),
                saved.detail());
    }
    for (const auto& [path, format] :
         {std::pair{request.png, PictureFormat::Png}, std::pair{request.svg, PictureFormat::Svg}}) {
        if (path.isEmpty())
            continue;
        const Outcome saved =
            saveChartPicture(path, request.person.isEmpty() ? QString() : subject.caption,
                             subject.birth, request.date, format);
        if (!saved.worked())
            return saved;
    }
    return Outcome();
}

PictureOutput* biorhythmusPictures() {
    static DayPictures pictures;
    return &pictures;
}
