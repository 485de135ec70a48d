// The invitations taken within the window, oldest first, counted by sender.
#include "network/invitation_limiter.h"

namespace duel::net {

void InvitationLimiter::Forget(int64_t nowMs) {
    while (!taken_.empty() && nowMs - taken_.front().first >= windowMs_) {
        const auto found = bySender_.find(taken_.front().second);
        if (found != bySender_.end() && --found->second <= 0) bySender_.erase(found);
        taken_.pop_front();
    }
}

bool InvitationLimiter::Take(const std::string& sender, int64_t nowMs) {
    Forget(nowMs);
    if (static_cast<int>(taken_.size()) >= overall_) return false;
    int& count = bySender_[sender];
    if (count >= perSender_) return false;
    ++count;
    taken_.emplace_back(nowMs, sender);
    return true;
}

}  // namespace duel::net
