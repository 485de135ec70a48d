// What the loopback tests share: waiting on the event loop, short timeouts, a recorder of a link's signals, a raw peer.
#pragma once

#include "network/duel_host.h"
#include "network/duel_link.h"
#include "network/peer_host.h"
#include "network/wire_format.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace duel::net::testing {

// Runs the event loop until `done` holds or `ms` have passed; true when it holds.
inline bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Lets the event loop run for `ms`.
inline void Spin(int ms) {
    WaitFor([] { return false; }, ms);
}

inline LinkTimeouts FastTimeouts() {
    LinkTimeouts timeouts;
    timeouts.greetingMs = 600;
    timeouts.silenceMs = 1500;
    timeouts.keepAliveMs = 250;
    timeouts.connectMs = 3000;
    timeouts.lingerMs = 400;
    timeouts.quitFlushMs = 200;
    return timeouts;
}

inline std::string FixedSalt(size_t bytes) { return std::string(bytes, 's'); }

// Every signal of one link, as lines such as "answer 1234 1 2" and "ended".
struct Recorder {
    std::vector<std::string> log;
    std::optional<DuelEnd> end;

    void Watch(DuelLink* link) {
        const auto add = [this](std::string line) { log.push_back(std::move(line)); };
        QObject::connect(link, &DuelLink::peerGreeted, link,
                         [add](const QString& name) { add("greeted " + name.toStdString()); });
        QObject::connect(link, &DuelLink::accepted, link, [add] { add("accepted"); });
        QObject::connect(link, &DuelLink::peerCommitted, link, [add] { add("committed"); });
        QObject::connect(link, &DuelLink::guessReceived, link, [add](const QString& guess, int exact, int partial) {
            add("guess " + guess.toStdString() + " " + std::to_string(exact) + " " + std::to_string(partial));
        });
        QObject::connect(link, &DuelLink::answerReceived, link, [add](const QString& guess, int exact, int partial) {
            add("answer " + guess.toStdString() + " " + std::to_string(exact) + " " + std::to_string(partial));
        });
        QObject::connect(link, &DuelLink::revealReceived, link,
                         [add](const QString& number) { add("reveal " + number.toStdString()); });
        QObject::connect(link, &DuelLink::ended, link, [this, add](const DuelEnd& e) {
            add("ended");
            end = e;
        });
    }
    bool ended() const { return end.has_value(); }
};

// Both ends of one duel and what each was told: the host's side hears of the guest through a
// DuelHost or a JabberHost (`WatchHost`), the guest joins through `Self::Join()`.
template <class Self>
struct LinkedPair {
    Recorder hostRecord, guestRecord;
    std::vector<std::string> asked, dropped;
    bool acceptPeers = true;
    QPointer<DuelLink> hostLink;
    std::unique_ptr<DuelLink> guest;

    void WatchHost(PeerHost& host) {
        QObject::connect(&host, &PeerHost::peerAsks, &host,
                         [this](DuelLink* link, const QString& name, const QString& address) {
                             asked.push_back(name.toStdString() + " " + address.toStdString());
                             hostLink = link;
                             hostRecord.Watch(link);
                             if (acceptPeers) link->Accept();
                         });
        QObject::connect(&host, &PeerHost::peerDropped, &host,
                         [this](const QString& text) { dropped.push_back(text.toStdString()); });
    }

    // Joins, and both commit once the host has said yes.
    void Start(const std::string& hostNumber, const std::string& guestNumber) {
        static_cast<Self*>(this)->Join();
        ASSERT_TRUE(WaitFor([&] { return hostLink && guest->stage() == Stage::Committing; }, 10000));
        ASSERT_TRUE(hostLink->Commit(hostNumber));
        ASSERT_TRUE(guest->Commit(guestNumber));
        ASSERT_TRUE(WaitFor([&] { return hostLink->stage() == Stage::Playing && guest->stage() == Stage::Playing; }));
    }

    // One round: each side guesses when its turn comes, unless the duel has ended.
    void Round(const std::string& hostGuess, const std::string& guestGuess) {
        ASSERT_TRUE(WaitFor([&] { return hostLink->myTurn(); }));
        ASSERT_TRUE(hostLink->Guess(hostGuess));
        ASSERT_TRUE(WaitFor([&] { return guest->myTurn() || guestRecord.ended(); }));
        if (!guestRecord.ended()) {
            ASSERT_TRUE(guest->Guess(guestGuess));
        }
    }

    bool BothEnded() {
        return WaitFor([&] { return hostRecord.ended() && guestRecord.ended(); });
    }
};

// A peer that writes and reads raw lines, to play by hand what a real link would never do.
class RawPeer {
public:
    explicit RawPeer(quint16 port) {
        QObject::connect(&socket_, &QIODevice::readyRead, &socket_, [this] { received_ += socket_.readAll(); });
        QObject::connect(&socket_, &QAbstractSocket::disconnected, &socket_, [this] { closed_ = true; });
        socket_.connectToHost(QHostAddress::LocalHost, port);
        WaitFor([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
    }
    void Send(const std::string& bytes) {
        socket_.write(QByteArray::fromStdString(bytes));
        socket_.flush();
    }
    void SendLine(const std::string& line) { Send(line + "\n"); }
    // The lines received so far.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const QByteArray& line : received_.split('\n')) lines.push_back(line.toStdString());
        if (!lines.empty()) lines.pop_back();  // the unfinished rest
        return lines;
    }
    bool Has(const std::string& line) const {
        const std::vector<std::string> lines = Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool WaitForLine(const std::string& line, int ms = 5000) {
        return WaitFor([&] { return Has(line); }, ms);
    }
    bool WaitForClose(int ms = 5000) {
        return WaitFor([this] { return closed_; }, ms);
    }
    void Close() { socket_.abort(); }
    bool closed() const { return closed_; }

private:
    QTcpSocket socket_;
    QByteArray received_;
    bool closed_ = false;
};

}  // namespace duel::net::testing
