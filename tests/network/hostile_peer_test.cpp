// A host against hostile peers over loopback: garbage, a 100 MB line, no greeting, intruders, a peer gone mid-move.
#include "network/duel_host.h"
#include "network/duel_link.h"
#include "network/network_texts.h"
#include "network/sha256.h"
#include "tests/network/loopback.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace duel::net {
namespace {

using testing::FastTimeouts;
using testing::FixedSalt;
using testing::RawPeer;
using testing::Recorder;
using testing::WaitFor;

// A host that accepts every peer it is asked about and counts what happens.
struct HostUnderAttack {
    std::vector<std::string> dropped;
    int asked = 0;
    int waits = 0;
    Recorder duelRecord;
    DuelHost host{"Алиса", FastTimeouts(), FixedSalt};
    QPointer<DuelLink> link;

    HostUnderAttack() {
        QObject::connect(&host, &DuelHost::peerAsks, &host, [this](DuelLink* asking, const QString&, const QString&) {
            ++asked;
            link = asking;
            duelRecord.Watch(asking);
            asking->Accept();
        });
        QObject::connect(&host, &DuelHost::peerDropped, &host,
                         [this](const QString& text) { dropped.push_back(text.toStdString()); });
        QObject::connect(&host, &DuelHost::waiting, &host, [this] { ++waits; });
        EXPECT_TRUE(host.Listen(0));
    }

