// Where the session and the duel over the network meet: what each needs of the other, and how one is made.
//
// The duel over the network lives in a module of its own (Qt Network and
// Avahi), which the program loads only when a duel is first hosted or joined:
// the program's start never waits for those libraries.  The two sides talk
// through these interfaces alone.
#pragma once

#include "duel/opponent.h"
#include "network/game_finder.h"
#include "network/jabber_account.h"
#include "network/link_timeouts.h"
#include "rules/game_outcome.h"
#include "rules/score.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace duel {

class Platform;
struct GameState;

// What the duel over the network needs of the session that plays it.
class NetworkDuelSession {
public:
    virtual ~NetworkDuelSession() = default;

    virtual GameState& state() = 0;
    virtual Platform& platform() = 0;
    // The owner of the boxes the duel shows.
    virtual QWidget* boxOwner() = 0;
    // Runs `work` now when no step runs, else as soon as the steps are over.
    virtual void WhenIdle(std::function<void()> work) = 0;
    // Has the window draw the game anew.
    virtual void Redraw() = 0;
    // The person's answer to the player's guess, and its guess, as they come.
    virtual void AnswerArrived(const std::string& guess, Score answer) = 0;
    virtual void GuessArrived(const std::string& guess) = 0;
    // The answer to the person's guess, taken (the link has sent it already).
    virtual void OpponentMove() = 0;
    // A new game against `opponent`; the game that runs is given up.
    virtual void StartGameAgainst(Opponent& opponent) = 0;
    // The person's end of the game that runs, with the message for the player.
    virtual void OpponentEnded(Outcome outcome, const std::string& message) = 0;
};

// What the session needs of the duel over the network: the person as an
// opponent, hosting, joining and stopping.
class NetworkDuelPart : public Opponent {
public:
    // Waits for an opponent on `port` (0: any free port) as `name`, announced on
    // the local network; false, with a notice, when the port cannot be taken.
    virtual bool Host(uint16_t port, const std::string& name) = 0;
    // Joins the host at `address` and `port` as `name`.
    virtual void Join(const std::string& address, uint16_t port, const std::string& name) = 0;
    // The same through a Jabber server: waits for invitations on `account`, or invites the
    // friend `friendJid` (a bare address); a failed login is told with a notice.
    virtual void HostJabber(const net::JabberAccount& account, const std::string& name) = 0;
    virtual void JoinJabber(const net::JabberAccount& account, const std::string& friendJid,
                            const std::string& name) = 0;
    // Stops waiting or joining; a duel that runs is left (the player's forfeit).
    virtual void Stop() = 0;
    // Waiting, joining or playing.
    virtual bool active() const = 0;
};

// Makes the duel over the network for a session, or nothing when it cannot
// be had (its module is missing).
using NetworkDuelMaker =
    std::function<std::unique_ptr<NetworkDuelPart>(NetworkDuelSession& session, const net::LinkTimeouts& timeouts)>;
// Makes the finder of the games on the local network, or nothing.
using GameFinderMaker = std::function<std::unique_ptr<net::GameFinder>()>;

}  // namespace duel
