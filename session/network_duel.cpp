// The duel over the network in the session: the host's waiting and question, joining, the game's moves and its end.
#include "session/network_duel.h"

#include "duel/duel.h"
#include "network/duel_host.h"
#include "network/network_texts.h"
#include "platform/dialogs.h"
#include "rules/game_state.h"

#include <QTimer>

#include <cstdio>
#include <utility>

namespace duel {

namespace {

// How a link's end goes into the journal of games.
Outcome OutcomeOf(net::EndKind kind) {
    switch (kind) {
        case net::EndKind::Won:
            return Outcome::UserWon;
        case net::EndKind::Lost:
            return Outcome::ComputerWon;  // the opponent's side won
        case net::EndKind::Draw:
            return Outcome::Draw;
        case net::EndKind::OpponentLied:
            return Outcome::OpponentForfeited;
        case net::EndKind::WeLeft:
            return Outcome::Abandoned;
        default:
            return Outcome::ConnectionLost;
    }
}

// What the player is told at the end of a game: how it ended, and the
// opponent's number when it was revealed.
std::string EndMessage(const net::DuelEnd& end, const std::string& opponent) {
    std::string text;
    switch (end.kind) {
        case net::EndKind::Won:
            text = net::kTextYouWon;
            break;
        case net::EndKind::Lost:
            text = net::OpponentWonText(opponent);
            break;
        case net::EndKind::Draw:
            text = net::kTextDraw;
            break;
        case net::EndKind::WeLeft:
            return {};
        default:
            text = end.text.empty() ? std::string(net::kTextLost) : end.text;
            break;
    }
    if (!end.peerNumber.empty()) text += "\n" + net::OpponentNumberText(end.peerNumber);
    return text;
}

}  // namespace

NetworkDuel::NetworkDuel(NetworkDuelSession& session, net::LinkTimeouts timeouts)
    : session_(session), timeouts_(timeouts) {}

NetworkDuel::~NetworkDuel() { Stop(); }

template <typename Work>
void NetworkDuel::Later(Work&& work) {
    QTimer::singleShot(0, &context_,
                       [this, work = std::forward<Work>(work)]() mutable { session_.WhenIdle(std::move(work)); });
}

bool NetworkDuel::active() const { return host_ || joining_ || playing_; }

bool NetworkDuel::Host(uint16_t port, const std::string& name) {
    Stop();
    host_ = std::make_unique<net::DuelHost>(name, timeouts_);
    host_->SetAnnounced(true);
    QObject::connect(host_.get(), &net::DuelHost::waiting, &context_, [this](quint16 waitingPort) {
        session_.state().waitingPort = waitingPort;
        session_.Redraw();
    });
    QObject::connect(
        host_.get(), &net::DuelHost::peerAsks, &context_,
        [this](net::DuelLink* link, const QString& peer, const QString& address) {
            Later([this, guard = QPointer<net::DuelLink>(link), peer, address] { AskToPlay(guard, peer, address); });
        });
    // A peer that breaks off before the host's player has said yes is no
    // news to the player, who goes on waiting; a line for whoever looks.
    QObject::connect(host_.get(), &net::DuelHost::peerDropped, &context_, [](const QString& text) {
        if (!text.isEmpty()) std::fprintf(stderr, "shelvy: %s\n", text.toUtf8().constData());
    });
    if (!host_->Listen(port)) {
        const QString reason = host_->errorText();
        host_.reset();
        Notice(session_.platform(), session_.boxOwner(), reason, MsgIcon::Exclamation);
        return false;
    }
    session_.state().waitingPort = host_->port();
    session_.Redraw();
    return true;
}

void NetworkDuel::AskToPlay(QPointer<net::DuelLink> link, const QString& peer, const QString& address) {
    if (!link || playing_ || !host_) return;
    const bool yes = Question(session_.platform(), session_.boxOwner(),
                              QString::fromStdString(net::AskToPlayText(peer.toStdString(), address.toStdString())));
    if (!link) return;  // the peer left meanwhile: the host waits again
    if (!yes || session_.platform().quitting()) {
        link->Decline();
        return;
    }
    link->Accept();
    Play(link);
}

void NetworkDuel::Join(const std::string& address, uint16_t port, const std::string& name) {
    Stop();
    net::DuelLink* link = net::DuelLink::Join(QString::fromStdString(address), port, name, timeouts_);
    joining_ = link;
    QObject::connect(link, &net::DuelLink::accepted, &context_, [this, guard = QPointer<net::DuelLink>(link)] {
        Later([this, guard] {
            if (guard && guard == joining_) Play(guard);
        });
    });
    QObject::connect(link, &net::DuelLink::ended, &context_, [this, link](const net::DuelEnd& end) {
        link->deleteLater();
        Later([this, end] { LinkEnded(end); });
    });
    GameState& state = session_.state();
    state.joiningAddress = address + ":" + std::to_string(port);
    session_.Redraw();
}

void NetworkDuel::Play(net::DuelLink* link) {
    joining_ = nullptr;
    link_ = link;
    playing_ = true;
    pendingGuess_.reset();
    GameState& state = session_.state();
    state.waitingPort = 0;
    state.joiningAddress.clear();
    state.opponentName = link->peerName().toStdString();
    state.opponentAddress = link->peerAddress().toStdString();
    if (link->role() == net::Role::Host) {
        // The host's own links end here too (the host deletes them).
        QObject::connect(link, &net::DuelLink::ended, &context_,
                         [this](const net::DuelEnd& end) { Later([this, end] { LinkEnded(end); }); });
    }
    QObject::connect(link, &net::DuelLink::peerCommitted, &context_, [this] {
        Later([this] {
            if (!pendingGuess_ || !link_ || !link_->myTurn()) return;
            link_->Guess(*pendingGuess_);
            pendingGuess_.reset();
        });
    });
    QObject::connect(link, &net::DuelLink::answerReceived, &context_,
                     [this](const QString& guess, int exact, int partial) {
                         Later([this, guess, exact, partial] {
                             session_.AnswerArrived(guess.toStdString(), Score{exact, partial});
                         });
                     });
    // The link has answered the guess already, from this side's number; the
    // game scores it the same way and goes on without waiting for a click.
    QObject::connect(link, &net::DuelLink::guessReceived, &context_, [this](const QString& guess, int, int) {
        Later([this, guess] {
            session_.GuessArrived(guess.toStdString());
            session_.OpponentMove();
            session_.Redraw();
        });
    });
    QObject::connect(link, &net::DuelLink::revealReceived, &context_, [this](const QString& number) {
        Later([this, number] { session_.state().compNumber = number.toStdString(); });
    });
    session_.StartGameAgainst(*this);
}

void NetworkDuel::LinkEnded(const net::DuelEnd& end) {
    const bool wasPlaying = playing_;
    GameState& state = session_.state();
    Forget();
    if (!wasPlaying) {
        // Joining: the host said no, plays someone else, speaks another
        // version, or could not be reached.
        state.joiningAddress.clear();
        if (end.kind != net::EndKind::WeLeft && !end.text.empty())
            Notice(session_.platform(), session_.boxOwner(), QString::fromStdString(end.text));
        session_.Redraw();
        return;
    }
    if (!end.peerNumber.empty()) state.compNumber = end.peerNumber;
    session_.OpponentEnded(OutcomeOf(end.kind), EndMessage(end, state.opponentName));
}

void NetworkDuel::Stop() {
    if (joining_) joining_->Leave();
    if (link_) link_->Leave();
    if (host_) host_->Stop();
    Forget();
    GameState& state = session_.state();
    state.waitingPort = 0;
    state.joiningAddress.clear();
}

void NetworkDuel::Forget() {
    joining_ = nullptr;
    link_ = nullptr;
    playing_ = false;
    pendingGuess_.reset();
    host_.reset();
}

// ---- the person as the opponent ----------------------------------------------

bool NetworkDuel::movesFirst() const { return link_ && link_->role() == net::Role::Guest; }

bool NetworkDuel::PrepareGame(Duel&) { return link_ != nullptr; }

void NetworkDuel::GameBegins(Duel& duel) {
    if (link_) link_->Commit(duel.state.userNumber);
}

std::optional<Score> NetworkDuel::AnswerGuess(Duel&, const std::string& guess) {
    if (!link_) return std::nullopt;
    if (link_->stage() == net::Stage::Playing && link_->myTurn())
        link_->Guess(guess);
    else
        pendingGuess_ = guess;  // the opponent has not committed yet: the guess goes when it has
    return std::nullopt;
}

std::optional<std::string> NetworkDuel::MakeGuess(Duel&) { return std::nullopt; }

Opponent::AfterAnswer NetworkDuel::TakeAnswer(Duel&, const Move&) {
    return awaitingEnd() ? AfterAnswer::AwaitingEnd : AfterAnswer::PlayerToMove;
}

bool NetworkDuel::awaitingEnd() const {
    return link_ && (link_->stage() == net::Stage::Revealing || link_->stage() == net::Stage::Over);
}

// A game that ends on this side (New game, a quit) is left: goodbye to the peer.
void NetworkDuel::GameEnded(Duel&, Outcome) {
    if (playing_) Stop();
}

}  // namespace duel
