// The duel's deadlines on Qt's timers, for any link that carries the protocol's lines.
#pragma once

#include "network/duel_protocol.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace duel::net {

// Two timers over one DuelProtocol: the peer's deadline and this side's own move.  The link
// calls Update after everything the protocol took or did; a deadline that passes is handed to
// `apply` as the protocol's reaction (PeerLate, OwnTimeUp), which the link carries out like any
// other.  The rules and the limits are the protocol's; this keeps only the time.
class DeadlineTimers : public QObject {
public:
    DeadlineTimers(DuelProtocol& protocol, std::function<void(Reaction)> apply, QObject* parent = nullptr);

    // Restarts the timers when the duel has moved on since they were started, stops what is owed no more.
    void Update();
    void Stop();

    // This side's own move: milliseconds until its time is up (0 once it is), or -1 while it owes none.
    int ownMsLeft() const;

private:
    void Arm(QTimer& timer, const std::optional<int>& ms);

    DuelProtocol& protocol_;
    std::function<void(Reaction)> apply_;
    QTimer peer_, own_;
    uint64_t armedAt_ = UINT64_MAX;  // the progress the timers were started at
};

}  // namespace duel::net
