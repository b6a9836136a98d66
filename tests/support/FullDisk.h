#pragma once

#include <csignal>
#include <sys/resource.h>

// A disk that takes no file beyond the first 4 KiB, as a full one does, for as long as this
// lives: the file size limit of the process, with its signal ignored so that a write beyond it
// fails with EFBIG ("File too large") instead of ending the process.
class FullDisk {
public:
    static constexpr rlim_t Room = 4096;

    FullDisk() : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = Room;
        m_limited = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool limited() const { return m_limited; }

private:
    void (*m_oldHandler)(int);
    rlimit m_saved{};
    bool m_limited = false;
};
