// Figures 7 and 8: the window of the critical days opened on 365 days and painted once, and a
// year's critical days written as a calendar file. Their floor is the day report written into
// a PDF file, timed in turns with each figure in the same run.

#include "BenchReport.h"
#include "SampleDayReport.h"
#include "core/CalendarFile.h"
#include "drawing/ReportPdf.h"
#include "gui/days/CriticalDaysWindow.h"
#include "gui/platform/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Runs = 20;
constexpr int WarmUp = 2;
const QDate Birth(1953, 11, 20);
const QDate First(2000, 1, 1);
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("Tagesbericht.pdf"));
    const QString ics = folder.filePath(QStringLiteral("Kritische-Tage.ics"));
    const DayReport report = sampleDayReport();
    WidgetDialogs dialogs;
    bool written = true;
    QString error;
    const auto note = [&](const Outcome& saved) {
        if (!saved.worked())
            error = saved.text();
        written = saved.worked() && written;
    };
    const auto writePdf = [&] { note(saveDayReportPdf(pdf, report)); };

    int rows = 0;
    const auto [openMs, openFloorMs] = timeInTurns(
        Runs, WarmUp,
        [&] {
            CriticalDaysWindow window({QStringLiteral("Jürgen"), Birth}, First,
                                      {dialogs, [](const QDate&) {}});
            window.findChild<QComboBox*>(QStringLiteral("Span"))->setCurrentIndex(2);
            window.grab();
            rows = int(window.list().days.size());
        },
        writePdf);
    const auto [saveMs, saveFloorMs] = timeInTurns(
        Runs, WarmUp,
        [&] {
            const CriticalDayList list = criticalDays(Birth, First, 365);
            note(saveCalendar(ics, {QStringLiteral("Jürgen"), Birth}, list.days,
                              QDateTime::currentDateTimeUtc()));
        },
        writePdf);
    if (!written || rows == 0) {
        std::fprintf(stderr, "a file was not written: %s\n", qPrintable(error));
        return 1;
    }
    printFigure({7, "Critical days, 365 days opened", median(openMs), median(openFloorMs), "ms",
                 std::nullopt, 30});
    printFigure({8, "Calendar file of a year written", median(saveMs), median(saveFloorMs), "ms",
                 std::nullopt, 10});
    printNote("Figures 7-8: floor = the day report into a PDF; " + std::to_string(rows) +
              " critical days in the year, calendar file of " +
              std::to_string(QFile(ics).size() / 1024) + " KiB.");
    return 0;
}
