#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// One run of a program as a user starts it, measured from outside: wall time from just before
// fork() to the return of wait4(), and the peak resident set that wait4() reports.
struct ProcessRun {
    double wallMs = 0;
    double maxRssKiB = 0;
};

// Runs the command (the program first) with the extra environment variables, its output
// thrown away, and waits for its end. A program that fails or runs longer than a minute ends
// the benchmark with a message.
ProcessRun runProgram(const std::vector<std::string>& command,
                      const std::vector<std::pair<std::string, std::string>>& environment = {});

// Starts the command the same way and leaves it running; stopProgram() ends it with SIGTERM
// (SIGKILL after a minute) and waits for it.
pid_t startProgram(const std::vector<std::string>& command,
                   const std::vector<std::pair<std::string, std::string>>& environment = {});
void stopProgram(pid_t pid);
