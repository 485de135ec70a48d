// Hostile players through the server: payloads too long or malformed, strangers during a duel, a flood, the server
// gone.
#include "network/jabber_client.h"
#include "network/network_texts.h"
#include "tests/jabber/jabber_server.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

namespace duel::testing {
namespace {

using net::DuelLink;
using net::EndKind;
using net::JabberClient;
using net::JabberHost;
using net::Stage;
using net::testing::FixedSalt;
using net::testing::Recorder;
using net::testing::Spin;
using net::testing::WaitFor;

const QString kAliceGame = QStringLiteral("alice@shelvy.test/shelvy-zlyki");

// A client that sends raw lines and counts how its stanzas were answered.
struct RawJabber {
    JabberClient client;
    int delivered = 0, refused = 0;
    std::vector<std::string> lines;

    explicit RawJabber(const net::JabberAccount& account) {
        QObject::connect(&client, &JabberClient::answered, &client,
                         [this](const QString&, bool ok) { ++(ok ? delivered : refused); });
        client.router = [this](const QString&, const std::string& line) {
            lines.push_back(line);
            return true;
        };
        client.Connect(account, 10000);
        EXPECT_TRUE(WaitFor([&] { return client.online(); }, 10000));
    }
    int answers() const { return delivered + refused; }
};

// Алиса waits on alice's account and asks nothing of its player: every greeting is recorded.
struct WaitingAlice {
    JabberHost host{"Алиса", JabberTimeouts(), FixedSalt};
    std::vector<std::string> asked, dropped;
    QPointer<DuelLink> link;
    int waits = 0;

