#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Waits at most timeoutMs for ready() to become true while the program's own events go on:
// windows are painted, timers and signals handled, child processes noticed. The user's input
// waits until afterwards. False when the time ran out or the program is quitting.
bool waitWithinLimit(const std::function<bool()>& ready, int timeoutMs);

// Runs work on a thread of its own and waits for its result as waitWithinLimit does. Empty
// when the time ran out: the thread is then left to finish on its own, and its late result
// is dropped. For calls that can hang in a server that never answers.
template <typename Result>
std::optional<Result> runWithinLimit(std::function<Result()> work, int timeoutMs) {
    struct Outcome {
        std::mutex lock;
        std::optional<Result> result;
        std::atomic<bool> done{false};
    };
    const auto outcome = std::make_shared<Outcome>();
    std::thread([outcome, work = std::move(work)] {
        Result result = work();
        const std::lock_guard guard(outcome->lock);
        outcome->result = std::move(result);
        outcome->done = true;
    }).detach();
    if (!waitWithinLimit([&outcome] { return outcome->done.load(); }, timeoutMs))
        return std::nullopt;
    const std::lock_guard guard(outcome->lock);
    return outcome->result;
}
