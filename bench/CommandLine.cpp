// Figures 10-12: the command line against a bare Qt Core program that prints one line.
//
//   bench_commandline [runs]
//
// Starts the floor, the values of one day and the critical days of a year as JSON in turns,
// each <runs> times (default 30), from the folder this benchmark lies in, with no display in
// the environment. The peak RSS of the values run is set against the floor's.

#include "BenchReport.h"
#include "ProcessRun.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int WarmUpRuns = 3;

std::string besideThisProgram(const std::string& name) {
    std::string self(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    self.resize(length > 0 ? std::size_t(length) : 0);
    return self.substr(0, self.rfind('/') + 1) + name;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::string program = besideThisProgram("biorhythmus");
    const std::vector<std::string> floor{besideThisProgram("bench_floorcore")};
    const std::vector<std::string> values{program, "--birth", "20.11.1953", "--date", "01.01.2000"};
    const std::vector<std::string> critical{program,  "--birth",    "20.11.1953",
                                            "--date", "01.01.2000", "--critical",
                                            "365",    "--format",   "json"};

    for (int i = 0; i < WarmUpRuns; ++i)
        for (const auto* command : {&floor, &values, &critical})
            runProgram(*command);
    std::vector<double> floorMs, valuesMs, criticalMs, floorRss, valuesRss;
    for (int i = 0; i < runs; ++i) {
        // Each of the three goes first in turn, so that a slow phase of the machine does not
        // land on one of them only.
        std::vector<const std::vector<std::string>*> order{&floor, &values, &critical};
        std::rotate(order.begin(), order.begin() + i % 3, order.end());
        for (const auto* command : order) {
            const ProcessRun run = runProgram(*command);
            if (command == &floor) {
                floorMs.push_back(run.wallMs);
                floorRss.push_back(run.maxRssKiB / 1024);
            } else if (command == &values) {
                valuesMs.push_back(run.wallMs);
                valuesRss.push_back(run.maxRssKiB / 1024);
            } else {
                criticalMs.push_back(run.wallMs);
            }
        }
    }
    printFigure({10, "Command line: values of a day", median(valuesMs), median(floorMs), "ms", 1.5,
                 std::nullopt});
    printFigure({11, "Command line: --critical 365 as JSON", median(criticalMs), median(floorMs),
                 "ms", 2.0, std::nullopt});
    printFigure({12, "Peak RSS of the values run", median(valuesRss), median(floorRss), "MiB", 1.5,
                 std::nullopt});
    printNote("Figures 10-12: " + std::to_string(runs) +
              " runs of each, in turns; floor = a bare Qt Core program printing one line.");
    return 0;
}
