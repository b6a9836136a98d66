#include "ExitHook.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

struct ExitHook::Armed {
    std::function<void()> beforeExit;
};

ExitHook::ExitHook(std::function<void()> beforeExit) : m_armed(new Armed{std::move(beforeExit)}) {
    ::on_exit(onExit, m_armed);
}

ExitHook::~ExitHook() {
    m_armed->beforeExit = nullptr;
}

void ExitHook::onExit(int status, void* armed) {
    auto& hook = *static_cast<Armed*>(armed);
    if (!hook.beforeExit)
        return;
    const std::function<void()> run = std::move(hook.beforeExit);
    hook.beforeExit = nullptr;
    run();
    std::fflush(nullptr);
    ::_exit(status);
}
