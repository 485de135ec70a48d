// A duel with a person over the network: hosting or joining, the host's question, the person as the opponent.
#pragma once

#include "network/duel_link.h"
#include "session/network_duel_port.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace duel {

namespace net {
class PeerHost;
}

// The person at the other end of a link, as the session's opponent for one
// game, and the waiting or joining before it.  The link answers the person's
// guesses itself, from the number this side committed to; the end of a game
// (the round in which a number was found, the reveal, a lie, a loss of the
// connection, a deadline passed) is the link's to decide.  Everything the link
// reports is handed to the session at a later pass of the event loop, never
// inside the link's own handlers: a number prompt or a question may then keep
// a modal loop open while the link goes on reading.  Only a box that has lost
// its point is closed at once: the host's question when the player who asked
// leaves, the number prompt when the opponent leaves.
class NetworkDuel final : public NetworkDuelPart {
public:
    NetworkDuel(NetworkDuelSession& session, net::LinkTimeouts timeouts);
    ~NetworkDuel() override;
    NetworkDuel(const NetworkDuel&) = delete;
    NetworkDuel& operator=(const NetworkDuel&) = delete;

    bool Host(uint16_t port, const std::string& name) override;
    void Join(const std::string& address, uint16_t port, const std::string& name) override;
    void HostJabber(const net::JabberAccount& account, const std::string& name) override;
    void JoinJabber(const net::JabberAccount& account, const std::string& friendJid, const std::string& name) override;
    void Stop() override;
    bool active() const override;

    bool isComputer() const override { return false; }
    bool allowsHiddenNumber() const override { return false; }
    bool movesFirst() const override;
    bool PrepareGame(Duel& duel) override;
    void GameBegins(Duel& duel) override;
    bool gone() const override { return settingUp_ && end_.has_value(); }
    bool cancelGivesUp() const override { return true; }
    Outcome GivenUpOutcome(Outcome usual) const override;
    std::optional<Score> AnswerGuess(Duel& duel, const std::string& guess) override;
    std::optional<std::string> MakeGuess(Duel& duel) override;
    AfterAnswer TakeAnswer(Duel& duel, const Move& answered) override;
    bool awaitingEnd() const override { return roundsOver_; }
    void GameEnded(Duel& duel, Outcome outcome) override;

private:
    // Hands `work` to the session at a later pass of the event loop; the
    // player's move clock follows the link after it.
    template <typename Work>
    void Later(Work&& work);
    // The host's question and its peers dropped, whatever the host waits on.
    void WatchHost();
    // The joining link until the host's yes; `target` is shown while it joins.
    void Joining(net::DuelLink* link, const std::string& target);
    void AskToPlay(QPointer<net::DuelLink> link, const QString& name, const QString& address);
    void Play(net::DuelLink* link);
    // At once, inside the link's handler: how the link ended, and the number
    // prompt closed when it is open for this game.
    void LinkGone(const net::DuelEnd& end);
    void LinkEnded(const net::DuelEnd& end);
    // The player's move deadline in the game state, as the link counts it.
    void SyncMoveClock();
    void Forget();

    NetworkDuelSession& session_;
    net::LinkTimeouts timeouts_;
    std::unique_ptr<net::PeerHost> host_;
    bool jabber_ = false;                      // the duel waited for, joined or played goes through a Jabber server
    QPointer<net::DuelLink> link_;             // the duel's link, once its game has begun to be set up
    QPointer<net::DuelLink> joining_;          // the link to a host that has not said yes yet
    std::optional<std::string> pendingGuess_;  // the player's guess made before the opponent's commitment came
    bool playing_ = false;                     // the link's game is the session's game
    std::optional<net::DuelEnd> end_;          // how the duel's link ended, as soon as it did
    // The last round is over, as far as the session has been told: the moves
    // reach it later than the link takes them, so the link's own stage may be
    // ahead of them.
    bool roundsOver_ = false;
    bool settingUp_ = false;         // New game sets the duel's game up (the number prompt may be open)
    int setUpDepth_ = 0;             // the modal calls open before it began
    QPointer<net::DuelLink> asked_;  // the peer the host's player is asked about
    int askedDepth_ = 0;             // the modal calls open before that question
    bool askedLeft_ = false;         // and it left meanwhile
    QObject context_;                // the connections go with this object
};

}  // namespace duel
