// Cuts off a socket on which a blocking call has waited too long: libstrophe's TLS handshake
// waits for the server without a limit of its own.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace duel::net {

// A thread that sleeps until `ms` from its making; from then on, while a socket is armed (the
// main thread is inside a call that may block on it), it shuts that socket down, which ends the
// call with an error.  It touches nothing else: no socket is closed, no library is called.
class ConnectWatchdog {
public:
    explicit ConnectWatchdog(int ms);
    ~ConnectWatchdog();
    ConnectWatchdog(const ConnectWatchdog&) = delete;
    ConnectWatchdog& operator=(const ConnectWatchdog&) = delete;

    void Arm(int fd);
    void Disarm();
    bool fired() const;

private:
    void Run();

    const std::chrono::steady_clock::time_point deadline_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    int fd_ = -1;
    bool fired_ = false;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace duel::net
