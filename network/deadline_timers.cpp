// The deadline timers: restarted on progress, never by a keep-alive; what passes goes back to the protocol.
#include "network/deadline_timers.h"

#include <QPointer>

namespace duel::net {

DeadlineTimers::DeadlineTimers(DuelProtocol& protocol, std::function<void(Reaction)> apply, QObject* parent)
    : QObject(parent), protocol_(protocol), apply_(std::move(apply)) {
    for (QTimer* timer : {&peer_, &own_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&peer_, &QTimer::timeout, this, [this] { apply_(protocol_.PeerLate()); });
    connect(&own_, &QTimer::timeout, this, [this] {
        const QPointer<DeadlineTimers> self(this);
        apply_(protocol_.OwnTimeUp());
        if (!self) return;
        // The first time this side's move is only up: the grace for the peer's verdict follows.
        if (protocol_.stage() != Stage::Over) Arm(own_, protocol_.ownDeadlineMs());
    });
}

void DeadlineTimers::Arm(QTimer& timer, const std::optional<int>& ms) {
    if (ms)
        timer.start(*ms);
    else
        timer.stop();
}

void DeadlineTimers::Update() {
    if (protocol_.stage() == Stage::Over) return Stop();
    if (protocol_.progress() == armedAt_) return;
    armedAt_ = protocol_.progress();
    Arm(peer_, protocol_.peerDeadlineMs());
    Arm(own_, protocol_.ownDeadlineMs());
}

void DeadlineTimers::Stop() {
    peer_.stop();
    own_.stop();
}

int DeadlineTimers::ownMsLeft() const {
    if (!protocol_.ownDeadlineMs()) return -1;
    return protocol_.ownTimeUp() || !own_.isActive() ? 0 : own_.remainingTime();
}

}  // namespace duel::net
