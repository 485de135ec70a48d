// The session's run: start-up and close, the steps on this session's game, the journal's notices and resumption.
#include "session/session.h"

#include "duel/resume_game.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "session/session_screen.h"

#include <QTimer>

#include <cstdio>
#include <utility>

namespace duel {

Session::Session(Platform& platform, GameEvents& alsoTell)
    : platform_(platform),
      journal_(platform),
      settings_(state_, platform),
      options_(platform),
      events_{&journal_, &settings_, &options_, &alsoTell},
      prize_(state_, platform) {}

Session::~Session() = default;

void Session::SetScreen(SessionScreen& screen) {
    screen_ = &screen;
    settings_.SetScreen(screen);
    prize_.SetScreen(screen);
}

void Session::UseOpponent(Opponent& opponent) {
    if (state_.gameRunning() || state_.busy) return;
    chosenOpponent_ = &opponent;
    opponent_ = &opponent;
}

Duel Session::Steps() { return Duel{state_, platform_, *screen_, *opponent_, events_, prize_}; }

SettingsLoad Session::Load() {
    SettingsLoad load = settings_.Load();
    options_.Load(state_);
    state_.userNumberDefault = "1234";
    loaded_ = true;
    return load;
}

void Session::FinishStartUp() {
    if (unloaded_) return;
    settings_.RemoveLeftovers();
    options_.RemoveLeftovers();
    prize_.RemoveLeftovers();
    // The journal of games is opened at the next pass, so that it never delays the window.
    QTimer::singleShot(0, &laterContext_, [this] {
        if (unloaded_) return;  // the program ended before it came to this
        journal_.onNotice = [this] {
            // A write fails inside a step: the box waits until the step is over.
            QTimer::singleShot(0, &laterContext_, [this] { TellJournalNotice(); });
        };
        journal_.Open(platform_.userDataFolderPath());
        if (screen_) screen_->Refresh();
        TellJournalNotice();  // not inside a step: at once
        startedUp_ = true;
        if (afterStartUp_) std::exchange(afterStartUp_, nullptr)();
    });
}

void Session::AfterStartUp(std::function<void()> work) {
    if (startedUp_)
        work();
    else
        afterStartUp_ = std::move(work);
}

void Session::SaveSettings() { settings_.Save(); }

void Session::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    waitingWork_.clear();
    afterStartUp_ = nullptr;
    if (network_) {
        // A duel left is given up now, so that this side's journal records it
        // (the player's forfeit once both had committed), and the peer hears goodbye.
        if (opponent_ == network_.get() && state_.gameRunning()) RunStep([](Duel& duel) { GiveUpGame(duel); });
        network_->Stop();
    }
    if (loaded_) settings_.Save(/*closing=*/true);
    TellJournalNotice();  // on standard error now
}

void Session::TellJournalNotice() {
    const std::string notice = journal_.TakeNotice();
    if (notice.empty()) return;
    if (platform_.quitting() || unloaded_ || !screen_) {
        std::fprintf(stderr, "shelvy: %s\n", notice.c_str());  // no box on the way out
        return;
    }
    Notice(platform_, screen_->ownerWidget(), QString::fromStdString(notice), MsgIcon::Exclamation);
}

// ---- the duel ---------------------------------------------------------------

template <typename Step>
void Session::RunStep(Step&& step) {
    ++stepsRunning_;
    Duel duel = Steps();
    step(duel);
    --stepsRunning_;
    if (stepsRunning_ == 0) RunWaitingWork();
}

void Session::WhenIdle(std::function<void()> work) {
    if (stepsRunning_ > 0 || state_.newGameRunning || unloaded_) {
        if (!unloaded_) waitingWork_.push_back(std::move(work));
        return;
    }
    work();
}

void Session::RunWaitingWork() {
    while (!waitingWork_.empty() && stepsRunning_ == 0 && !state_.newGameRunning) {
        std::function<void()> work = std::move(waitingWork_.front());
        waitingWork_.pop_front();
        work();
    }
}

void Session::Redraw() {
    if (screen_) screen_->Refresh();
}

void Session::NewGame() {
    if (state_.busy || state_.newGameRunning) return;
    // An unfinished game of an earlier run waits: the player chooses, once,
    // between taking it up, a new game (the old one given up) and nothing.
    if (CanResume()) {
        const QString date = QString::fromStdString(journal_.WaitingGameDate());
        switch (QuestionOrCancel(platform_, screen_ ? screen_->ownerWidget() : nullptr,
                                 Tr("session", "Продолжить прерванную игру от %1?").arg(date))) {
            case MsgAnswer::Yes:
                return ResumeGame();
            case MsgAnswer::No:
                journal_.GiveUpWaitingGame();
                break;
            default:
                return;
        }
    }
    // A new game against the chosen opponent (the computer): a duel over the
    // network is left, its waiting stopped.
    if (network_ && network_->active()) StopNetworkDuel();
    UseChosenOpponent();
    RunStep([](Duel& duel) { duel::NewGame(duel); });
}

void Session::StartGameAgainst(Opponent& opponent) {
    if (state_.busy || state_.newGameRunning) return;
    if (state_.gameRunning()) RunStep([](Duel& duel) { GiveUpGame(duel); });
    opponent_ = &opponent;
    RunStep([](Duel& duel) { duel::NewGame(duel); });
    if (!state_.gameRunning() && network_ && &opponent == network_.get()) {
        // No game came of it (the number prompt cancelled, the opponent gone,
        // a quit): the duel is off, and the next games are the computer's.
        network_->Stop();
        UseChosenOpponent();
    }
    Redraw();
}

