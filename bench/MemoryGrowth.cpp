// Figure 6: how much memory the program keeps after 10,000 day steps and 100 openings of the
// person editor, counted from after a warm-up that fills Qt's caches (fonts, glyphs, style
// pixmaps). The figure is the heap in use (mallinfo2: what malloc handed out and did not get
// back), so memory the allocator keeps for reuse does not count; a leak would. The growth of
// the resident set is noted beside it.
//
//   bench_memorygrowth [--screen-reader]
//
// With --screen-reader (figure 14), only the steps are counted, on a real platform with Qt's
// accessibility bridge talking to the AT-SPI bus that scripts/bench starts for it, with a
// listener for every event (bench/listen-atspi.py), as when a screen reader follows the window.

#include "BenchReport.h"
#include "BenchWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>
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

// What the heap in use and the resident set grew by while the work ran, in KiB.
struct Growth {
    double heap = 0;
    double resident = 0;
};
template <class Work> Growth growthDuring(Work&& work) {
    const double heapBefore = heapInUseKiB();
    const double residentBefore = residentKiB();
    work();
    return {heapInUseKiB() - heapBefore, residentKiB() - residentBefore};
}

void noteResidentGrowth(const std::string& warmUp, double resident) {
    printNote(warmUp + "; the resident set grew by " + std::to_string(std::lround(resident)) +
              " KiB.");
}

// Figure 14: the day steps alone, each announced to the accessibility bus.
int stepsWithScreenReader(BenchWindow& bench) {
    for (int i = 0; i < WarmUpSteps; ++i)
        bench.step();
    QCoreApplication::processEvents();
    const Growth growth = growthDuring([&bench] {
        for (int i = 0; i < Steps; ++i) {
            bench.step();
            // The bridge sends its messages from the event loop, as it does while the user
            // steps.
            QCoreApplication::processEvents();
        }
        // What is still on its way to a slow listener is sent before the heap is read.
        QElapsedTimer drained;
        drained.start();
        while (drained.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    });
    printFigure({14, "Heap growth, 10000 steps, AT-SPI bus", growth.heap, std::nullopt, "KiB",
                 std::nullopt, 256});
    noteResidentGrowth("Figure 14: after " + std::to_string(WarmUpSteps) +
                           " steps to warm up, on Xvfb with a private AT-SPI bus",
                       growth.resident);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool screenReader = argc > 1 && qstrcmp(argv[1], "--screen-reader") == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchWindow bench;
    if (screenReader)
        return stepsWithScreenReader(bench);

    int opened = 0;
    for (int i = 0; i < WarmUpSteps; ++i)
        bench.step();
    for (int i = 0; i < WarmUpOpenings; ++i)
        opened += openAndCloseEditor(bench);
    const Growth growth = growthDuring([&] {
        for (int i = 0; i < Steps; ++i)
            bench.step();
        for (int i = 0; i < Openings; ++i)
            opened += openAndCloseEditor(bench);
    });

    if (opened != WarmUpOpenings + Openings) {
        std::fprintf(stderr, "the person editor opened %d times instead of %d\n", opened,
                     WarmUpOpenings + Openings);
        return 1;
    }
    printFigure({6, "Heap growth, 10000 steps + 100 editors", growth.heap, std::nullopt, "KiB",
                 std::nullopt, 1024});
    noteResidentGrowth("Figure 6: after " + std::to_string(WarmUpSteps) + " steps and " +
                           std::to_string(WarmUpOpenings) + " editor openings to warm up",
                       growth.resident);
    return 0;
}
