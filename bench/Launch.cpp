// Figures 1, 2 and 7: start-up time and peak memory of the program against the floor window,
// and a second start while the program runs.
//
//   bench_launch <runs> <floor program> <program>
//
// Starts both programs <runs> times each, alternating, on the display in $DISPLAY, the program
// with BIORHYTHMUS_SCREENSHOT=- so that it leaves right after its first frame. Wall time runs
// from just before fork() to the return of wait4(), whose rusage gives the peak RSS. Then the
// program runs on, and further starts of it (which hand over to it and end) are timed against
// the floor window's start-up.

#include "BenchReport.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int TimeoutMs = 60000;
constexpr int WarmUpRuns = 2;

struct Run {
    double wallMs = 0;
    double maxRssKiB = 0;
};

// Waits up to the timeout for the child; kills it when it does not end. pidfd_open lets the
// parent wait with a timeout without a signal handler and without polling in a loop.
bool waitWithTimeout(pid_t pid) {
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        return true; // an old kernel: wait without a limit
    pollfd entry{pidfd, POLLIN, 0};
    const int ready = poll(&entry, 1, TimeoutMs);
    close(pidfd);
    return ready > 0;
}

pid_t startProgram(const std::string& program, bool leaveAfterFirstFrame) {
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (pid == 0) {
        if (leaveAfterFirstFrame)
            setenv("BIORHYTHMUS_SCREENSHOT", "-", 1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

Run runOnce(const std::string& program, bool leaveAfterFirstFrame) {
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = startProgram(program, leaveAfterFirstFrame);
    if (!waitWithTimeout(pid)) {
        kill(pid, SIGKILL);
        std::fprintf(stderr, "%s did not end within %d s\n", program.c_str(), TimeoutMs / 1000);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0) {
        std::perror("wait4");
        std::exit(2);
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d); run it by hand to see why\n", program.c_str(),
                     status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - begin).count(),
            static_cast<double>(usage.ru_maxrss)};
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
        const Run first = floorFirst ? runOnce(floorProgram, false) : runOnce(program, true);
        const Run second = floorFirst ? runOnce(program, true) : runOnce(floorProgram, false);
        const Run& floorRun = floorFirst ? first : second;
        const Run& programRun = floorFirst ? second : first;
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
    const pid_t first = startProgram(program, false);
    sleep(3);
    std::vector<double> secondMs;
    floorMs.clear();
    for (int i = 0; i < runs; ++i) {
        floorMs.push_back(runOnce(floorProgram, false).wallMs);
        secondMs.push_back(runOnce(program, false).wallMs);
    }
    kill(first, SIGTERM);
    if (!waitWithTimeout(first))
        kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    printFigure({7, "Second start while one runs (Xvfb)", median(secondMs), median(floorMs), "ms",
                 1.1, std::nullopt});
    return 0;
}
