// The session's run: start-up and close, the steps on this session's game, the journal's notices and resumption.
#include "session/session.h"

#include "duel/resume_game.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "session/session_screen.h"

#include <QTimer>

#include <cstdio>

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
    });
}

void Session::SaveSettings() { settings_.Save(); }

void Session::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
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

void Session::NewGame() {
    Duel duel = Steps();
    duel::NewGame(duel);
}

void Session::PlayerMove() {
    Duel duel = Steps();
    const std::string guess = state_.composedGuess;
    duel::PlayerMove(duel, guess);
}

void Session::OpponentMove() {
    Duel duel = Steps();
    duel::OpponentMove(duel);
}

void Session::GiveAnswer(AnswerGroup group, int32_t count) {
    Duel duel = Steps();
    duel::GiveAnswer(duel, group, count);
}

void Session::AnswerArrived(const std::string& guess, Score answer) {
    Duel duel = Steps();
    duel::AnswerArrived(duel, guess, answer);
    screen_->Refresh();
}

void Session::GuessArrived(const std::string& guess) {
    Duel duel = Steps();
    duel::GuessArrived(duel, guess);
    screen_->Refresh();
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
               QStringLiteral("Прошлую игру продолжить нельзя: её уже продолжает или сменила новой "
                              "другая запущенная игра."));
        return;
    }
    Duel duel = Steps();
    duel::ResumeGame(duel, *saved);
}

}  // namespace duel
