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
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace duel::net {
namespace {

using testing::FastTimeouts;
using testing::FixedSalt;
using testing::RawPeer;
using testing::Recorder;
using testing::Spin;
using testing::WaitFor;

// A host named Алиса waiting on a free port and, once joined, a guest named Борис.
struct LoopbackDuel : testing::LinkedPair<LoopbackDuel> {
    int waits = 0;
    DuelHost host{"Алиса", FastTimeouts(), FixedSalt};

    LoopbackDuel() {
        WatchHost(host);
        QObject::connect(&host, &DuelHost::waiting, &host, [this] { ++waits; });
        EXPECT_TRUE(host.Listen(0)) << host.errorText().toStdString();
    }

    void Join() {
        guest.reset(DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Борис", FastTimeouts(), FixedSalt));
        guestRecord.Watch(guest.get());
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

// The lie in the last move of the duel, over real links: the liar denies the host's last
// guess a hit in the round in which it finds the host's number itself.
TEST(LoopbackDuel, ALieInTheLastMoveIsCaughtAtTheReveal) {
    LoopbackDuel duel;
    RawPeer liar(duel.host.port());
    liar.SendLine("HELLO 1 Лжец");
    ASSERT_TRUE(liar.WaitForLine("ACCEPT"));
    const std::string salt(kSaltBytes, 'x');
    liar.SendLine("COMMIT " + ToHex(Sha256(salt + "5678")));
    ASSERT_TRUE(duel.hostLink->Commit("1234"));
    ASSERT_TRUE(WaitFor([&] { return duel.hostLink->myTurn(); }));
    duel.hostLink->Guess("1357");
    ASSERT_TRUE(liar.WaitForLine("GUESS 1357"));
    liar.SendLine("ANSWER 0 2");  // the truth
    liar.SendLine("GUESS 9876");
    ASSERT_TRUE(WaitFor([&] { return duel.hostLink->myTurn(); }));
    duel.hostLink->Guess("9685");
    ASSERT_TRUE(liar.WaitForLine("GUESS 9685"));
    liar.SendLine("ANSWER 0 0");  // a lie: 9685 scores 0 3 against 5678
    liar.SendLine("GUESS 1234");  // and the liar finds the number in this round
    ASSERT_TRUE(liar.WaitForLine("REVEAL " + ToHex(std::string(kSaltBytes, 's')) + " 1234"));
    liar.SendLine("REVEAL " + ToHex(salt) + " 5678");
    ASSERT_TRUE(WaitFor([&] { return duel.hostRecord.ended(); }));
    EXPECT_EQ(duel.hostRecord.end->kind, EndKind::OpponentLied);
    EXPECT_EQ(duel.hostRecord.end->text, "Ответы соперника не сходятся с его числом (ход 2).");
    EXPECT_EQ(duel.hostRecord.end->peerNumber, "");
}

// A peer that keeps sending keep-alives but never moves, or never reveals its number, loses once
// its deadline has passed; the connection's keep-alive does not hold the duel up.
TEST(LoopbackDuel, APeerThatOnlyPingsLosesWhenItsDeadlinePasses) {
    LinkTimeouts timeouts = FastTimeouts();
    timeouts.deadlines.moveMs = 900;
    timeouts.deadlines.revealMs = 500;
    timeouts.deadlines.marginMs = 100;
    for (const bool reveals : {false, true}) {
        DuelHost host("Алиса", timeouts, FixedSalt);
        Recorder record;
        QPointer<DuelLink> link;
        QObject::connect(&host, &DuelHost::peerAsks, &host, [&](DuelLink* asking, const QString&, const QString&) {
            link = asking;
            record.Watch(asking);
            asking->Accept();
        });
        ASSERT_TRUE(host.Listen(0));
        RawPeer staller(host.port());
        staller.SendLine("HELLO 1 Тянучка");
        ASSERT_TRUE(staller.WaitForLine("ACCEPT"));
        staller.SendLine("COMMIT " + ToHex(Sha256(std::string(kSaltBytes, 'p') + "5678")));
        ASSERT_TRUE(link->Commit("1234"));
        ASSERT_TRUE(WaitFor([&] { return link->myTurn(); }));
        link->Guess(reveals ? "5678" : "9123");
        ASSERT_TRUE(staller.WaitForLine(reveals ? "GUESS 5678" : "GUESS 9123"));
        if (reveals) {
            staller.SendLine("ANSWER 4 0");
            staller.SendLine("GUESS 9876");  // the round is over; its reveal never comes
        } else {
            staller.SendLine("ANSWER 0 0");  // and its own move never comes
        }
        QElapsedTimer clock;
        clock.start();
        while (!record.ended() && clock.elapsed() < 4000) {
            staller.SendLine("PING");  // faster than any deadline
            Spin(100);
        }
        ASSERT_TRUE(record.ended()) << "the keep-alives held the duel up";
        EXPECT_EQ(record.end->kind, EndKind::OpponentLeft);
        EXPECT_EQ(record.end->text, reveals ? "Соперник не открыл своё число. Победа засчитана вам."
                                            : "Соперник не сделал ход за 2 минуты. Победа засчитана вам.");
        EXPECT_TRUE(staller.WaitForLine("BYE"));
    }
}

// Two real links: the host's player never moves.  The guest's link gives its verdict, and the
// host's agrees that the host stalled.
TEST(LoopbackDuel, BothSidesAgreeThatThePlayerWhoDidNotMoveLost) {
    LinkTimeouts timeouts = FastTimeouts();
    timeouts.deadlines.moveMs = 800;
    timeouts.deadlines.marginMs = 150;
    DuelHost host("Алиса", timeouts, FixedSalt);
    Recorder hostRecord, guestRecord;
    QPointer<DuelLink> hostLink;
    QObject::connect(&host, &DuelHost::peerAsks, &host, [&](DuelLink* asking, const QString&, const QString&) {
        hostLink = asking;
        hostRecord.Watch(asking);
        asking->Accept();
    });
    ASSERT_TRUE(host.Listen(0));
    std::unique_ptr<DuelLink> guest(
        DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Борис", timeouts, FixedSalt));
    guestRecord.Watch(guest.get());
    ASSERT_TRUE(WaitFor([&] { return hostLink && guest->stage() == Stage::Committing; }));
    ASSERT_TRUE(guest->Commit("5678"));
    ASSERT_TRUE(hostLink->Commit("1234"));
    ASSERT_TRUE(WaitFor([&] { return hostLink->myTurn(); }));
    EXPECT_GT(hostLink->ownMoveMsLeft(), 0);
    EXPECT_LE(hostLink->ownMoveMsLeft(), 650);
    EXPECT_EQ(guest->ownMoveMsLeft(), -1);
    ASSERT_TRUE(WaitFor([&] { return hostRecord.ended() && guestRecord.ended(); }, 4000));
    EXPECT_EQ(hostRecord.end->kind, EndKind::WeStalled);
    EXPECT_EQ(hostRecord.end->text, "Вы не сделали ход за 2 минуты. Победа засчитана сопернику.");
    EXPECT_EQ(guestRecord.end->kind, EndKind::OpponentLeft);
    EXPECT_EQ(guestRecord.end->text, "Соперник не сделал ход за 2 минуты. Победа засчитана вам.");
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
        EXPECT_EQ(duel.guestRecord.end->duelBegan, phase == Phase::Playing);
        ASSERT_TRUE(WaitFor([&] { return duel.hostRecord.ended() || !duel.dropped.empty(); }, 3000));
        if (phase != Phase::Deciding) {
            // Said yes to: the game ends, forfeited once both had committed; the port closes.
            EXPECT_EQ(duel.hostRecord.end->kind, phase == Phase::Playing ? EndKind::OpponentLeft : EndKind::Broken);
            EXPECT_EQ(duel.hostRecord.end->duelBegan, phase == Phase::Playing);
            EXPECT_EQ(duel.hostRecord.end->text, phase == Phase::Playing
                                                     ? "Соперник покинул дуэль. Победа засчитана вам."
                                                     : "Связь с соперником потеряна.");
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
    EXPECT_EQ(duel.guestRecord.end->text, "Соперник покинул дуэль. Победа засчитана вам.");
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

    // A port whose queue of connections is full: the system drops the joining side's request, and
    // the joining side gives up after its connect time.
    const int full = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(full, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(full, 0), 0);
    socklen_t length = sizeof address;
    getsockname(full, reinterpret_cast<sockaddr*>(&address), &length);
    const quint16 fullPort = ntohs(address.sin_port);
    std::vector<int> fillers;
    for (int i = 0; i < 3; ++i) {  // what the queue holds, and more, none of them taken
        const int filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        fillers.push_back(filler);
    }
    Spin(100);
    LinkTimeouts quick = FastTimeouts();
    quick.connectMs = 400;
    std::unique_ptr<DuelLink> waiting(DuelLink::Join(QStringLiteral("127.0.0.1"), fullPort, "Борис", quick, FixedSalt));
    Recorder waitingRecord;
    waitingRecord.Watch(waiting.get());
    const bool ended = WaitFor([&] { return waitingRecord.ended(); }, 3000);
    for (const int filler : fillers) close(filler);
    close(full);
    ASSERT_TRUE(ended);
    EXPECT_EQ(waitingRecord.end->text,
              "Не удалось подключиться к 127.0.0.1:" + std::to_string(fullPort) + ": соперник не отвечает.");
}

}  // namespace
}  // namespace duel::net