    // An honest guest is still asked about, promptly.
    void ExpectAnHonestGuestIsAsked() {
        const int before = asked;
        std::unique_ptr<DuelLink> guest(
            DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Борис", FastTimeouts(), FixedSalt));
        EXPECT_TRUE(WaitFor([&] { return asked == before + 1; }, 1000)) << "the host no longer answers";
        EXPECT_TRUE(WaitFor([&] { return guest->stage() == Stage::Committing; }, 1000));
    }
};

long ResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

TEST(HostilePeer, GarbageIsRefusedAndTheHostWaitsAgain) {
    HostUnderAttack attack;
    {
        RawPeer garbage(attack.host.port());
        garbage.Send(std::string("\x00\xff\x13garbage\x7f\n", 12));
        ASSERT_TRUE(garbage.WaitForClose(2000));
    }
    {
        RawPeer noLineEnd(attack.host.port());
        noLineEnd.Send(std::string(5000, '\xee'));
        ASSERT_TRUE(noLineEnd.WaitForClose(2000));
    }
    EXPECT_EQ(attack.dropped, (std::vector<std::string>{"Соперник прислал непонятное сообщение.",
                                                        "Соперник прислал слишком длинное сообщение."}));
    EXPECT_EQ(attack.waits, 3);
    EXPECT_EQ(attack.asked, 0);
    attack.ExpectAnHonestGuestIsAsked();
}

TEST(HostilePeer, AHundredMegabytesWithoutALineEndCostAFewKilobytesAndAreCutOff) {
    HostUnderAttack attack;
    const long before = ResidentKib();
    std::atomic<long long> sent{0};
    std::atomic<bool> done{false};
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(attack.host.port());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // A blocking writer in a thread of its own, so that the host's event loop runs meanwhile.
    std::thread flood([&] {
        const std::string piece(64 * 1024, 'x');
        while (sent < 100LL * 1024 * 1024) {
            const ssize_t wrote = send(fd, piece.data(), piece.size(), MSG_NOSIGNAL);
            if (wrote <= 0) break;
            sent += wrote;
        }
        done = true;
    });
    const bool cutOff = WaitFor([&] { return done.load(); }, 20000);
    shutdown(fd, SHUT_RDWR);  // a writer the host never cut off is stopped here
    flood.join();
    close(fd);
    ASSERT_TRUE(cutOff) << "the stream went on for 20 s";
    std::printf("the host cut the stream off after %lld bytes had left the writer\n", sent.load());
    EXPECT_LT(sent.load(), 100LL * 1024 * 1024) << "the host read the whole stream";
    EXPECT_LT(ResidentKib() - before, 8 * 1024) << "kilobytes held for one unfinished line";
    ASSERT_TRUE(WaitFor([&] { return !attack.dropped.empty(); }, 2000));
    EXPECT_EQ(attack.dropped.front(), "Соперник прислал слишком длинное сообщение.");
    EXPECT_TRUE(attack.host.listening());
    attack.ExpectAnHonestGuestIsAsked();
}

TEST(HostilePeer, AGreetingThatNeverComesIsDroppedAndOthersHearBusyMeanwhile) {
    HostUnderAttack attack;
    RawPeer mute(attack.host.port());
    ASSERT_TRUE(mute.WaitForLine("HELLO 1 Алиса"));
    // Meanwhile the host is taken: a second peer hears BUSY, and the host closes on it.
    RawPeer intruder(attack.host.port());
    ASSERT_TRUE(intruder.WaitForClose(2000));
    EXPECT_EQ(intruder.Lines(), std::vector<std::string>{"BUSY 1"});
    // The greeting time passes.
    ASSERT_TRUE(mute.WaitForClose(2000));
    ASSERT_TRUE(WaitFor([&] { return attack.waits == 2; }, 1000));
    EXPECT_EQ(attack.dropped, std::vector<std::string>{"Соперник не представился вовремя."});
    attack.ExpectAnHonestGuestIsAsked();
}

TEST(HostilePeer, IntrudersDuringADuelHearBusyAndTheDuelGoesOn) {
    HostUnderAttack attack;
    RawPeer player(attack.host.port());
    player.SendLine("HELLO 1 Борис");
    ASSERT_TRUE(player.WaitForLine("ACCEPT"));
    std::vector<std::unique_ptr<RawPeer>> intruders;
    for (int i = 0; i < 3; ++i) intruders.push_back(std::make_unique<RawPeer>(attack.host.port()));
    for (auto& intruder : intruders) {
        intruder->SendLine("HELLO 1 Вор");
        ASSERT_TRUE(intruder->WaitForClose(2000));
        EXPECT_EQ(intruder->Lines(), std::vector<std::string>{"BUSY 1"});
    }
    EXPECT_EQ(attack.asked, 1);
    EXPECT_FALSE(attack.duelRecord.ended());
    EXPECT_EQ(attack.link->stage(), Stage::Committing);
}

TEST(HostilePeer, APeerThatClosesMidMoveEndsTheDuelAtOnceAndTheHostCanWaitAgain) {
    HostUnderAttack attack;
    const quint16 port = attack.host.port();
    {
        RawPeer player(port);
        player.SendLine("HELLO 1 Борис");
        ASSERT_TRUE(player.WaitForLine("ACCEPT"));
        player.SendLine("COMMIT " + ToHex(Sha256(std::string(kSaltBytes, 'p') + "5678")));
        ASSERT_TRUE(attack.link->Commit("1234"));
        ASSERT_TRUE(WaitFor([&] { return attack.link->myTurn(); }));
        attack.link->Guess("5612");
        ASSERT_TRUE(player.WaitForLine("GUESS 5612"));
        player.Close();  // gone before its answer
    }
    ASSERT_TRUE(WaitFor([&] { return attack.duelRecord.ended(); }, 1000)) << "the host waits out the silence time";
    EXPECT_EQ(attack.duelRecord.end->kind, EndKind::OpponentLeft);
    EXPECT_EQ(attack.duelRecord.end->text, "Соперник покинул дуэль. Победа засчитана вам.");
    EXPECT_TRUE(attack.duelRecord.end->duelBegan);
    // The duel is over and so is the listening; hosting again takes the same port.
    EXPECT_FALSE(attack.host.listening());
    ASSERT_TRUE(attack.host.Listen(port)) << attack.host.errorText().toStdString();
    attack.ExpectAnHonestGuestIsAsked();
}

TEST(HostilePeer, APortInUseIsToldInRussian) {
    HostUnderAttack first;
    DuelHost second("Вера", FastTimeouts(), FixedSalt);
    EXPECT_FALSE(second.Listen(first.host.port()));
    EXPECT_EQ(second.errorText().toStdString(), "Не удалось открыть порт " + std::to_string(first.host.port()) +
                                                    " для дуэли: он занят другой программой.");
    // A port below 1024 without root: the system says no, and the player learns why (a test run
    // as root is never refused, so the text is asked for directly).
    EXPECT_EQ(ListenFailureText(80, QAbstractSocket::SocketAccessError, QStringLiteral("Адрес защищён")),
              QStringLiteral("Не удалось открыть порт 80 для дуэли: порты ниже 1024 может открыть только "
                             "администратор (root). Выберите порт от 1024 до 65535."));
}

}  // namespace
}  // namespace duel::net
