// The duel over the network in the session: the host's waiting and question, joining, the game's moves and its end.
#include "session/network_duel.h"

#include "duel/duel.h"
#include "network/duel_host.h"
#include "network/jabber_host.h"
#include "network/network_texts.h"
#include "platform/dialogs.h"
#include "rules/game_state.h"

#include <QTimer>

#include <cstdio>
#include <utility>

namespace duel {

namespace {

// How a link's end goes into the journal of games.
Outcome OutcomeOf(const net::DuelEnd& end) {
    switch (end.kind) {
        case net::EndKind::Won:
            return Outcome::UserWon;
        case net::EndKind::Lost:
            return Outcome::ComputerWon;  // the opponent's side won
        case net::EndKind::Draw:
            return Outcome::Draw;
        case net::EndKind::OpponentLied:
        case net::EndKind::OpponentLeft:
            return Outcome::OpponentForfeited;
        case net::EndKind::WeStalled:
            return Outcome::UserForfeited;
        case net::EndKind::WeLeft:
            return end.duelBegan ? Outcome::UserForfeited : Outcome::Abandoned;
        default:
            return Outcome::ConnectionLost;
    }
}

// What the player is told at the end of a game: how it ended, and the
// opponent's number when its reveal checked out.
std::string EndMessage(const net::DuelEnd& end, const std::string& opponent) {
    std::string text;
    switch (end.kind) {
        case net::EndKind::Won:
            text = Word("network", net::kTextYouWon);
            break;
        case net::EndKind::Lost:
            text = net::OpponentWonText(opponent);
            break;
        case net::EndKind::Draw:
            text = Word("network", net::kTextDraw);
            break;
        case net::EndKind::WeLeft:
            return {};
        default:
            // The link's texts are the Russian constants of network/network_texts.h, worded here.
            text = Word("network", end.text.empty() ? net::kTextLost : end.text.c_str());
            break;
    }
    if (!end.peerNumber.empty()) text += "\n" + net::OpponentNumberText(end.peerNumber);
    return text;
}

// "host:port", an IPv6 address in brackets.
std::string TargetText(const std::string& address, uint16_t port) {
    const bool ipv6 = address.find(':') != std::string::npos;
    return (ipv6 ? "[" + address + "]" : address) + ":" + std::to_string(port);
}

}  // namespace

NetworkDuel::NetworkDuel(NetworkDuelSession& session, net::LinkTimeouts timeouts)
    : session_(session), timeouts_(timeouts) {}

NetworkDuel::~NetworkDuel() { Stop(); }

template <typename Work>
void NetworkDuel::Later(Work&& work) {
    QTimer::singleShot(0, &context_, [this, work = std::forward<Work>(work)]() mutable {
        session_.WhenIdle([this, work = std::move(work)]() mutable {
            work();
            SyncMoveClock();
        });
    });
}

bool NetworkDuel::active() const { return host_ || joining_ || playing_; }

bool NetworkDuel::Host(uint16_t port, const std::string& name) {
    Stop();
    auto host = std::make_unique<net::DuelHost>(name, timeouts_);
    net::DuelHost* tcp = host.get();
    host_ = std::move(host);
    tcp->SetAnnounced(true);
    QObject::connect(tcp, &net::DuelHost::waiting, &context_, [this](quint16 waitingPort) {
        session_.state().waitingPort = waitingPort;
        session_.Redraw();
    });
    WatchHost();
    if (!tcp->Listen(port)) {
        const QString reason = tcp->errorText();
        host_.reset();
        Notice(session_.platform(), session_.boxOwner(), reason, MsgIcon::Exclamation);
        return false;
    }
    session_.state().waitingPort = tcp->port();
    session_.Redraw();
    return true;
}

void NetworkDuel::HostJabber(const net::JabberAccount& account, const std::string& name) {
    Stop();
    auto host = std::make_unique<net::JabberHost>(name, timeouts_);
    net::JabberHost* jabber = host.get();
    host_ = std::move(host);
    jabber_ = true;
    QObject::connect(jabber, &net::JabberHost::waiting, &context_, [this, jid = account.jid] {
        session_.state().waitingJid = jid;
        session_.Redraw();
    });
    // A login refused, or the server gone while waiting: told, and nobody waits any more.
    QObject::connect(jabber, &net::JabberHost::failed, &context_, [this, jabber](const QString& text) {
        Later([this, jabber, text] {
            if (host_.get() != jabber) return;
            Stop();
            session_.Redraw();
            // The login's faults are worded already; the lost server is the Russian constant.
            const std::string source = text.toStdString();
            Notice(session_.platform(), session_.boxOwner(), QString::fromStdString(Word("network", source.c_str())),
                   MsgIcon::Exclamation);
        });
    });
    WatchHost();
    jabber->Start(account);
}

void NetworkDuel::WatchHost() {
    QObject::connect(
        host_.get(), &net::PeerHost::peerAsks, &context_,
        [this](net::DuelLink* link, const QString& peer, const QString& address) {
            // A peer that leaves while its question is open takes the question with it.
            QObject::connect(link, &net::DuelLink::ended, &context_, [this, link] {
                if (link != asked_) return;
                askedLeft_ = true;
                session_.platform().cancelModalsAbove(askedDepth_);
            });
            Later([this, guard = QPointer<net::DuelLink>(link), peer, address] { AskToPlay(guard, peer, address); });
        });
    // A peer that breaks off before the host's player has been asked is no
    // news to the player, who goes on waiting; a line for whoever looks.
    QObject::connect(host_.get(), &net::PeerHost::peerDropped, &context_, [](const QString& text) {
        if (!text.isEmpty()) std::fprintf(stderr, "shelvy: %s\n", text.toUtf8().constData());
    });
}

void NetworkDuel::AskToPlay(QPointer<net::DuelLink> link, const QString& peer, const QString& address) {
    if (!link || link->stage() != net::Stage::Deciding || playing_ || !host_) return;
    GameState& state = session_.state();
    state.networkNote.clear();
    session_.Redraw();
    // One question at a time: whoever else connects meanwhile hears that the host is busy.
    host_->SetAsking(true);
    asked_ = link;
    askedLeft_ = false;
    askedDepth_ = session_.platform().modalDepth();
    const bool yes = Question(session_.platform(), session_.boxOwner(),
                              QString::fromStdString(net::AskToPlayText(peer.toStdString(), address.toStdString())));
    asked_ = nullptr;
    if (!host_) return;  // the waiting was stopped meanwhile (a quit)
    host_->SetAsking(false);
    if (askedLeft_ || !link || link->stage() != net::Stage::Deciding) {
        // The peer left before the answer: the host waits again, and says who left.
        state.networkNote = net::LeftUnansweredText(peer.toStdString());
        session_.Redraw();
        return;
    }
    if (!yes || session_.platform().quitting()) {
        link->Decline();
        return;
    }
    link->Accept();
    Play(link);
}

void NetworkDuel::Join(const std::string& address, uint16_t port, const std::string& name) {
    Stop();
    Joining(net::DuelLink::Join(QString::fromStdString(address), port, name, timeouts_), TargetText(address, port));
}

void NetworkDuel::JoinJabber(const net::JabberAccount& account, const std::string& friendJid, const std::string& name) {
    Stop();
    jabber_ = true;
    Joining(net::JoinThroughJabber(account, QString::fromStdString(friendJid), name, timeouts_), friendJid);
}

void NetworkDuel::Joining(net::DuelLink* link, const std::string& target) {
    joining_ = link;
    const QPointer<net::DuelLink> guard(link);
    // Reached: the host's player is asked.
    QObject::connect(link, &net::DuelLink::peerGreeted, &context_, [this, guard] {
        Later([this, guard] {
            if (!guard || guard != joining_) return;
            session_.state().hostAnswerAwaited = true;
            session_.Redraw();
        });
    });
    QObject::connect(link, &net::DuelLink::accepted, &context_, [this, guard] {
        Later([this, guard] {
            if (guard && guard == joining_) Play(guard);
        });
    });
    QObject::connect(link, &net::DuelLink::ended, &context_, [this, link](const net::DuelEnd& end) {
        link->deleteLater();
        if (link == link_) LinkGone(end);
        Later([this, end] { LinkEnded(end); });
    });
    GameState& state = session_.state();
    state.joiningAddress = target;
    state.hostAnswerAwaited = false;
    session_.Redraw();
}

void NetworkDuel::Play(net::DuelLink* link) {
    joining_ = nullptr;
    link_ = link;
    playing_ = true;
    pendingGuess_.reset();
    end_.reset();
    roundsOver_ = false;
    GameState& state = session_.state();
    state.waitingPort = 0;
    state.waitingJid.clear();
    state.joiningAddress.clear();
    state.hostAnswerAwaited = false;
    state.networkNote.clear();
    state.opponentName = link->peerName().toStdString();
    state.opponentAddress = link->peerAddress().toStdString();
    state.opponentThroughJabber = jabber_;
    if (link->role() == net::Role::Host) {
        // The host's own links end here too (the host deletes them).
        QObject::connect(link, &net::DuelLink::ended, &context_, [this, link](const net::DuelEnd& end) {
            if (link == link_) LinkGone(end);
            Later([this, end] { LinkEnded(end); });
        });
    }
    QObject::connect(link, &net::DuelLink::peerCommitted, &context_, [this] {
        Later([this] {
            if (!pendingGuess_ || !link_ || !link_->myTurn()) return;
            link_->Guess(*pendingGuess_);
            pendingGuess_.reset();
        });
    });
    // What the link took is handed over in its order, each with whether the
    // last round was over once it was taken: a fast peer's answer and its
    // winning guess may both have been read before the session hears of the
    // first.
    QObject::connect(link, &net::DuelLink::answerReceived, &context_,
                     [this, link](const QString& guess, int exact, int partial) {
                         const bool over = link->stage() != net::Stage::Playing;
                         Later([this, guess, exact, partial, over] {
                             roundsOver_ = over;
                             session_.AnswerArrived(guess.toStdString(), Score{exact, partial});
                         });
                     });
    // The link has answered the guess already, from this side's number; the
    // game scores it the same way and goes on without waiting for a click.
    QObject::connect(link, &net::DuelLink::guessReceived, &context_, [this, link](const QString& guess, int, int) {
        const bool over = link->stage() != net::Stage::Playing;
        Later([this, guess, over] {
            roundsOver_ = over;
            session_.GuessArrived(guess.toStdString());
            session_.OpponentMove();
            session_.Redraw();
        });
    });
    session_.StartGameAgainst(*this);
}

void NetworkDuel::LinkGone(const net::DuelEnd& end) {
    end_ = end;
    // The number prompt of this game is pointless now: it closes, and New game stops.
    if (settingUp_) session_.platform().cancelModalsAbove(setUpDepth_);
}

void NetworkDuel::LinkEnded(const net::DuelEnd& end) {
    const bool wasPlaying = playing_;
    GameState& state = session_.state();
    Forget();
    if (!wasPlaying) {
        // Joining: the host said no, plays someone else, speaks another
        // version, or could not be reached.
        state.joiningAddress.clear();
        state.hostAnswerAwaited = false;
        if (end.kind != net::EndKind::WeLeft && !end.text.empty())
            Notice(session_.platform(), session_.boxOwner(), QString::fromStdString(Word("network", end.text.c_str())));
        session_.Redraw();
        return;
    }
    if (!state.gameRunning()) {
        // The game was never set up: the opponent left while the number was typed.
        if (end.kind != net::EndKind::WeLeft)
            Notice(session_.platform(), session_.boxOwner(), QString::fromStdString(EndMessage(end, {})));
        session_.OpponentEnded(OutcomeOf(end), {});
        return;
    }
    if (!end.peerNumber.empty()) state.compNumber = end.peerNumber;
    session_.OpponentEnded(OutcomeOf(end), EndMessage(end, state.opponentName));
}

void NetworkDuel::Stop() {
    if (joining_) joining_->Leave();
    if (link_) link_->Leave();
    if (host_) host_->Stop();
    Forget();
    jabber_ = false;
    GameState& state = session_.state();
    state.waitingPort = 0;
    state.waitingJid.clear();
    state.joiningAddress.clear();
    state.hostAnswerAwaited = false;
    state.networkNote.clear();
}

void NetworkDuel::Forget() {
    joining_ = nullptr;
    link_ = nullptr;
    playing_ = false;
    pendingGuess_.reset();
    end_.reset();
    roundsOver_ = false;
    settingUp_ = false;
    asked_ = nullptr;
    host_.reset();
    SyncMoveClock();
}

void NetworkDuel::SyncMoveClock() {
    GameState& state = session_.state();
    const int left = link_ ? link_->ownMoveMsLeft() : -1;
    if (left < 0) {
        state.moveDeadline.reset();
        state.moveSecondsLeft.reset();
        return;
    }
    state.moveDeadline = session_.platform().monotonicSeconds() + left / 1000.0;
}

// ---- the person as the opponent ----------------------------------------------

bool NetworkDuel::movesFirst() const { return link_ && link_->role() == net::Role::Guest; }

bool NetworkDuel::PrepareGame(Duel& duel) {
    if (!link_) return false;
    // The opponent's number is known only from its reveal.
    duel.state.compNumber.clear();
    settingUp_ = true;
    setUpDepth_ = duel.platform.modalDepth();
    return !end_;
}

void NetworkDuel::GameBegins(Duel& duel) {
    settingUp_ = false;
    if (link_) link_->Commit(duel.state.userNumber);
    SyncMoveClock();
}

Outcome NetworkDuel::GivenUpOutcome(Outcome) const {
    // The link may already know how the duel ended while the session has not heard it yet.
    if (end_) return OutcomeOf(*end_);
    if (!link_) return Outcome::Abandoned;
    switch (link_->stage()) {
        case net::Stage::Playing:
            return Outcome::UserForfeited;
        case net::Stage::Revealing: {
            // This side's reveal has gone out: the peer decides by it, and so does this side.
            net::DuelEnd rounds;
            rounds.kind = *link_->protocol().roundsResult();
            return OutcomeOf(rounds);
        }
        default:
            return Outcome::Abandoned;  // before both commitments nobody wins
    }
}

std::optional<Score> NetworkDuel::AnswerGuess(Duel&, const std::string& guess) {
    if (!link_) return std::nullopt;
    if (link_->stage() == net::Stage::Playing && link_->myTurn())
        link_->Guess(guess);  // refused once the move's time is up: the end follows
    else
        pendingGuess_ = guess;  // the opponent has not committed yet: the guess goes when it has
    SyncMoveClock();
    return std::nullopt;
}

std::optional<std::string> NetworkDuel::MakeGuess(Duel&) { return std::nullopt; }

Opponent::AfterAnswer NetworkDuel::TakeAnswer(Duel&, const Move&) {
    return awaitingEnd() ? AfterAnswer::AwaitingEnd : AfterAnswer::PlayerToMove;
}

// A game that ends on this side (New game, a quit) is left: goodbye to the peer.
void NetworkDuel::GameEnded(Duel&, Outcome) {
    if (playing_) Stop();
}

}  // namespace duel
