#pragma once

#include "gui/platform/x11/XrandrOutput.h"

#include <memory>
#include <string>
#include <sys/types.h>

// A small process, started before the screen is switched, that puts the saved setting of the
// switched output back when this program ends without doing so itself: killed, crashed or
// aborted. It is the program GuardianProgram beside this one; the two hold the ends of a
// socket, and the guardian acts when its end reads the end of the stream.
class ScreenGuardian {
public:
    // The guardian's file and process name. It does not contain the program's name, so that
    // "pkill -9 biorhythmus" (or -f) kills the program alone and the guardian restores the
    // screen; 15 characters at most, the length of a process name the system keeps.
    static constexpr char GuardianProgram[] = "mode-guardian";

    // Whether the guardian program lies beside this one.
    static bool isInstalled();
    // Starts the guardian for the setting to go back to; nullptr when it could not be started.
    static std::unique_ptr<ScreenGuardian>
    start(const std::string& displayName, const CrtcSetting& saved, const ScreenSetting& screen);
    // Without release(), the guardian puts the saved setting back; waits (briefly) for that.
    ~ScreenGuardian();
    ScreenGuardian(const ScreenGuardian&) = delete;
    ScreenGuardian& operator=(const ScreenGuardian&) = delete;

    // The program has put the setting back itself: the guardian ends without touching the
    // screen, and this waits (briefly) until it has gone.
    void release();

    // This program's end of the socket: it reads the end of the stream when the guardian has
    // gone (killed, or it crashed), as the guardian itself never writes.
    int socket() const { return m_socket; }

private:
    ScreenGuardian(int socket, pid_t pid) : m_socket(socket), m_pid(pid) {}
    void waitForExit();
    int m_socket;
    pid_t m_pid;
};

// The guardian program: arguments as ScreenGuardian::start() passes them, the socket on its
// standard input.
int runScreenGuardian(int argc, char* argv[]);
