// Two links through the tests' server: whole duels, the host's no, busy, a friend whose game does not wait, the server
// gone.
#include "network/network_texts.h"
#include "tests/jabber/jabber_server.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

namespace duel::testing {
namespace {

using net::DuelLink;
using net::EndKind;
using net::JabberHost;
using net::Stage;
using net::testing::FixedSalt;
using net::testing::Recorder;
using net::testing::WaitFor;

// Алиса waits on alice's account; Борис invites her from bob's.
struct JabberDuel : net::testing::LinkedPair<JabberDuel> {
    std::vector<std::string> failures;
    int waits = 0;
    JabberHost host{"Алиса", JabberTimeouts(), FixedSalt};

    explicit JabberDuel(const net::JabberAccount& account = Alice()) {
        WatchHost(host);
        QObject::connect(&host, &JabberHost::waiting, &host, [this] { ++waits; });
        QObject::connect(&host, &JabberHost::failed, &host,
                         [this](const QString& text) { failures.push_back(text.toStdString()); });
        host.Start(account);
        EXPECT_TRUE(WaitFor([&] { return waits > 0 || !failures.empty(); }, 10000));
        EXPECT_EQ(waits, 1);
    }

    void Join(const net::JabberAccount& account = Bob(), const QString& friendJid = Jid("alice")) {
        guest.reset(net::JoinThroughJabber(account, friendJid, "Борис", JabberTimeouts(), FixedSalt));
        guestRecord.Watch(guest.get());
    }
};

TEST(JabberDuel, WholeDuelsEndAlikeOnBothSides) {
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
        JabberDuel duel;
        duel.Start("1234", "5678");
        ASSERT_EQ(duel.asked, std::vector<std::string>{"Борис bob@shelvy.test"});
        EXPECT_EQ(duel.guest->peerAddress().toStdString(), "alice@shelvy.test");
        duel.Round("1357", "2468");
        duel.Round(c.hostGuess, c.guestGuess);
        ASSERT_TRUE(duel.BothEnded()) << c.hostGuess;
        EXPECT_EQ(duel.hostRecord.end->kind, c.host);
        EXPECT_EQ(duel.guestRecord.end->kind, c.guest);
        EXPECT_EQ(duel.hostRecord.end->text, c.hostText);
        EXPECT_EQ(duel.guestRecord.end->text, c.guestText);
        EXPECT_EQ(duel.hostRecord.end->peerNumber, "5678");
        EXPECT_EQ(duel.guestRecord.end->peerNumber, "1234");
        EXPECT_EQ(duel.guestRecord.log[3], "guess 1357 0 2");
        EXPECT_EQ(duel.guestRecord.log[4], "answer 2468 0 2");
    }
}

TEST(JabberDuel, APlayerWhoLeavesMidDuelForfeits) {
    JabberDuel duel;
    duel.Start("1234", "5678");
    duel.Round("1357", "2468");
    duel.guest->Leave();
    ASSERT_TRUE(WaitFor([&] { return duel.hostRecord.ended(); }));
    EXPECT_EQ(duel.hostRecord.end->kind, EndKind::OpponentLeft);
    EXPECT_EQ(duel.hostRecord.end->text, net::kTextOpponentLeft);
    EXPECT_TRUE(duel.hostRecord.end->duelBegan);
}

TEST(JabberDuel, TheHostsNoBusyAndAFriendWithoutAWaitingGameAreTold) {
    JabberDuel duel;
    duel.acceptPeers = false;
    duel.Join();
    ASSERT_TRUE(WaitFor([&] { return duel.hostLink != nullptr; }, 10000));
    // Another player invites while the host's player is being asked.
    duel.host.SetAsking(true);
    std::unique_ptr<DuelLink> late(net::JoinThroughJabber(Carol(), Jid("alice"), "Вера", JabberTimeouts(), FixedSalt));
    Recorder lateRecord;
    lateRecord.Watch(late.get());
    ASSERT_TRUE(WaitFor([&] { return lateRecord.ended(); }, 10000));
    EXPECT_EQ(lateRecord.end->kind, EndKind::Busy);
    EXPECT_EQ(lateRecord.end->text, "Соперник уже играет.");
    duel.host.SetAsking(false);
    duel.hostLink->Decline();
    ASSERT_TRUE(WaitFor([&] { return duel.guestRecord.ended(); }));
    EXPECT_EQ(duel.guestRecord.end->kind, EndKind::Declined);
    EXPECT_EQ(duel.guestRecord.end->text, "Соперник отказался от дуэли.");
    EXPECT_TRUE(WaitFor([&] { return duel.waits == 2; }));

    // dave has no game running: the invitation, addressed to his game alone, is refused by the server.
    std::unique_ptr<DuelLink> lonely(net::JoinThroughJabber(Carol(), Jid("dave"), "Вера", JabberTimeouts(), FixedSalt));
    Recorder lonelyRecord;
    lonelyRecord.Watch(lonely.get());
    ASSERT_TRUE(WaitFor([&] { return lonelyRecord.ended(); }, 10000));
    EXPECT_EQ(lonelyRecord.end->kind, EndKind::Broken);
    EXPECT_EQ(lonelyRecord.end->text, "Соперник не ждёт приглашения.");
}

TEST(JabberDuel, InvitationsAfterTheHostStoppedWaitingAreRefused) {
    JabberDuel duel;
    duel.host.Stop();
    duel.Join();
    ASSERT_TRUE(WaitFor([&] { return duel.guestRecord.ended(); }, 10000));
    EXPECT_EQ(duel.guestRecord.end->text, "Соперник не ждёт приглашения.");
    EXPECT_TRUE(duel.asked.empty());
}

}  // namespace
}  // namespace duel::testing
