#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Ends the process with the seed to replay when the monkey makes no progress, because a hung
// program would otherwise only be killed by CTest without a word on how to reproduce it.
class HangGuard
{
public:
    // No single action takes this long, even under the sanitizers: the program hangs.
    static constexpr std::chrono::seconds HangLimit {30};

    HangGuard(const std::atomic<int> &progress, std::uint32_t seed)
        : m_thread([this, &progress, seed] { watch(progress, seed); })
    {
    }

    ~HangGuard()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    void watch(const std::atomic<int> &progress, std::uint32_t seed)
    {
        std::unique_lock lock(m_mutex);
        int seen = -1;
        while (!m_wake.wait_for(lock, HangLimit, [this] { return m_stopping; })) {
            const int now = progress.load();
            if (now == seen) {
                std::fprintf(stderr,
                             "FAIL: the program hangs after monkey action %d with seed %u (replay "
                             "with TOVIK_MONKEY_SEED=%u)\n",
                             now, seed, seed);
                std::abort();
            }
            seen = now;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};
