#include "ProcessRun.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int TimeoutMs = 60000;

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

} // namespace

pid_t startProgram(const std::vector<std::string>& command,
                   const std::vector<std::pair<std::string, std::string>>& environment) {
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (pid == 0) {
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execv(argv.front(), argv.data());
        _exit(127);
    }
    return pid;
}

void stopProgram(pid_t pid) {
    kill(pid, SIGTERM);
    if (!waitWithTimeout(pid))
        kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

ProcessRun runProgram(const std::vector<std::string>& command,
                      const std::vector<std::pair<std::string, std::string>>& environment) {
    const std::string& program = command.front();
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = startProgram(command, environment);
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
