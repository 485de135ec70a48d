// A duel played to time its moves, whatever carries it: the host's side and the joining side guess
// in turn (numbers that never end the duel), and each guess is timed from the call that sends it to
// the signal that brings its answer.
#pragma once

#include "network/duel_link.h"
#include "network/peer_host.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace duel::net {

class RoundTrips {
public:
    RoundTrips(QCoreApplication& app, int moves) : app_(app), moves_(moves) {}

    // The host's side accepts the first peer that asks and moves first once both have committed.
    void WatchHost(PeerHost& host) {
        QObject::connect(&host, &PeerHost::peerAsks, &app_, [this](DuelLink* link, const QString&, const QString&) {
            hostLink_ = link;
            QObject::connect(link, &DuelLink::answerReceived, &app_, [this] { Timed(guest_.get(), "9871"); });
            QObject::connect(link, &DuelLink::ended, &app_,
                             [this] { app_.exit(static_cast<int>(seconds_.size()) >= moves_ ? 0 : 1); });
            QObject::connect(link, &DuelLink::peerCommitted, &app_,
                             [this] { QTimer::singleShot(0, &app_, [this] { Guess(hostLink_, "9872"); }); });
            link->Accept();
            link->Commit("1234");
        });
    }
    // The joining side, which the round trips own.
    void Join(DuelLink* guest) {
        guest_.reset(guest);
        QObject::connect(guest, &DuelLink::accepted, &app_, [this] { guest_->Commit("5678"); });
        QObject::connect(guest, &DuelLink::answerReceived, &app_, [this] { Timed(hostLink_, "9872"); });
        QObject::connect(guest, &DuelLink::ended, &app_, [this] { app_.exit(1); });
    }
    bool joined() const { return guest_ != nullptr; }

    // Runs the duel; the round trips in seconds, shortest first, or none when the duel ended early.
    std::vector<double> Run() {
        const int result = app_.exec();
        if (result != 0 || seconds_.empty()) {
            std::fprintf(stderr, "the duel ended after %zu moves\n", seconds_.size());
            return {};
        }
        if (guest_) guest_->Leave();
        std::sort(seconds_.begin(), seconds_.end());
        return seconds_;
    }

private:
    using Clock = std::chrono::steady_clock;

    void Guess(DuelLink* side, const char* number) {
        sent_ = Clock::now();
        if (!side->Guess(number)) {
            std::fprintf(stderr, "a guess out of turn\n");
            app_.exit(1);
        }
    }
    // The other side's turn came with the answer; its guess is the next move timed.
    void Timed(DuelLink* next, const char* number) {
        seconds_.push_back(std::chrono::duration<double>(Clock::now() - sent_).count());
        if (static_cast<int>(seconds_.size()) >= moves_) {
            app_.quit();
            return;
        }
        QTimer::singleShot(0, &app_, [this, next, number] { Guess(next, number); });
    }

    QCoreApplication& app_;
    const int moves_;
    DuelLink* hostLink_ = nullptr;
    std::unique_ptr<DuelLink> guest_;
    std::vector<double> seconds_;
    Clock::time_point sent_;
};

}  // namespace duel::net
