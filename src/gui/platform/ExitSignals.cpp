#include "ExitSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {
// A signal handler cannot reach any object, so the socket pair it writes to has to live at
// file scope. It is set up once by the one ExitSignals object and closed with it; the notifier
// reads it on the user-interface thread.
int signalSockets[2] = {-1, -1};

// However the exit path fares, the process ends this long after the first signal.
constexpr suseconds_t LeaveWithinMicroseconds = 900000;

// A signal handler may neither translate nor allocate: the message is put here, in the
// interface's language, when the signals are set up.
QByteArray deadlineMessage;

void onDeadline(int) {
    [[maybe_unused]] const auto written =
        ::write(STDERR_FILENO, deadlineMessage.constData(), std::size_t(deadlineMessage.size()));
    ::_exit(1);
}

// Arms the deadline once; a later signal leaves it as it is.
void armDeadline() {
    itimerval running{};
    ::getitimer(ITIMER_REAL, &running);
    if (running.it_value.tv_sec != 0 || running.it_value.tv_usec != 0)
        return;
    itimerval deadline{};
    deadline.it_value.tv_usec = LeaveWithinMicroseconds;
    ::setitimer(ITIMER_REAL, &deadline, nullptr);
}

void onSignal(int) {
    armDeadline();
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

constexpr int HandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

void handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (int other : HandledSignals)
        sigaddset(&action.sa_mask, other);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}
} // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    deadlineMessage = tr("Biorhythmus: Das Beenden hat zu lange gedauert; das Programm endet ohne "
                         "weiteres Aufräumen.\n")
                          .toLocal8Bit();
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalSockets[1], &byte, 1);
        emit exitRequested();
    });
    handle(SIGALRM, onDeadline);
    for (int signal : HandledSignals)
        handle(signal, onSignal);
}

ExitSignals::~ExitSignals() {
    for (int signal : HandledSignals)
        ::signal(signal, SIG_DFL);
    if (signalSockets[0] >= 0) {
        ::close(signalSockets[0]);
        ::close(signalSockets[1]);
        signalSockets[0] = signalSockets[1] = -1;
    }
}
