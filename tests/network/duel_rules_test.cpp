// The duel's rules without a network: two state machines trade lines; turns, rounds, endings, commitments, lies.
#include "network/commitment.h"
#include "network/duel_protocol.h"
#include "network/network_texts.h"
#include "network/sha256.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace duel::net {
namespace {

// Both sides in memory: every line one sends goes to the other, through `tamper` when set.
struct Pair {
    DuelProtocol host{Role::Host, "Алиса", Sha256};
    DuelProtocol guest{Role::Guest, "Борис", Sha256};
    std::vector<Event> hostEvents, guestEvents;
    std::function<void(Message&)> tamperGuestLines;  // what the guest sends, changed on the way

    // Lines on their way, each direction in the order sent, as over TCP.
    std::deque<Message> toGuest, toHost;

    void Queue(const Reaction& reaction, bool fromHost) {
        for (Message message : reaction.send) {
            if (!fromHost && tamperGuestLines) tamperGuestLines(message);
            (fromHost ? toGuest : toHost).push_back(message);
        }
    }
    void Pump() {
        while (!toGuest.empty() || !toHost.empty()) {
            const bool toTheGuest = !toGuest.empty();
            std::deque<Message>& queue = toTheGuest ? toGuest : toHost;
            const Message message = queue.front();
            queue.pop_front();
            const Reaction answer = (toTheGuest ? guest : host).Receive(FormatMessage(message));
            std::vector<Event>& events = toTheGuest ? guestEvents : hostEvents;
            events.insert(events.end(), answer.events.begin(), answer.events.end());
            Queue(answer, !toTheGuest);
        }
    }
    void Host(const Reaction& r) {
        ASSERT_FALSE(r.refused);
        hostEvents.insert(hostEvents.end(), r.events.begin(), r.events.end());
        Queue(r, true);
        Pump();
    }
    void Guest(const Reaction& r) {
        ASSERT_FALSE(r.refused);
        guestEvents.insert(guestEvents.end(), r.events.begin(), r.events.end());
        Queue(r, false);
        Pump();
    }
    // Greeting, the host's yes and both commitments.
    void Begin(const std::string& hostNumber, const std::string& guestNumber) {
        Host(Reaction{{host.Hello()}, {}, false, false});
        Guest(Reaction{{guest.Hello()}, {}, false, false});
        Host(host.Accept());
        Guest(guest.Commit(guestNumber, std::string(kSaltBytes, 'g')));
        Host(host.Commit(hostNumber, std::string(kSaltBytes, 'h')));
    }
    // One round: the host's guess, then the guest's (when the duel still asks for it).
    void Round(const std::string& hostGuess, const std::string& guestGuess) {
        Host(host.Guess(hostGuess));
        if (guest.myTurn()) Guest(guest.Guess(guestGuess));
    }
};

std::optional<DuelEnd> EndOf(const std::vector<Event>& events) {
    for (const Event& event : events)
        if (event.kind == Event::Ended) return event.end;
    return std::nullopt;
}

TEST(DuelRules, TheHostMovesFirstAndTheTurnsAlternate) {
    Pair pair;
    pair.Begin("1234", "5678");
    EXPECT_EQ(pair.host.stage(), Stage::Playing);
    EXPECT_TRUE(pair.host.myTurn());
    EXPECT_FALSE(pair.guest.myTurn());
    EXPECT_TRUE(pair.guest.Guess("9876").refused);  // not the guest's turn
    pair.Host(pair.host.Guess("5679"));
    EXPECT_FALSE(pair.host.myTurn());
    EXPECT_TRUE(pair.host.Guess("1234").refused);
    ASSERT_TRUE(pair.guest.myTurn());
    // The guest answered automatically from its number: 5,6,7 in place.
    EXPECT_EQ(pair.host.myMoves().back(), (Move{"5679", {3, 0}}));
    EXPECT_EQ(pair.guest.peerMoves().back(), (Move{"5679", {3, 0}}));
    pair.Guest(pair.guest.Guess("4321"));
    EXPECT_EQ(pair.guest.myMoves().back(), (Move{"4321", {0, 4}}));
    EXPECT_EQ(pair.host.round(), 2);
    EXPECT_TRUE(pair.host.myTurn());
}

TEST(DuelRules, AFoundNumberEndsTheRoundWithTheRightOutcomeOnBothSides) {
    struct Case {
        const char* hostGuess;
        const char* guestGuess;
        EndKind host, guest;
    };
    // Numbers: the host's 1234, the guest's 5678.
    const Case cases[] = {
        {"5678", "9876", EndKind::Won, EndKind::Lost},   // the host finds it; the guest still moves and misses
        {"5678", "1234", EndKind::Draw, EndKind::Draw},  // both in one round
        {"9876", "1234", EndKind::Lost, EndKind::Won},   // the guest alone
    };
    for (const Case& c : cases) {
        Pair pair;
        pair.Begin("1234", "5678");
        pair.Round("1357", "2468");
        pair.Round(c.hostGuess, c.guestGuess);
        ASSERT_EQ(pair.guest.myMoves().size(), 2u) << "the guest moves in the round the host found the number";
        const std::optional<DuelEnd> hostEnd = EndOf(pair.hostEvents);
        const std::optional<DuelEnd> guestEnd = EndOf(pair.guestEvents);
        ASSERT_TRUE(hostEnd && guestEnd) << c.hostGuess << " " << c.guestGuess;
        EXPECT_EQ(hostEnd->kind, c.host);
        EXPECT_EQ(guestEnd->kind, c.guest);
        EXPECT_EQ(hostEnd->peerNumber, "5678");
        EXPECT_EQ(guestEnd->peerNumber, "1234");
        EXPECT_TRUE(hostEnd->duelBegan && guestEnd->duelBegan);
        EXPECT_EQ(pair.host.stage(), Stage::Over);
    }
    Pair lost;
    lost.Begin("1234", "5678");
    lost.Round("9876", "1234");
    EXPECT_EQ(EndOf(lost.hostEvents)->text, "Победил соперник «Борис».");
    EXPECT_EQ(EndOf(lost.guestEvents)->text, "Вы победили!");
}

TEST(DuelRules, ALiarIsFoundAtTheRevealAndForfeits) {
    // The guest denies the host's find in round 1 and admits it in round 2.
    DuelProtocol host(Role::Host, "Алиса", Sha256);
    const std::string salt(kSaltBytes, 'l');
    host.Receive("HELLO 1 Лжец");
    host.Accept();
    host.Commit("1234", std::string(kSaltBytes, 'h'));
    host.Receive("COMMIT " + ToHex(Sha256(salt + "5678")));
    host.Guess("5678");
    host.Receive("ANSWER 1 1");
    host.Receive("GUESS 9876");
    ASSERT_EQ(host.stage(), Stage::Playing);
    host.Guess("5678");
    host.Receive("ANSWER 4 0");
    const Reaction roundEnd = host.Receive("GUESS 9875");
    ASSERT_EQ(roundEnd.send.size(), 2u);
    EXPECT_EQ(roundEnd.send[1].kind, MessageKind::Reveal);
    const std::optional<DuelEnd> end = EndOf(host.Receive("REVEAL " + ToHex(salt) + " 5678").events);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->kind, EndKind::OpponentLied);
    EXPECT_EQ(end->lieMove, 1);
    EXPECT_EQ(end->text, "Ответы соперника не сходятся с его числом (ход 1).");
    EXPECT_EQ(end->peerNumber, "") << "a number its answers disprove is not taken as its number";

