// The watchdog's thread: a look every few milliseconds at the armed call.
#include "network/connect_watchdog.h"

#include <sys/socket.h>

namespace duel::net {

ConnectWatchdog::ConnectWatchdog(int ms, int longestCallMs)
    : deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms)),
      longestCall_(longestCallMs),
      thread_([this] { Run(); }) {}

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
    armedAt_ = std::chrono::steady_clock::now();
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
    while (!stop_) {
        const auto now = std::chrono::steady_clock::now();
        if (fd_ >= 0 && (now >= deadline_ || now - armedAt_ >= longestCall_)) {
            ::shutdown(fd_, SHUT_RDWR);
            fired_ = true;
        }
        wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stop_; });
    }
}

}  // namespace duel::net
