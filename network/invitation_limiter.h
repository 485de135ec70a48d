// How many invitations a waiting game takes: a stranger cannot pile up questions or answers.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>

namespace duel::net {

// Within any `windowMs`, at most `perSender` invitations from one sender and `overall` from
// everyone are taken; the rest are refused unanswered.  Times are milliseconds of a monotonic clock.
class InvitationLimiter {
public:
    InvitationLimiter(int perSender = 3, int overall = 10, int64_t windowMs = 60000)
        : perSender_(perSender), overall_(overall), windowMs_(windowMs) {}

    // True when an invitation from `sender` at `nowMs` is taken (and counted).
    bool Take(const std::string& sender, int64_t nowMs);

private:
    void Forget(int64_t nowMs);

    int perSender_, overall_;
    int64_t windowMs_;
    std::deque<std::pair<int64_t, std::string>> taken_;  // oldest first
    std::map<std::string, int> bySender_;
};

}  // namespace duel::net