    // A reveal of another number than the one committed to.
    Pair swapped;
    swapped.tamperGuestLines = [](Message& message) {
        if (message.kind == MessageKind::Reveal) message.number = "5679";
    };
    swapped.Begin("1234", "5678");
    swapped.Round("5678", "9876");
    EXPECT_EQ(EndOf(swapped.hostEvents)->kind, EndKind::OpponentLied);
    EXPECT_EQ(EndOf(swapped.hostEvents)->text, kTextBadCommitment);
}

// The lie may be in the last move of all: the answer to the guess made in the
// round in which the liar found the number.
TEST(DuelRules, ALieInTheLastMoveIsFoundToo) {
    Pair pair;
    int answers = 0;
    pair.tamperGuestLines = [&](Message& message) {
        if (message.kind == MessageKind::Answer && ++answers == 2) message.answer = {0, 0};  // 9876 scores 1 2
    };
    pair.Begin("1234", "5678");
    pair.Round("1357", "2468");
    pair.Round("9876", "1234");  // the guest finds the number in the round of its lie
    ASSERT_EQ(pair.host.myMoves().size(), 2u);
    const std::optional<DuelEnd> end = EndOf(pair.hostEvents);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->kind, EndKind::OpponentLied);
    EXPECT_EQ(end->lieMove, 2);
    EXPECT_EQ(end->text, "Ответы соперника не сходятся с его числом (ход 2).");
}

