// How long each side of a duel may take over what it owes, whatever carries the lines.
//
// A keep-alive is no progress: only a line that moves the duel on (or this side's own action)
// starts the wait for what is owed next.  The peer that lets a deadline pass is dealt with by
// DuelProtocol::PeerLate: before both commitments the connection ends with no winner, after them
// the duel is its forfeit.  This side's own move ends a margin earlier than the peer counts it
// (the peer starts counting when the line that began the turn reaches it), so that a move made
// in time here arrives in time there; past that this side makes no move, and how the duel then
// ends (the peer's verdict, or this side's own after a grace) is this side's forfeit.
#pragma once

namespace duel::net {

struct DuelDeadlines {
    // A person's part: a move (a guess, and the answer the link gives at once), the number
    // committed to, the host's answer to a joining player.  From the moment it is owed.
    int moveMs = 120000;
    // The reveal, sent by a program without waiting for anyone: from the moment it is due.
    int revealMs = 10000;
    // This side's own move ends this much earlier than the peer's count of it.
    int marginMs = 1000;

    // This side's own move: how long it has, and, once that is up, how long it waits for the
    // peer's verdict before it ends the duel as its own forfeit.
    int ownMoveMs() const { return moveMs - marginMs; }
    int ownGraceMs() const { return 2 * marginMs + revealMs; }
};

}  // namespace duel::net
