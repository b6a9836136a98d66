#pragma once

#include <functional>

// Runs a function when exit() is called while this object lives: by a library that ends the
// program on its own, as Qt does when its X connection breaks (the X server or the session
// ended) and Xlib on a fatal I/O error. The process then ends at once with exit()'s status,
// without the rest of exit()'s clean-up, which would tear down static objects while the
// program's windows, never destroyed on that path, still hold them.
class ExitHook {
public:
    explicit ExitHook(std::function<void()> beforeExit);
    ~ExitHook();
    ExitHook(const ExitHook&) = delete;
    ExitHook& operator=(const ExitHook&) = delete;

private:
    struct Armed;
    static void onExit(int status, void* armed);

    // Handed to the C library, which keeps it to the process's end; this object only
    // disarms it.
    Armed* m_armed;
};
