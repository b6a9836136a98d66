// Figures 1, 2 and 13: start-up time and peak memory of the program against the floor window,
// and a second start while the program runs.
//
//   bench_launch <runs> <floor program> <program>
//
// Starts both programs <runs> times each, alternating, on the display in $DISPLAY, the program
// with BIORHYTHMUS_SCREENSHOT=- so that it leaves right after its first frame. Then the program
// runs on, and further starts of it (which hand over to it and end) are timed against the floor
// window's start-up.

#include "BenchReport.h"
#include "ProcessRun.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int WarmUpRuns = 2;

ProcessRun runOnce(const std::string& program, bool leaveAfterFirstFrame) {
    if (leaveAfterFirstFrame)
        return runProgram({program}, {{"BIORHYTHMUS_SCREENSHOT", "-"}});
    return runProgram({program});
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <runs> <floor program> <program>\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string floorProgram = argv[2];
    const std::string program = argv[3];
    if (runs < 1 || std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "needs at least one run and an X display in $DISPLAY\n");
        return 2;
    }

    // The first runs fill the page cache and the font cache; they are not counted.
    for (int i = 0; i < WarmUpRuns; ++i) {
        runOnce(floorProgram, false);
        runOnce(program, true);
    }
    std::vector<double> floorMs, programMs, floorRss, programRss;
    for (int i = 0; i < runs; ++i) {
        // Alternating which goes first keeps a slow phase of the machine from landing on one
        // side only.
        const bool floorFirst = i % 2 == 0;
        const ProcessRun first = floorFirst ? runOnce(floorProgram, false) : runOnce(program, true);
        const ProcessRun second =
            floorFirst ? runOnce(program, true) : runOnce(floorProgram, false);
        const ProcessRun& floorRun = floorFirst ? first : second;
        const ProcessRun& programRun = floorFirst ? second : first;
        floorMs.push_back(floorRun.wallMs);
        programMs.push_back(programRun.wallMs);
        floorRss.push_back(floorRun.maxRssKiB / 1024);
        programRss.push_back(programRun.maxRssKiB / 1024);
    }

    printFigure({1, "Start-up to the first frame (Xvfb)", median(programMs), median(floorMs), "ms",
                 1.2, std::nullopt});
    printFigure({2, "Peak RSS of that run", median(programRss), median(floorRss), "MiB", 1.2,
                 std::nullopt});
    printNote("Figures 1-2: " + std::to_string(runs) +
              " runs of each program, alternating, after " + std::to_string(WarmUpRuns) +
              " uncounted runs; floor = one empty 640 x 480 Qt Widgets window.");

    // The first program is given time to come up and listen before it is started again.
    const pid_t first = startProgram({program});
    sleep(3);
    std::vector<double> secondMs;
    floorMs.clear();
    for (int i = 0; i < runs; ++i) {
        floorMs.push_back(runOnce(floorProgram, false).wallMs);
        secondMs.push_back(runOnce(program, false).wallMs);
    }
    stopProgram(first);
    printFigure({13, "Second start while one runs (Xvfb)", median(secondMs), median(floorMs), "ms",
                 1.1, std::nullopt});
    return 0;
}
