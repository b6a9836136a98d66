// Figure 6: how much memory the program keeps after 10,000 day steps and 100 openings of the
// person editor, counted from after a warm-up that fills Qt's caches (fonts, glyphs, style
// pixmaps). The figure is the heap in use (mallinfo2: what malloc handed out and did not get
// back), so memory the allocator keeps for reuse does not count; a leak would. The growth of
// the resident set is noted beside it.

#include "BenchReport.h"
#include "BenchWindow.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int Steps = 10000;
constexpr int Openings = 100;
constexpr int WarmUpSteps = 200;
constexpr int WarmUpOpenings = 3;

double heapInUseKiB() {
    return double(mallinfo2().uordblks) / 1024;
}

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024;
}

// Opens the person editor through its button and closes it as soon as it shows, the way the
// user's Exit does; true when it was open.
bool openAndCloseEditor(BenchWindow& bench) {
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* editor = QApplication::activeModalWidget()) {
            opened = true;
            editor->close();
        }
    });
    bench.window().controls().C1[0]->click();
    return opened;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchWindow bench;

    int opened = 0;
    for (int i = 0; i < WarmUpSteps; ++i)
        bench.step();
    for (int i = 0; i < WarmUpOpenings; ++i)
        opened += openAndCloseEditor(bench);
    const double heapBefore = heapInUseKiB();
    const double residentBefore = residentKiB();
    for (int i = 0; i < Steps; ++i)
        bench.step();
    for (int i = 0; i < Openings; ++i)
        opened += openAndCloseEditor(bench);
    const double heapGrowth = heapInUseKiB() - heapBefore;
    const double residentGrowth = residentKiB() - residentBefore;

    if (opened != WarmUpOpenings + Openings) {
        std::fprintf(stderr, "the person editor opened %d times instead of %d\n", opened,
                     WarmUpOpenings + Openings);
        return 1;
    }
    printFigure({6, "Heap growth, 10000 steps + 100 editors", heapGrowth, std::nullopt, "KiB",
                 std::nullopt, 1024});
    char resident[160];
    std::snprintf(resident, sizeof resident,
                  "Figure 6: after %d steps and %d editor openings to warm up; the resident "
                  "set grew by %.0f KiB.",
                  WarmUpSteps, WarmUpOpenings, residentGrowth);
    printNote(resident);
    return 0;
}
