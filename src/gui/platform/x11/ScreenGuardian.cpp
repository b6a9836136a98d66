#include "ScreenGuardian.h"

#include <X11/Xlib.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// What the program sends once it has put the setting back itself.
constexpr char Released = 'R';
// display, crtc, mode, x, y, rotation, screen width, height, width mm, height mm, outputs...
constexpr int FixedArguments = 10;

std::string guardianPath() {
    std::vector<char> path(4096);
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0)
        return {};
    std::string self(path.data(), std::size_t(length));
    return self.substr(0, self.rfind('/') + 1) + ScreenGuardian::GuardianProgram;
}

std::vector<std::string> argumentsFor(const std::string& displayName, const CrtcSetting& saved,
                                      const ScreenSetting& screen) {
    std::vector<std::string> arguments{
        ScreenGuardian::GuardianProgram, displayName,
        std::to_string(saved.crtc),      std::to_string(saved.mode),
        std::to_string(saved.x),         std::to_string(saved.y),
        std::to_string(saved.rotation),  std::to_string(screen.width),
        std::to_string(screen.height),   std::to_string(screen.widthMm),
        std::to_string(screen.heightMm)};
    for (unsigned long output : saved.outputs)
        arguments.push_back(std::to_string(output));
    return arguments;
}

bool parseArguments(int argc, char* argv[], CrtcSetting& saved, ScreenSetting& screen) {
    if (argc < FixedArguments + 2)
        return false;
    const auto number = [argv](int i) { return std::strtoul(argv[i], nullptr, 10); };
    saved.crtc = number(2);
    saved.mode = number(3);
    saved.x = int(std::strtol(argv[4], nullptr, 10));
    saved.y = int(std::strtol(argv[5], nullptr, 10));
    saved.rotation = static_cast<unsigned short>(number(6));
    screen = {int(number(7)), int(number(8)), int(number(9)), int(number(10))};
    for (int i = FixedArguments + 1; i < argc; ++i)
        saved.outputs.push_back(number(i));
    return saved.crtc != 0 && saved.mode != 0;
}

// Reads until the program's end of the socket closes; true when it sent Released last.
bool waitForProgram() {
    char last = 0;
    char buffer[64];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got > 0)
            last = buffer[got - 1];
        else if (got == 0 || errno != EINTR)
            return last == Released;
    }
}

} // namespace

bool ScreenGuardian::isInstalled() {
    const std::string path = guardianPath();
    return !path.empty() && ::access(path.c_str(), X_OK) == 0;
}

std::unique_ptr<ScreenGuardian> ScreenGuardian::start(const std::string& displayName,
                                                      const CrtcSetting& saved,
                                                      const ScreenSetting& screen) {
    const std::string path = guardianPath();
    int sockets[2];
    if (path.empty() || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return nullptr;
    std::vector<std::string> arguments = argumentsFor(displayName, saved, screen);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The guardian gets its end of the socket as standard input and nothing else of this
    // program's files (the lock file, the X connection, its output); it leaves the terminal's
    // session so that a Ctrl+C there reaches only the program, which then restores the mode itself.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, sockets[1], STDIN_FILENO);
    // It writes nothing of its own; Xlib's complaints about a server that has gone with the
    // program do not belong in the program's output.
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.c_str(), &files, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    ::close(sockets[1]);
    if (failed) {
        ::close(sockets[0]);
        return nullptr;
    }
    return std::unique_ptr<ScreenGuardian>(new ScreenGuardian(sockets[0], pid));
}

ScreenGuardian::~ScreenGuardian() {
    // The guardian puts the setting back now; waiting for it keeps the order of what follows.
    if (m_socket >= 0)
        ::close(m_socket);
    waitForExit();
}

void ScreenGuardian::release() {
    if (m_socket < 0)
        return;
    ::send(m_socket, &Released, 1, MSG_NOSIGNAL);
    ::close(m_socket);
    m_socket = -1;
    waitForExit();
}

void ScreenGuardian::waitForExit() {
    using namespace std::chrono_literals;
    for (int i = 0; m_pid > 0 && i < 200; ++i) {
        if (::waitpid(m_pid, nullptr, WNOHANG) != 0)
            m_pid = 0;
        else
            std::this_thread::sleep_for(5ms);
    }
}

int runScreenGuardian(int argc, char* argv[]) {
    CrtcSetting saved;
    ScreenSetting screen;
    if (!parseArguments(argc, argv, saved, screen))
        return 2;
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    if (waitForProgram())
        return 0;
    Display* display = XOpenDisplay(argv[1][0] ? argv[1] : nullptr);
    if (!display)
        return 1;
    const bool restored = setCrtc(display, saved, screen);
    XCloseDisplay(display);
    return restored ? 0 : 1;
}
