// Two real links over loopback: whole duels, the host's no, busy, a lying peer and connections lost in each phase.
#include "network/duel_host.h"
#include "network/duel_link.h"
#include "network/network_texts.h"
#include "network/sha256.h"
#include "tests/network/loopback.h"

#include <QPointer>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace duel::net {
namespace {

using testing::FastTimeouts;
using testing::FixedSalt;
using testing::RawPeer;
using testing::Recorder;
using testing::Spin;
using testing::WaitFor;

// A host named Алиса waiting on a free port and, once joined, a guest named Борис.
struct LoopbackDuel {
    Recorder hostRecord, guestRecord;
    std::vector<std::string> asked, dropped;
    int waits = 0;
    bool acceptPeers = true;
    DuelHost host{"Алиса", FastTimeouts(), FixedSalt};
    QPointer<DuelLink> hostLink;
    std::unique_ptr<DuelLink> guest;

    LoopbackDuel() {
        QObject::connect(&host, &DuelHost::peerAsks, &host,
                         [this](DuelLink* link, const QString& name, const QString& address) {
                             asked.push_back(name.toStdString() + " " + address.toStdString());
                             hostLink = link;
                             hostRecord.Watch(link);
                             if (acceptPeers) link->Accept();
                         });
        QObject::connect(&host, &DuelHost::peerDropped, &host,
                         [this](const QString& text) { dropped.push_back(text.toStdString()); });
        QObject::connect(&host, &DuelHost::waiting, &host, [this] { ++waits; });
        EXPECT_TRUE(host.Listen(0)) << host.errorText().toStdString();
    }

