// Figure 5: the day report built into a PDF file, as printing does when no printer is there.
// It has no floor; the figure is reported on its own.

#include "BenchReport.h"
#include "SampleDayReport.h"
#include "drawing/ReportPdf.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Runs = 20;
constexpr int WarmUp = 2;
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tagesbericht.pdf"));

    const DayReport report = sampleDayReport();

    Outcome saved;
    const std::vector<double> ms = timeEach(Runs, WarmUp, [&] {
        const Outcome now = saveDayReportPdf(path, report);
        if (!now.worked())
            saved = now;
    });
    if (!saved.worked() || QFile(path).size() == 0) {
        std::fprintf(stderr, "the day report was not written: %s\n", qPrintable(saved.text()));
        return 1;
    }
    printFigure(
        {5, "Day report into a PDF", median(ms), std::nullopt, "ms", std::nullopt, std::nullopt});
    printNote("Figure 5: " + std::to_string(Runs) + " reports written, " +
              std::to_string(QFile(path).size() / 1024) + " KiB each.");
    return 0;
}
