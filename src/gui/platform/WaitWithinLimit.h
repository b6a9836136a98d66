#pragma once

#include <functional>

enum class WaitOutcome {
    Ready,
    TimedOut,
    Quitting // the program is ending: it asked every event loop to leave
};

// Waits at most timeoutMs for ready() to become true while the program's own events go on:
// windows are painted, timers and signals handled, child processes noticed. The user's input
// waits until afterwards.
WaitOutcome waitWithinLimit(const std::function<bool()>& ready, int timeoutMs);
