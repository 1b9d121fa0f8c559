#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace tablicznik::testing {

// Ends the whole test program, loudly, when the thread that made the guard
// is not back (the guard not destroyed) within `seconds`: a frozen window
// would otherwise hang the run without saying where.
class FreezeGuard {
public:
    FreezeGuard(const char *what, int seconds)
        : m_thread([this, what, seconds] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_back; })) {
                  std::fprintf(stderr, "FROZEN: %s did not come back within %d s\n", what, seconds);
                  std::abort();
              }
          })
    {
    }
    ~FreezeGuard()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_back = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    FreezeGuard(const FreezeGuard &) = delete;
    FreezeGuard &operator=(const FreezeGuard &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_back = false;
    std::thread m_thread;
};

} // namespace tablicznik::testing