    void Join() {
        guest.reset(DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Борис", FastTimeouts(), FixedSalt));
        guestRecord.Watch(guest.get());
    }

    // Joins, and both commit once the host has said yes.
    void Start(const std::string& hostNumber, const std::string& guestNumber) {
        Join();
        ASSERT_TRUE(WaitFor([&] { return hostLink && guest->stage() == Stage::Committing; }));
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

TEST(LoopbackDuel, WholeDuelsEndAlikeOnBothSides) {
    struct Case {
        const char* hostGuess;
        const char* guestGuess;
        EndKind host, guest;
        const char* hostText;
        const char* guestText;
    };
    const Case cases[] = {
        {"5678", "9876", EndKind::Won, EndKind::Lost, "Вы победили!", "Победил соперник «Алиса»."},
        {"9876", "1234", EndKind::Lost, EndKind::Won, "Победил соперник «Борис».", "Вы победили!"},
        {"5678", "1234", EndKind::Draw, EndKind::Draw, "Ничья.", "Ничья."},
    };
    for (const Case& c : cases) {
        LoopbackDuel duel;
        duel.Start("1234", "5678");
        ASSERT_EQ(duel.asked, std::vector<std::string>{"Борис 127.0.0.1"});
        duel.Round("1357", "2468");
        duel.Round(c.hostGuess, c.guestGuess);
        ASSERT_TRUE(duel.BothEnded()) << c.hostGuess;
        EXPECT_EQ(duel.hostRecord.end->kind, c.host);
        EXPECT_EQ(duel.guestRecord.end->kind, c.guest);
        EXPECT_EQ(duel.hostRecord.end->text, c.hostText);
        EXPECT_EQ(duel.guestRecord.end->text, c.guestText);
        EXPECT_EQ(duel.hostRecord.end->peerNumber, "5678");
        EXPECT_EQ(duel.guestRecord.end->peerNumber, "1234");
        // What each side was told, in order: the guest's answers are its own link's, scored from 5678.
        EXPECT_EQ(duel.guestRecord.log[0], "greeted Алиса");
        EXPECT_EQ(duel.guestRecord.log[1], "accepted");
        EXPECT_EQ(duel.guestRecord.log[3], "guess 1357 0 2");
        EXPECT_EQ(duel.guestRecord.log[4], "answer 2468 0 2");
        // The duel is over: the host no longer listens.
        EXPECT_FALSE(duel.host.listening());
    }
}

TEST(LoopbackDuel, TheHostsNoIsHeardAndTheHostWaitsAgain) {
    LoopbackDuel duel;
    duel.acceptPeers = false;
    duel.Join();
    ASSERT_TRUE(WaitFor([&] { return duel.hostLink != nullptr; }));
    duel.hostLink->Decline();
    ASSERT_TRUE(WaitFor([&] { return duel.guestRecord.ended(); }));
    EXPECT_EQ(duel.guestRecord.end->kind, EndKind::Declined);
    EXPECT_EQ(duel.guestRecord.end->text, "Соперник отказался от дуэли.");
    EXPECT_TRUE(duel.host.listening());
    EXPECT_EQ(duel.waits, 2);
    // The next peer is asked as the first was.
    duel.acceptPeers = true;
    duel.Join();
    ASSERT_TRUE(WaitFor([&] { return duel.guest->stage() == Stage::Committing; }));
    EXPECT_EQ(duel.asked.size(), 2u);
}

TEST(LoopbackDuel, ASecondPeerHearsTheHostIsBusyAndTheDuelGoesOn) {
    LoopbackDuel duel;
    duel.Start("1234", "5678");
    std::unique_ptr<DuelLink> late(
        DuelLink::Join(QStringLiteral("127.0.0.1"), duel.host.port(), "Вера", FastTimeouts(), FixedSalt));
    Recorder lateRecord;
    lateRecord.Watch(late.get());
    ASSERT_TRUE(WaitFor([&] { return lateRecord.ended(); }));
    EXPECT_EQ(lateRecord.end->kind, EndKind::Busy);
    EXPECT_EQ(lateRecord.end->text, "Соперник уже играет.");
    duel.Round("5678", "9876");
    ASSERT_TRUE(duel.BothEnded());
    EXPECT_EQ(duel.hostRecord.end->kind, EndKind::Won);
    EXPECT_EQ(duel.asked.size(), 1u);
}

TEST(LoopbackDuel, ALyingPeerForfeitsAtTheReveal) {
    LoopbackDuel duel;
    RawPeer liar(duel.host.port());
    ASSERT_TRUE(liar.WaitForLine("HELLO 1 Алиса"));
    liar.SendLine("HELLO 1 Лжец");
    ASSERT_TRUE(liar.WaitForLine("ACCEPT"));
    const std::string salt(kSaltBytes, 'x');
    liar.SendLine("COMMIT " + ToHex(Sha256(salt + "5678")));
    ASSERT_TRUE(duel.hostLink->Commit("1234"));
    ASSERT_TRUE(WaitFor([&] { return duel.hostLink->myTurn(); }));
    duel.hostLink->Guess("5678");
    ASSERT_TRUE(liar.WaitForLine("GUESS 5678"));
    liar.SendLine("ANSWER 1 1");  // a lie: it was found
    liar.SendLine("GUESS 9876");
    ASSERT_TRUE(liar.WaitForLine("ANSWER 0 0"));
    ASSERT_TRUE(WaitFor([&] { return duel.hostLink->myTurn(); }));
    duel.hostLink->Guess("5678");
    liar.SendLine("ANSWER 4 0");
    liar.SendLine("GUESS 9875");
    ASSERT_TRUE(liar.WaitForLine("REVEAL " + ToHex(std::string(kSaltBytes, 's')) + " 1234"));
    liar.SendLine("REVEAL " + ToHex(salt) + " 5678");
    ASSERT_TRUE(WaitFor([&] { return duel.hostRecord.ended(); }));
    EXPECT_EQ(duel.hostRecord.end->kind, EndKind::OpponentLied);
    EXPECT_EQ(duel.hostRecord.end->text, "Ответы соперника не сходятся с его числом (ход 1).");
    EXPECT_TRUE(duel.hostRecord.end->duelBegan);
    EXPECT_TRUE(liar.WaitForLine("BYE"));
}

TEST(LoopbackDuel, AMoveIsAnsweredAtOnceNotAfterADelayedAcknowledgement) {
    LoopbackDuel duel;
    duel.Start("1234", "5678");
    std::vector<qint64> micros;
    for (int round = 0; round < 10; ++round) {
        for (DuelLink* side : {duel.hostLink.data(), duel.guest.get()}) {
            ASSERT_TRUE(WaitFor([&] { return side->myTurn(); }));
            QEventLoop loop;
            QElapsedTimer clock;
            const QMetaObject::Connection answered = QObject::connect(side, &DuelLink::answerReceived, &loop, [&] {
                micros.push_back(clock.nsecsElapsed() / 1000);
                loop.quit();
            });
            QTimer::singleShot(1000, &loop, &QEventLoop::quit);
            clock.start();
            ASSERT_TRUE(side->Guess(side == duel.guest.get() ? "9871" : "9872"));
            loop.exec();
            QObject::disconnect(answered);
        }
    }
    ASSERT_EQ(micros.size(), 20u);
    std::sort(micros.begin(), micros.end());
    // Small lines held back until the peer acknowledges take 40 ms each on Linux.
    EXPECT_LT(micros[micros.size() / 2], 20000) << "median of a move's round trip, microseconds";
}

TEST(LoopbackDuel, AConnectionLostInAnyPhaseEndsBothSidesAndOnlyADuelBegunIsForfeited) {
    enum class Phase { Deciding, Committing, Playing };
    for (Phase phase : {Phase::Deciding, Phase::Committing, Phase::Playing}) {
        LoopbackDuel duel;
        duel.acceptPeers = phase != Phase::Deciding;
        duel.Join();
        ASSERT_TRUE(WaitFor([&] { return duel.hostLink != nullptr; }));
        if (phase == Phase::Playing) {
            ASSERT_TRUE(WaitFor([&] { return duel.guest->stage() == Stage::Committing; }));
            duel.hostLink->Commit("1234");
            duel.guest->Commit("5678");
            ASSERT_TRUE(WaitFor([&] { return duel.hostLink->myTurn(); }));
            duel.hostLink->Guess("1243");
            ASSERT_TRUE(WaitFor([&] { return duel.guest->myTurn(); }));
        }
        duel.guest->Leave();  // as the program does on any quit
        EXPECT_EQ(duel.guestRecord.end->kind, EndKind::WeLeft);
        ASSERT_TRUE(WaitFor([&] { return duel.hostRecord.ended() || !duel.dropped.empty(); }, 3000));
        if (phase != Phase::Deciding) {
            // Said yes to: the game ends, forfeited once both had committed; the port closes.
            EXPECT_EQ(duel.hostRecord.end->kind, phase == Phase::Playing ? EndKind::OpponentLeft : EndKind::Broken);
            EXPECT_EQ(duel.hostRecord.end->duelBegan, phase == Phase::Playing);
            EXPECT_EQ(duel.hostRecord.end->text, "Связь с соперником потеряна.");
            EXPECT_FALSE(duel.host.listening());
        } else {
            // Not yet said yes to: the host waits for the next peer.
            EXPECT_EQ(duel.dropped, std::vector<std::string>{"Связь с соперником потеряна."});
            EXPECT_TRUE(duel.host.listening());
        }
    }

    // The host quits in the middle of a duel: the guest is told at once.
    LoopbackDuel duel;
    duel.Start("1234", "5678");
    duel.host.Stop();
    ASSERT_TRUE(WaitFor([&] { return duel.guestRecord.ended(); }, 1000));
    EXPECT_EQ(duel.guestRecord.end->kind, EndKind::OpponentLeft);
    EXPECT_EQ(duel.guestRecord.end->text, "Связь с соперником потеряна.");
    EXPECT_FALSE(duel.host.listening());
}

TEST(LoopbackDuel, APeerThatFallsSilentIsLostAfterTheSilenceTime) {
    LoopbackDuel duel;
    RawPeer silent(duel.host.port());
    silent.SendLine("HELLO 1 Молчун");
    ASSERT_TRUE(silent.WaitForLine("ACCEPT"));
    // The host's own keep-alive keeps coming meanwhile.
    ASSERT_TRUE(silent.WaitForLine("PING", 1000));
    ASSERT_TRUE(WaitFor([&] { return duel.hostRecord.ended(); }, 4000));
    EXPECT_EQ(duel.hostRecord.end->text, "Связь с соперником потеряна.");
    EXPECT_TRUE(silent.WaitForClose(1000));
}

TEST(LoopbackDuel, AJoiningSideGivesUpOnAHostThatNeverGreetsOrIsNotThere) {
    // A port where something takes the connection and says nothing.
    QTcpServer mute;
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost));
    std::unique_ptr<DuelLink> link(
        DuelLink::Join(QStringLiteral("127.0.0.1"), mute.serverPort(), "Борис", FastTimeouts(), FixedSalt));
    Recorder record;
    record.Watch(link.get());
    ASSERT_TRUE(WaitFor([&] { return record.ended(); }, 3000));
    EXPECT_EQ(record.end->text, "Соперник не представился вовремя.");

    // A port where nobody listens.
    const quint16 closedPort = mute.serverPort();
    mute.close();
    std::unique_ptr<DuelLink> nobody(
        DuelLink::Join(QStringLiteral("127.0.0.1"), closedPort, "Борис", FastTimeouts(), FixedSalt));
    Recorder nobodyRecord;
    nobodyRecord.Watch(nobody.get());
    ASSERT_TRUE(WaitFor([&] { return nobodyRecord.ended(); }, 3000));
    EXPECT_EQ(nobodyRecord.end->kind, EndKind::Broken);
    EXPECT_EQ(nobodyRecord.end->text,
              "Не удалось подключиться к 127.0.0.1:" + std::to_string(closedPort) + ": там никто не ждёт игры.");
}

}  // namespace
}  // namespace duel::net
