// Cuts off a socket on which a blocking call has waited too long: libstrophe's TLS handshake
// waits for the server without a limit of its own.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace duel::net {

// A thread that shuts an armed socket down (the main thread is inside a call that may block on
// it), which ends the call with an error: from `ms` after its making, and whenever one call has
// blocked for `longestCallMs`.  The second limit keeps the event loop, and with it a quit request,
// from waiting out the whole login for a server that stopped answering.  It touches nothing else:
// no socket is closed, no library is called.
class ConnectWatchdog {
public:
    static constexpr int kLongestCallMs = 5000;

    explicit ConnectWatchdog(int ms, int longestCallMs = kLongestCallMs);
    ~ConnectWatchdog();
    ConnectWatchdog(const ConnectWatchdog&) = delete;
    ConnectWatchdog& operator=(const ConnectWatchdog&) = delete;

    void Arm(int fd);
    void Disarm();
    bool fired() const;

private:
    void Run();

    const std::chrono::steady_clock::time_point deadline_;
    const std::chrono::milliseconds longestCall_;
    std::chrono::steady_clock::time_point armedAt_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    int fd_ = -1;
    bool fired_ = false;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace duel::net
