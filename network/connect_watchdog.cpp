// The watchdog's thread: one wait until the deadline, then a look every few milliseconds.
#include "network/connect_watchdog.h"

#include <sys/socket.h>

namespace duel::net {

ConnectWatchdog::ConnectWatchdog(int ms)
    : deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms)), thread_([this] { Run(); }) {}

ConnectWatchdog::~ConnectWatchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void ConnectWatchdog::Arm(int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    fd_ = fd;
}

void ConnectWatchdog::Disarm() {
    std::lock_guard<std::mutex> lock(mutex_);
    fd_ = -1;
}

bool ConnectWatchdog::fired() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return fired_;
}

void ConnectWatchdog::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wake_.wait_until(lock, deadline_, [this] { return stop_; })) return;
    while (!stop_) {
        if (fd_ >= 0) {
            ::shutdown(fd_, SHUT_RDWR);
            fired_ = true;
        }
        wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stop_; });
    }
}

}  // namespace duel::net