void Session::OpponentEnded(Outcome outcome, const std::string& message) {
    RunStep([&](Duel& duel) { OpponentEndsGame(duel, outcome, message); });
    UseChosenOpponent();
    Redraw();
}

void Session::UseChosenOpponent() {
    opponent_ = chosenOpponent_;
    state_.opponentName.clear();
    state_.opponentAddress.clear();
    state_.opponentThroughJabber = false;
}

void Session::PlayerMove() {
    const std::string guess = state_.composedGuess;
    RunStep([&](Duel& duel) { duel::PlayerMove(duel, guess); });
}

void Session::OpponentMove() {
    RunStep([](Duel& duel) { duel::OpponentMove(duel); });
}

void Session::GiveAnswer(AnswerGroup group, int32_t count) {
    RunStep([&](Duel& duel) { duel::GiveAnswer(duel, group, count); });
}

void Session::AnswerArrived(const std::string& guess, Score answer) {
    RunStep([&](Duel& duel) { duel::AnswerArrived(duel, guess, answer); });
    Redraw();
}

void Session::GuessArrived(const std::string& guess) {
    RunStep([&](Duel& duel) { duel::GuessArrived(duel, guess); });
    Redraw();
}

// ---- the duel over the network ---------------------------------------------

void Session::SetNetworkParts(NetworkDuelMaker duelMaker, GameFinderMaker finderMaker) {
    networkDuelMaker_ = std::move(duelMaker);
    gameFinderMaker_ = std::move(finderMaker);
}

std::unique_ptr<net::GameFinder> Session::MakeGameFinder() { return gameFinderMaker_ ? gameFinderMaker_() : nullptr; }

NetworkDuelPart* Session::network() {
    if (!network_ && networkDuelMaker_) network_ = networkDuelMaker_(*this, networkTimeouts_);
    if (!network_)
        Notice(platform_, boxOwner(),
               Tr("session",
                  "Дуэль по сети недоступна: не найдена её часть, модуль «libshelvy-network.so». "
                  "Переустановите игру."),
               MsgIcon::Exclamation);
    return network_.get();
}

QWidget* Session::boxOwner() { return screen_ ? screen_->ownerWidget() : nullptr; }

bool Session::networkActive() const { return network_ && network_->active(); }

bool Session::HostNetworkDuel(uint16_t port, const std::string& name) {
    NetworkDuelPart* duel = ReadyForNetworkDuel();
    return duel && duel->Host(port, name);
}

void Session::JoinNetworkDuel(const std::string& address, uint16_t port, const std::string& name) {
    if (NetworkDuelPart* duel = ReadyForNetworkDuel()) duel->Join(address, port, name);
}

void Session::HostJabberDuel(const net::JabberAccount& account, const std::string& name) {
    if (NetworkDuelPart* duel = ReadyForNetworkDuel()) duel->HostJabber(account, name);
}

void Session::JoinJabberDuel(const net::JabberAccount& account, const std::string& friendJid, const std::string& name) {
    if (NetworkDuelPart* duel = ReadyForNetworkDuel()) duel->JoinJabber(account, friendJid, name);
}

void Session::StopNetworkDuel() {
    if (!network_) return;
    if (opponent_ == network_.get() && state_.gameRunning()) {
        // The duel that runs is given up: goodbye to the peer (the player's forfeit).
        RunStep([](Duel& duel) { GiveUpGame(duel); });
        UseChosenOpponent();
    }
    network_->Stop();
    Redraw();
}

// A duel over the network replaces the game that runs, which is given up;
// the module is asked for first, so that without it that game goes on.
NetworkDuelPart* Session::ReadyForNetworkDuel() {
    if (state_.busy || state_.newGameRunning) return nullptr;
    NetworkDuelPart* part = network();
    if (!part) return nullptr;
    // An unfinished game of an earlier run would be given up by the duel's
    // game as any new game gives it up: the player is asked first.
    if (CanResume()) {
        const QString date = QString::fromStdString(journal_.WaitingGameDate());
        if (!Question(platform_, boxOwner(),
                      Tr("session", "Прерванная игра от %1 будет брошена. Начать дуэль по сети?").arg(date)))
            return nullptr;
        journal_.GiveUpWaitingGame();
    }
    if (state_.gameRunning()) RunStep([](Duel& duel) { GiveUpGame(duel); });
    UseChosenOpponent();
    return part;
}

bool Session::FastTick() { return duel::FastTick(state_, platform_); }
void Session::AutoScoreTick() { duel::AutoScoreTick(state_); }
void Session::GameClockTick() { duel::GameClockTick(state_, platform_); }

// ---- the player's own choices -------------------------------------------------

void Session::ToggleHint() { ChooseHint(state_, events_, !state_.hintChosen); }
void Session::ToggleStrongOpponent() { ChooseStrongOpponent(state_, events_, !state_.strongChosen); }

// ---- the journal of games ---------------------------------------------------

bool Session::CanResume() const { return journal_.CanResume() && !state_.gameRunning() && !state_.busy; }

void Session::ResumeGame() {
    if (state_.busy || state_.gameRunning()) return;
    const std::optional<SavedGame> saved = journal_.TakeResumable();
    if (!saved) {
        Notice(platform_, screen_ ? screen_->ownerWidget() : nullptr,
               Tr("session",
                  "Прошлую игру продолжить нельзя: её уже продолжает или сменила новой "
                  "другая запущенная игра."));
        return;
    }
    UseChosenOpponent();
    RunStep([&](Duel& duel) { duel::ResumeGame(duel, *saved); });
}

}  // namespace duel