TEST(DuelRules, TheRevealCheckNamesTheFirstFalseAnswer) {
    const std::string salt(kSaltBytes, 's');
    const std::string digest = Commitment(Sha256, salt, "5678");
    const std::vector<Move> moves = {{"1234", {0, 0}}, {"5687", {2, 2}}, {"5678", {3, 0}}, {"8765", {0, 4}}};
    EXPECT_EQ(CheckReveal(Sha256, digest, salt, "5678", {moves.begin(), moves.begin() + 2}).kind, RevealVerdict::Fits);
    const RevealVerdict verdict = CheckReveal(Sha256, digest, salt, "5678", moves);
    EXPECT_EQ(verdict.kind, RevealVerdict::WrongAnswer);
    EXPECT_EQ(verdict.move, 3);
    EXPECT_EQ(CheckReveal(Sha256, digest, std::string(kSaltBytes, 't'), "5678", {}).kind,
              RevealVerdict::WrongCommitment);
    EXPECT_EQ(CheckReveal(Sha256, digest, salt, "5679", {}).kind, RevealVerdict::WrongCommitment);
    // The hash is SHA-256 of the salt and the digits.
    EXPECT_EQ(ToHex(Sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(digest, Sha256(salt + "5678"));
}

TEST(DuelRules, LinesOutOfTurnEndTheConnection) {
    struct Case {
        const char* name;
        std::function<void(Pair&)> before;  // brings the host's side to its stage
        std::string line;                   // then the guest's side sends this
        EndKind kind;
    };
    const std::string commit = "COMMIT " + std::string(64, 'a');
    const Case cases[] = {
        {"a guess before the greeting", [](Pair&) {}, "GUESS 1234", EndKind::Broken},
        {"a ping before the greeting", [](Pair&) {}, "PING", EndKind::Broken},
        {"busy from the joining side", [](Pair&) {}, "BUSY 1", EndKind::Broken},
        {"a commitment before the host's yes", [](Pair& p) { p.host.Receive(FormatMessage(p.guest.Hello())); }, commit,
         EndKind::Broken},
        {"a second hello", [](Pair& p) { p.host.Receive(FormatMessage(p.guest.Hello())); }, "HELLO 1 Вася",
         EndKind::Broken},
        {"the host's own yes from the guest", [](Pair& p) { p.host.Receive(FormatMessage(p.guest.Hello())); }, "ACCEPT",
         EndKind::Broken},
        {"a second commitment",
         [](Pair& p) {
             p.host.Receive(FormatMessage(p.guest.Hello()));
             p.host.Accept();
             p.host.Receive("COMMIT " + std::string(64, 'b'));
         },
         commit, EndKind::Broken},
        {"the guest's guess in the host's turn", [](Pair& p) { p.Begin("1234", "5678"); }, "GUESS 9876",
         EndKind::OpponentLeft},
        {"an answer to no guess", [](Pair& p) { p.Begin("1234", "5678"); }, "ANSWER 1 1", EndKind::OpponentLeft},
        {"a reveal before a number was found", [](Pair& p) { p.Begin("1234", "5678"); },
         "REVEAL " + std::string(64, 'a') + " 5678", EndKind::OpponentLeft},
        {"a bad guess in turn",
         [](Pair& p) {
             p.Begin("1234", "5678");
             p.host.Guess("5671");
             p.host.Receive("ANSWER 3 0");
         },
         "GUESS 1123", EndKind::OpponentLeft},
        {"goodbye in the middle of the duel", [](Pair& p) { p.Begin("1234", "5678"); }, "BYE", EndKind::OpponentLeft},
        {"goodbye while the host decides", [](Pair& p) { p.host.Receive(FormatMessage(p.guest.Hello())); }, "BYE",
         EndKind::Broken},
        {"a name that breaks the name rules", [](Pair&) {}, "HELLO 1 \xe3\x85\xa4", EndKind::Broken},
    };
    for (const Case& c : cases) {
        Pair pair;
        c.before(pair);
        const Reaction reaction = pair.host.Receive(c.line);
        const std::optional<DuelEnd> end = EndOf(reaction.events);
        ASSERT_TRUE(end) << c.name;
        EXPECT_EQ(end->kind, c.kind) << c.name;
        EXPECT_FALSE(end->text.empty()) << c.name;
        EXPECT_TRUE(reaction.close) << c.name;
        EXPECT_EQ(pair.host.stage(), Stage::Over) << c.name;
        EXPECT_TRUE(pair.host.Receive("PING").events.empty()) << c.name << ": a side that ended takes nothing more";
    }
}

// After both commitments a peer that breaks the protocol has left the duel: its forfeit, and
// the player reads why and who won.  A joining player the host refuses for its name is told no.
TEST(DuelRules, ABrokenProtocolIsTheBreakersForfeitAndARefusedNameIsToldNo) {
    Pair playing;
    playing.Begin("1234", "5678");
    const std::optional<DuelEnd> end = EndOf(playing.host.Receive("GUESS 98 76").events);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->kind, EndKind::OpponentLeft);
    EXPECT_EQ(end->text, "Соперник прислал непонятное сообщение.\nСоперник покинул дуэль. Победа засчитана вам.");

    DuelProtocol host(Role::Host, "Алиса", Sha256);
    const Reaction refused = host.Receive("HELLO 1 \xe2\x80\x8b");  // a zero-width space, nothing else
    ASSERT_EQ(refused.send.size(), 1u);
    EXPECT_EQ(refused.send[0].kind, MessageKind::Decline);
    EXPECT_EQ(EndOf(refused.events)->text, "Соперник назвался недопустимым именем.");
}

TEST(DuelRules, TheJoiningSideHearsNoBusyAndOtherVersions) {
    struct Case {
        const char* line;
        EndKind kind;
        const char* text;
    };
    const Case cases[] = {{"DECLINE", EndKind::Declined, "Соперник отказался от дуэли."},
                          {"BUSY 1", EndKind::Busy, "Соперник уже играет."},
                          {"HELLO 2 Алиса", EndKind::OtherVersion, "У соперника другая версия игры."},
                          {"BUSY 3", EndKind::OtherVersion, "У соперника другая версия игры."}};
    for (const Case& c : cases) {
        DuelProtocol guest(Role::Guest, "Борис", Sha256);
        if (std::string(c.line) == "DECLINE") guest.Receive("HELLO 1 Алиса");
        const std::optional<DuelEnd> end = EndOf(guest.Receive(c.line).events);
        ASSERT_TRUE(end) << c.line;
        EXPECT_EQ(end->kind, c.kind) << c.line;
        EXPECT_EQ(end->text, c.text) << c.line;
        EXPECT_FALSE(end->duelBegan);
    }
}

TEST(DuelRules, LeavingOrLosingThePeerForfeitsOnlyOnceTheDuelBegan) {
    Pair early;
    early.host.Receive(FormatMessage(early.guest.Hello()));
    EXPECT_EQ(EndOf(early.host.PeerGone(kTextLost).events)->kind, EndKind::Broken);

    Pair playing;
    playing.Begin("1234", "5678");
    const std::optional<DuelEnd> lost = EndOf(playing.host.PeerGone(kTextLost).events);
    EXPECT_EQ(lost->kind, EndKind::OpponentLeft);
    EXPECT_EQ(lost->text, "Соперник покинул дуэль. Победа засчитана вам.");
    EXPECT_TRUE(lost->duelBegan);
    Pair goodbye;
    goodbye.Begin("1234", "5678");
    EXPECT_EQ(EndOf(goodbye.host.Receive("BYE").events)->text, "Соперник покинул дуэль. Победа засчитана вам.");

    // Gone after the number was found but before its reveal: still its forfeit, not a result.
    Pair revealing;
    revealing.Begin("1234", "5678");
    revealing.Host(revealing.host.Guess("5678"));
    revealing.Host(revealing.host.Receive("GUESS 9876"));  // the guest's move arrives, its reveal never does
    ASSERT_EQ(revealing.host.stage(), Stage::Revealing);
    EXPECT_EQ(EndOf(revealing.host.PeerGone(kTextLost).events)->kind, EndKind::OpponentLeft);

    Pair leaving;
    leaving.Begin("1234", "5678");
    const Reaction bye = leaving.guest.Leave();
    ASSERT_EQ(bye.send.size(), 1u);
    EXPECT_EQ(bye.send[0].kind, MessageKind::Bye);
    EXPECT_EQ(EndOf(bye.events)->kind, EndKind::WeLeft);
    EXPECT_TRUE(EndOf(bye.events)->duelBegan);
}

// What each side owes and for how long: a keep-alive is no progress; a peer that lets its
// deadline pass ends the connection with no winner before both commitments, forfeits after them.
TEST(DuelRules, APeerThatLetsItsDeadlinePassEndsTheDuelAndAKeepAliveIsNoProgress) {
    DuelDeadlines limits;
    limits.moveMs = 5000;
    limits.revealMs = 700;
    struct Case {
        const char* name;
        std::function<DuelProtocol&(Pair&)> bring;  // brings one side to where the other owes something
        int limit;
        EndKind kind;
        const char* text;
    };
    const Case cases[] = {
        {"the host's answer to a joining player",
         [](Pair& p) -> DuelProtocol& {
             p.Host(Reaction{{p.host.Hello()}, {}, false, false});
             p.Guest(Reaction{{p.guest.Hello()}, {}, false, false});
             return p.guest;
         },
         5000, EndKind::Broken, "Соперник не ответил на приглашение за 2 минуты."},
        {"the joining player's number",
         [](Pair& p) -> DuelProtocol& {
             p.Host(Reaction{{p.host.Hello()}, {}, false, false});
             p.Guest(Reaction{{p.guest.Hello()}, {}, false, false});
             p.Host(p.host.Accept());
             p.Host(p.host.Commit("1234", std::string(kSaltBytes, 'h')));
             return p.host;
         },
         5000, EndKind::Broken, "Соперник не загадал число за 2 минуты."},
        {"the host's first move",
         [](Pair& p) -> DuelProtocol& {
             p.Begin("1234", "5678");
             return p.guest;
         },
         5000, EndKind::OpponentLeft, "Соперник не сделал ход за 2 минуты. Победа засчитана вам."},
        {"the joining player's move",
         [](Pair& p) -> DuelProtocol& {
             p.Begin("1234", "5678");
             p.Host(p.host.Guess("9876"));
             return p.host;
         },
         5000, EndKind::OpponentLeft, "Соперник не сделал ход за 2 минуты. Победа засчитана вам."},
        {"the reveal",
         [](Pair& p) -> DuelProtocol& {
             p.Begin("1234", "5678");
             p.Host(p.host.Guess("5678"));
             p.host.Receive("GUESS 9876");  // its reveal never follows
             return p.host;
         },
         700, EndKind::OpponentLeft, "Соперник не открыл своё число. Победа засчитана вам."},
    };
    for (const Case& c : cases) {
        Pair pair{DuelProtocol{Role::Host, "Алиса", Sha256, limits},
                  DuelProtocol{Role::Guest, "Борис", Sha256, limits}};
        DuelProtocol& waiting = c.bring(pair);
        EXPECT_EQ(waiting.peerDeadlineMs(), c.limit) << c.name;
        const uint64_t progress = waiting.progress();
        EXPECT_TRUE(waiting.Receive("PING").events.empty()) << c.name;
        EXPECT_EQ(waiting.progress(), progress) << c.name << ": a keep-alive is no progress";
        const Reaction late = waiting.PeerLate();
        const std::optional<DuelEnd> end = EndOf(late.events);
        ASSERT_TRUE(end) << c.name;
        EXPECT_EQ(end->kind, c.kind) << c.name;
        EXPECT_EQ(end->text, c.text) << c.name;
        EXPECT_EQ(end->duelBegan, c.kind == EndKind::OpponentLeft) << c.name;
        ASSERT_EQ(late.send.size(), 1u) << c.name;
        EXPECT_EQ(late.send[0].kind, MessageKind::Bye) << c.name;
    }
    // Nothing is owed by a side whose player has the move, or while the host's player decides.
    Pair pair;
    pair.Begin("1234", "5678");
    EXPECT_FALSE(pair.host.peerDeadlineMs());
    EXPECT_TRUE(pair.host.PeerLate().events.empty());
}

// This side's own move ends a margin before the peer's count of it; then it takes no move, and
// the peer's verdict that follows (or, without one, this side's own after the grace) is this
// side's forfeit: both sides agree who stalled.
TEST(DuelRules, ThePlayerWhoseTimeIsUpForfeitsOnBothSides) {
    DuelDeadlines limits;
    Pair pair{DuelProtocol{Role::Host, "Алиса", Sha256, limits}, DuelProtocol{Role::Guest, "Борис", Sha256, limits}};
    pair.Begin("1234", "5678");
    EXPECT_EQ(pair.host.ownDeadlineMs(), 119000);
    EXPECT_FALSE(pair.guest.ownDeadlineMs());
    EXPECT_TRUE(pair.host.OwnTimeUp().events.empty());
    EXPECT_TRUE(pair.host.ownTimeUp());
    EXPECT_TRUE(pair.host.Guess("9876").refused) << "too late";
    EXPECT_EQ(pair.host.ownDeadlineMs(), 12000) << "the grace: the peer's count and its verdict's way here";
    pair.Guest(pair.guest.PeerLate());  // the guest's verdict, BYE, reaches the host
    const std::optional<DuelEnd> host = EndOf(pair.hostEvents);
    ASSERT_TRUE(host);
    EXPECT_EQ(host->kind, EndKind::WeStalled);
    EXPECT_EQ(host->text, "Вы не сделали ход за 2 минуты. Победа засчитана сопернику.");
    EXPECT_EQ(EndOf(pair.guestEvents)->kind, EndKind::OpponentLeft);

    // A peer that never gives its verdict: this side ends the duel itself once the grace is over.
    Pair silent;
    silent.Begin("1234", "5678");
    silent.host.OwnTimeUp();
    const Reaction own = silent.host.OwnTimeUp();
    EXPECT_EQ(EndOf(own.events)->kind, EndKind::WeStalled);
    ASSERT_EQ(own.send.size(), 1u);
    EXPECT_EQ(own.send[0].kind, MessageKind::Bye);
}

}  // namespace
}  // namespace duel::net