    WaitingAlice() {
        QObject::connect(&host, &JabberHost::peerAsks, &host,
                         [this](DuelLink* asking, const QString& name, const QString&) {
                             asked.push_back(name.toStdString());
                             link = asking;
                         });
        QObject::connect(&host, &JabberHost::peerDropped, &host,
                         [this](const QString& text) { dropped.push_back(text.toStdString()); });
        QObject::connect(&host, &JabberHost::waiting, &host, [this] { ++waits; });
        host.Start(Alice());
        EXPECT_TRUE(WaitFor([&] { return waits == 1; }, 10000));
    }
};

TEST(JabberHostile, PayloadsTooLongOrMalformedAreDroppedAndTheHostWaitsAgain) {
    WaitingAlice alice;
    RawJabber carol(Carol());
    carol.client.SendLine(kAliceGame, "HELLO 1 " + std::string(5000, 'x'));
    ASSERT_TRUE(WaitFor([&] { return alice.dropped.size() == 1; }));
    EXPECT_EQ(alice.dropped[0], net::kTextTooLong);
    carol.client.SendLine(kAliceGame, "HELLO 1 Вера\nGUESS 1234");
    ASSERT_TRUE(WaitFor([&] { return alice.dropped.size() == 2; }));
    EXPECT_EQ(alice.dropped[1], net::kTextGarbled);
    carol.client.SendLine(kAliceGame, "HELLO 1");
    ASSERT_TRUE(WaitFor([&] { return alice.dropped.size() == 3; }));
    EXPECT_TRUE(alice.asked.empty());
    EXPECT_TRUE(WaitFor([&] { return alice.waits == 4; }));
}

TEST(JabberHostile, AFloodOfInvitationsWhileTheHostIsAskedIsRefusedBeyondTheLimit) {
    WaitingAlice alice;
    std::unique_ptr<DuelLink> guest(net::JoinThroughJabber(Bob(), Jid("alice"), "Борис", JabberTimeouts(), FixedSalt));
    ASSERT_TRUE(WaitFor([&] { return alice.link != nullptr; }, 10000));
    alice.host.SetAsking(true);
    RawJabber carol(Carol());
    for (int i = 0; i < 20; ++i) carol.client.SendLine(kAliceGame, "HELLO 1 Вера");
    ASSERT_TRUE(WaitFor([&] { return carol.answers() == 20; }));
    EXPECT_EQ(carol.delivered, 3);  // each of the first three hears BUSY
    EXPECT_EQ(carol.refused, 17);
    EXPECT_EQ(alice.asked, std::vector<std::string>{"Борис"});
    EXPECT_EQ(alice.link->stage(), Stage::Deciding);
    EXPECT_TRUE(WaitFor([&] { return std::count(carol.lines.begin(), carol.lines.end(), "BUSY 1") == 3; }))
        << carol.lines.size();
}

TEST(JabberHostile, AThirdPlayersStanzasDuringADuelAreIgnored) {
    WaitingAlice alice;
    Recorder guestRecord;
    std::unique_ptr<DuelLink> guest(net::JoinThroughJabber(Bob(), Jid("alice"), "Борис", JabberTimeouts(), FixedSalt));
    guestRecord.Watch(guest.get());
    ASSERT_TRUE(WaitFor([&] { return alice.link != nullptr; }, 10000));
    alice.link->Accept();
    ASSERT_TRUE(WaitFor([&] { return guest->stage() == Stage::Committing; }));
    ASSERT_TRUE(alice.link->Commit("1234"));
    ASSERT_TRUE(guest->Commit("5678"));
    ASSERT_TRUE(WaitFor([&] { return guest->stage() == Stage::Playing && alice.link->stage() == Stage::Playing; }));
    // carol speaks as if she were in the duel, to the host and to the guest.
    RawJabber carol(Carol());
    carol.client.SendLine(kAliceGame, "ANSWER 1 4 0");
    carol.client.SendLine(QStringLiteral("bob@shelvy.test/shelvy-zlyki"), "GUESS 1 1234");
    carol.client.SendLine(QStringLiteral("bob@shelvy.test/shelvy-zlyki"), "BYE 1");
    ASSERT_TRUE(WaitFor([&] { return carol.answers() == 3; }));
    EXPECT_EQ(carol.refused, 3);
    ASSERT_TRUE(alice.link->Guess("1357"));
    ASSERT_TRUE(WaitFor([&] { return guest->myTurn(); }));
    EXPECT_FALSE(guestRecord.ended());
    EXPECT_EQ(guestRecord.log.back(), "guess 1357 0 2");
}

TEST(JabberHostile, TheServerGoingAwayMidDuelEndsItAsALostConnection) {
    ProsodyServer own({"alice:a", "bob:b"});
    ASSERT_TRUE(own.Start()) << own.why();
    auto account = [&](const std::string& name, const std::string& password) {
        net::JabberAccount result = Account(name, password);
        result.port = own.port();
        result.caFile = own.caFile();
        return result;
    };
    JabberHost host{"Алиса", JabberTimeouts(), FixedSalt};
    Recorder hostRecord, guestRecord;
    QPointer<DuelLink> hostLink;
    QObject::connect(&host, &JabberHost::peerAsks, &host, [&](DuelLink* link, const QString&, const QString&) {
        hostLink = link;
        hostRecord.Watch(link);
        link->Accept();
    });
    bool waiting = false;
    QObject::connect(&host, &JabberHost::waiting, &host, [&] { waiting = true; });
    host.Start(account("alice", "a"));
    ASSERT_TRUE(WaitFor([&] { return waiting; }, 10000));
    std::unique_ptr<DuelLink> guest(
        net::JoinThroughJabber(account("bob", "b"), Jid("alice"), "Борис", JabberTimeouts(), FixedSalt));
    guestRecord.Watch(guest.get());
    ASSERT_TRUE(WaitFor([&] { return hostLink && guest->stage() == Stage::Committing; }, 15000));
    ASSERT_TRUE(hostLink->Commit("1234"));
    ASSERT_TRUE(guest->Commit("5678"));
    ASSERT_TRUE(WaitFor([&] { return guest->stage() == Stage::Playing; }));
    own.Kill();
    ASSERT_TRUE(WaitFor([&] { return hostRecord.ended() && guestRecord.ended(); }));
    for (const Recorder* record : {&hostRecord, &guestRecord}) {
        EXPECT_EQ(record->end->kind, EndKind::OpponentLeft);
        EXPECT_EQ(record->end->text, std::string(net::kTextJabberLost) + "\n" + net::kTextOpponentLeft);
    }
}

}  // namespace
}  // namespace duel::testing
