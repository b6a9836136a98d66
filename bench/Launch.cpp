// Figures 1, 2, 15, 16 and 13: start-up time and peak memory of the program against two
// floors, an empty window and the same first frame painted by one QPainter, and a second start
// while the program runs.
//
//   bench_launch <runs> <empty window> <painted frame> <frame layout> <program>
//
// Starts the three programs <runs> times each, in turns, on the display in $DISPLAY, the
// program with BIORHYTHMUS_SCREENSHOT=- so that it leaves right after its first frame. Then the
// program runs on, and further starts of it (which hand over to it and end) are timed against
// the empty window's start-up.

#include "BenchReport.h"
#include "ProcessRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int WarmUpRuns = 2;

struct Starts {
    std::vector<std::string> command;
    std::vector<std::pair<std::string, std::string>> environment;
    std::vector<double> ms;
    std::vector<double> rssMiB;

    ProcessRun run() const { return runProgram(command, environment); }
    void runCounted() {
        const ProcessRun measured = run();
        ms.push_back(measured.wallMs);
        rssMiB.push_back(measured.maxRssKiB / 1024);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: %s <runs> <empty window> <painted frame> <frame layout> <program>\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    if (runs < 1 || std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "needs at least one run and an X display in $DISPLAY\n");
        return 2;
    }
    Starts emptyWindow{{argv[2]}, {}, {}, {}};
    Starts paintedFrame{{argv[3], argv[4]}, {}, {}, {}};
    Starts program{{argv[5]}, {{"BIORHYTHMUS_SCREENSHOT", "-"}}, {}, {}};

    // The first runs fill the page cache and the font cache; they are not counted.
    std::vector<Starts*> order{&emptyWindow, &paintedFrame, &program};
    for (int i = 0; i < WarmUpRuns; ++i)
        for (Starts* starts : order)
            starts->run();
    for (int i = 0; i < runs; ++i) {
        // Each goes first in turn, so that a slow phase of the machine does not land on one
        // of them only.
        std::rotate(order.begin(), order.begin() + 1, order.end());
        for (Starts* starts : order)
            starts->runCounted();
    }

    printFigure({1, "Start-up to the first frame (Xvfb)", median(program.ms),
                 median(emptyWindow.ms), "ms", std::nullopt, std::nullopt});
    printFigure({2, "Peak RSS of that run", median(program.rssMiB), median(emptyWindow.rssMiB),
                 "MiB", std::nullopt, std::nullopt});
    printFigure({15, "Start-up against the frame painted", median(program.ms),
                 median(paintedFrame.ms), "ms", 1.2, std::nullopt});
    printFigure({16, "Peak RSS against the frame painted", median(program.rssMiB),
                 median(paintedFrame.rssMiB), "MiB", 1.2, std::nullopt});
    printNote("Figures 1-2, 15-16: " + std::to_string(runs) +
              " runs of each program, in turns, after " + std::to_string(WarmUpRuns) +
              " uncounted runs; floors = one empty 640 x 480 Qt Widgets window (1-2), the first "
              "frame painted by one QPainter into one window (15-16).");

    // The first program is given time to come up and listen before it is started again.
    const pid_t first = startProgram(program.command);
    sleep(3);
    std::vector<double> secondMs;
    emptyWindow.ms.clear();
    for (int i = 0; i < runs; ++i) {
        emptyWindow.runCounted();
        secondMs.push_back(runProgram(program.command).wallMs);
    }
    stopProgram(first);
    printFigure({13, "Second start while one runs (Xvfb)", median(secondMs), median(emptyWindow.ms),
                 "ms", 1.1, std::nullopt});
    return 0;
}
