// One side of a duel over the network as a state machine over lines: greeting, the host's yes,
// commitments, the moves in turn, the reveal and the end.  No sockets and no clock: the link
// feeds it what arrives and sends what it returns, so the rules run in tests without a network.
//
// Rounds: the host guesses first, then the guest; each guess is answered automatically from
// the number this side committed to.  The duel ends with the first round in which a number was
// found: the host's alone is the host's win, the guest's alone the guest's, both a draw.  Each
// side then reveals its salt and number and checks the other's commitment and every answer it
// was given; a mismatch is the liar's forfeit.  A side that leaves, falls silent, breaks the
// protocol or lets a deadline pass (DuelDeadlines) after the commitments and before its reveal
// forfeits; before both commitments such an end has no winner.  These rules hold whatever
// carries the lines: a carrier feeds in what arrives, sends what comes out, and keeps two timers
// for the deadlines (peerDeadlineMs, ownDeadlineMs) that it restarts whenever progress() changes.
#pragma once

#include "network/commitment.h"
#include "network/duel_deadlines.h"
#include "network/wire_format.h"
#include "rules/score.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace duel::net {

enum class Role { Host, Guest };

enum class Stage {
    Greeting,    // waiting for the peer's HELLO (or the host's BUSY)
    Deciding,    // the host's player decides whether to play the peer
    Committing,  // accepted: each side sends its commitment
    Playing,     // the moves, round by round
    Revealing,   // a number was found: the reveals are exchanged
    Over,        // ended one way or another; nothing more is taken
};

// How a connection ended, seen from this side.
enum class EndKind {
    Won,  // both reveals checked out
    Lost,
    Draw,
    OpponentLied,  // forfeit: its reveal does not fit its commitment or its answers
    OpponentLeft,  // forfeit: it left, fell silent or broke the protocol before its reveal
    Declined,      // the host said no (the host's own "no" too)
    Busy,          // the host plays someone else
    OtherVersion,  // the peer speaks another version of the protocol
    Broken,        // the connection ended before the duel began (a fault, a quit, a timeout)
    WeLeft,        // this side said goodbye; after the commitments that is its forfeit
    WeStalled,     // this side's own move did not come in time: its forfeit
};

struct DuelEnd {
    EndKind kind = EndKind::Broken;
    std::string text;        // for the player, in Russian; empty for WeLeft and the host's own "no"
    std::string peerNumber;  // the number the peer revealed, when its reveal checked out
    int lieMove = 0;         // OpponentLied: the first move whose answer was false (0: the commitment)
    bool duelBegan = false;  // both commitments had been exchanged: the game is to be recorded
};

struct Event {
    enum Kind {
        PeerGreeted,     // its HELLO: text = its name (for the host: it asks to play)
        Accepted,        // guest: the host said yes
        PeerCommitted,   // its commitment arrived
        GuessReceived,   // its guess, answered by this side: text = guess, answer = the answer sent
        AnswerReceived,  // the answer to this side's guess: text = guess, answer = its answer
        RevealReceived,  // text = its number
        Ended,           // end holds how
    } kind;
    std::string text;
    Score answer;
    DuelEnd end;
};

inline Event MakeEvent(Event::Kind kind, std::string text = {}, Score answer = {}) {
    Event event{kind, std::move(text), answer, {}};
    return event;
}

// What the link does next.
struct Reaction {
    std::vector<Message> send;  // lines to send, in order
    std::vector<Event> events;  // what to report, in order
    bool close = false;         // close the connection once the lines are sent
    bool refused = false;       // a local action that does not fit the stage or turn: nothing done
};

class DuelProtocol {
public:
    DuelProtocol(Role role, std::string myName, Hasher hash, DuelDeadlines deadlines = {});

    // This side's first line: HELLO with its name.
    Message Hello() const;

    // A line from the peer (without its "\n"), or a message already parsed.
    Reaction Receive(std::string_view line);
    Reaction Receive(const Message& message);

    // The host's player says yes or no (Deciding, host only).
    Reaction Accept();
    Reaction Decline();
    // This side's number and salt (Committing, once); the number must pass CheckNumber.
    Reaction Commit(std::string number, std::string salt);
    // This side's guess, in its turn.
    Reaction Guess(std::string guess);
    // This side leaves: BYE and the end.
    Reaction Leave();
    // The connection ended or broke without a message that explains it (closed, silent, a
    // greeting that never came, a line too long): `text` tells the player why, before both
    // commitments; after them the peer has left the duel, which is its forfeit.
    Reaction PeerGone(const char* text);

    // ---- deadlines ----
    // Changes with every line that moves the duel on and every action of this side; a
    // keep-alive changes nothing.  A carrier restarts its deadline timers when it changes.
    uint64_t progress() const { return progress_; }
    // How long the peer may take, from the last progress, over what it owes now (the host's
    // answer, its commitment, its move, its reveal); nothing while it owes nothing.
    std::optional<int> peerDeadlineMs() const;
    // This side's own move: how long, from the last progress, until its time is up; once it is
    // up (OwnTimeUp), how long this side still waits for the peer's verdict.  Nothing while
    // this side owes no move.
    std::optional<int> ownDeadlineMs() const;
    // The peer's deadline has passed with no progress: the end (no winner before both
    // commitments, its forfeit after them), with BYE.
    Reaction PeerLate();
    // This side's own deadline has passed: the first time, no move is taken any more and any
    // end that follows is this side's forfeit; the second (the grace is over too), the duel
    // ends so, with BYE.
    Reaction OwnTimeUp();
    bool ownTimeUp() const { return ownLate_; }
    // While the reveals are exchanged: how the rounds ended for this side (Won, Lost, Draw),
    // before any reveal is checked.
    std::optional<EndKind> roundsResult() const;

    Role role() const { return role_; }
    Stage stage() const { return stage_; }
    const std::string& peerName() const { return peerName_; }
    bool myTurn() const;
    // The round being played, 1 for the first.
    int round() const { return round_; }
    // This side's guesses with the peer's answers, and the peer's with this side's.
    const std::vector<Move>& myMoves() const { return myMoves_; }
    const std::vector<Move>& peerMoves() const { return peerMoves_; }

private:
    enum class Turn { HostGuesses, GuestAnswers, GuestGuesses, HostAnswers };

    Reaction Fault(const char* text);
    Reaction End(DuelEnd end, std::vector<Message> send = {});
    Reaction TakeGuess(const Message& message);
    Reaction TakeAnswer(const Message& message);
    Reaction TakeReveal(const Message& message);
    Reaction BeginPlayIfCommitted(Reaction reaction);
    // The end of a round: the reveal when a number was found, else the next round.
    void EndRound(Reaction& reaction);
    bool duelBegan() const { return stage_ == Stage::Playing || stage_ == Stage::Revealing; }

    Role role_;
    std::string myName_;
    Hasher hash_;
    DuelDeadlines deadlines_;
    uint64_t progress_ = 0;
    bool ownLate_ = false;
    Stage stage_ = Stage::Greeting;
    std::string peerName_;
    std::string myNumber_, mySalt_;
    std::optional<std::string> peerDigest_;
    bool committed_ = false;
    Turn turn_ = Turn::HostGuesses;
    int round_ = 1;
    std::string pendingGuess_;
    std::vector<Move> myMoves_, peerMoves_;
};

}  // namespace duel::net
