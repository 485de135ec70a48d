// One run's game: the state, the opponent, the journal, the settings and choices, the prize; the window draws it.
//
// The session owns everything the game is: the GameState, the opponent (the
// computer unless another is given), and the listeners of the game's events
// that keep it on disk (the journal of games, the settings file, the options
// file).  It runs the duel's steps on the main window's behalf, gives the won
// picture and does the start-up's housekeeping.  The main window draws the
// state and forwards the player's input here; a test drives a whole run
// through a session with a scripted screen and no window.
#pragma once

#include "duel/computer_opponent.h"
#include "duel/duel.h"
#include "rules/game_state.h"
#include "session/event_listeners.h"
#include "session/gallery_prize.h"
#include "session/journal_keeper.h"
#include "session/network_duel_port.h"
#include "session/options_keeper.h"
#include "session/settings_keeper.h"
#include "storage/settings_file.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace duel {

class Journal;
class Platform;
class SessionScreen;

class Session final : public NetworkDuelSession {
public:
    // `alsoTell`, when given, hears of every event after the session's own
    // listeners; it must outlive the session.
    explicit Session(Platform& platform, GameEvents& alsoTell = GameEvents::Nobody());
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    GameState& state() override { return state_; }
    const GameState& state() const { return state_; }
    Platform& platform() override { return platform_; }
    QWidget* boxOwner() override;
    // Where the windows report what they change (a record holder's name, a reset).
    GameEvents& events() { return events_; }
    // The opponent of this session's games: the computer unless another is given.
    Opponent& opponent() { return *opponent_; }
    ComputerOpponent& computer() { return computer_; }
    // New game plays against `opponent` from now on (it must outlive its
    // games); the computer again when it is the computer.  Not while a game runs.
    void UseOpponent(Opponent& opponent);

    // The window that shows the game; set before the first step.
    void SetScreen(SessionScreen& screen);
    SessionScreen& screen() { return *screen_; }
    // The prize of a won game (the gallery's next picture).
    Prize& prize() { return prize_; }

    // ---- the run ----
    // Start-up: the settings file (records, keypad placement, gallery choice)
    // and the player's choices read into the state.  Returns what was read,
    // with the main window's saved place.
    SettingsLoad Load();
    // Once the window is on the screen: the leftovers of killed runs removed,
    // then, at the event loop's next pass, the journal of games opened.
    void FinishStartUp();
    // Runs `work` once the start-up is over and the journal of games has been
    // opened (at once when it is): a duel asked for on the command line must
    // know whether an unfinished game waits.
    void AfterStartUp(std::function<void()> work);
    // Writes the settings now, as the close does (the desktop session ends).
    void SaveSettings();
    // The close: a duel over the network that runs is left, recorded at once
    // as the player's forfeit once both numbers were committed to, with a
    // goodbye to the peer; the settings saved (unless the start-up never
    // ran), the journal's notice on standard error.  Runs once.
    void Unload();

    // ---- the duel: each runs its step over this session's game ----
    void NewGame();
    void PlayerMove();  // with the guess composed so far
    void OpponentMove() override;
    void GiveAnswer(AnswerGroup group, int32_t count);
    bool FastTick();  // true: a new game asked for by another window starts now
    void AutoScoreTick();
    void GameClockTick();
    // What an opponent that answers or guesses later hands over when it comes;
    // the window is drawn anew.
    void AnswerArrived(const std::string& guess, Score answer) override;
    void GuessArrived(const std::string& guess) override;
    // A new game against `opponent` (the session's opponent from now on); the
    // game that runs is given up.
    void StartGameAgainst(Opponent& opponent) override;
    // The opponent has ended the game that runs with `outcome` (`message` for
    // the player); the next games are the computer's again.
    void OpponentEnded(Outcome outcome, const std::string& message) override;
    // Runs `work` now when no step runs (and no New game waits for its
    // number), else as soon as the steps are over: what comes from outside
    // (a peer over the network) never cuts into a step.
    void WhenIdle(std::function<void()> work) override;
    // Has the window draw the game anew.
    void Redraw() override;

    // ---- the duel over the network ----
    // Hosts a duel on `port` as `name`, or joins one; the game that runs is
    // given up.  An unfinished game of an earlier run that waits is given up
    // too, once the player has said yes to that; "Нет" changes nothing.
    // False when the port cannot be taken (the player is told).
    bool HostNetworkDuel(uint16_t port, const std::string& name);
    void JoinNetworkDuel(const std::string& address, uint16_t port, const std::string& name);
    // The same through a Jabber server (see NetworkDuelPart).
    void HostJabberDuel(const net::JabberAccount& account, const std::string& name);
    void JoinJabberDuel(const net::JabberAccount& account, const std::string& friendJid, const std::string& name);
    // "Отмена" while waiting or joining; a duel that runs is left.
    void StopNetworkDuel();
    // Waiting, joining or playing over the network.
    bool networkActive() const;
    // Where the duel over the network comes from (its module, in the program);
    // without it a duel cannot be hosted or joined, and the player is told so.
    void SetNetworkParts(NetworkDuelMaker duelMaker, GameFinderMaker finderMaker);
    // The finder of the games on the local network, or nothing.
    std::unique_ptr<net::GameFinder> MakeGameFinder();
    // The timeouts of the links made from now on (tests make them short).
    void SetNetworkTimeouts(const net::LinkTimeouts& timeouts) { networkTimeouts_ = timeouts; }

    // ---- the player's own choices ----
    void ToggleHint();
    void ToggleStrongOpponent();

    // ---- the journal of games ----
    // "Продолжить прошлую игру" can be chosen now.
    bool CanResume() const;
    // Resumes the journal's unfinished game; a notice when another running
    // game took it meanwhile.
    void ResumeGame();
    // The journal (nullptr before it was opened or without a data folder) and
    // why it is not kept, for the statistics window.
    Journal* journal() { return journal_.journal(); }
    std::string journalStatus() const { return journal_.Status(); }

private:
    Duel Steps();
    // Runs one step over the game; what waited for the steps to end runs after it.
    template <typename Step>
    void RunStep(Step&& step);
    void RunWaitingWork();
    // The games from now on are the chosen opponent's (after a duel over the network).
    void UseChosenOpponent();
    // The duel over the network, with the game that runs given up; nullptr
    // (and that game untouched) when a step runs or the module is missing.
    NetworkDuelPart* ReadyForNetworkDuel();
    // The duel over the network, made when it is first needed; nullptr when it cannot be had.
    NetworkDuelPart* network();
    // Tells the journal's notice, once a step is over; on standard error while quitting.
    void TellJournalNotice();

    Platform& platform_;
    GameState state_;
    ComputerOpponent computer_;
    Opponent* chosenOpponent_ = &computer_;  // the opponent of New game
    Opponent* opponent_ = &computer_;        // the opponent of the game that runs
    SessionScreen* screen_ = nullptr;

    JournalKeeper journal_;
    SettingsKeeper settings_;
    OptionsKeeper options_;
    EventListeners events_;
    GalleryPrize prize_;

    std::unique_ptr<NetworkDuelPart> network_;  // made when a duel over the network is first hosted or joined
    NetworkDuelMaker networkDuelMaker_;
    GameFinderMaker gameFinderMaker_;
    net::LinkTimeouts networkTimeouts_;
    int stepsRunning_ = 0;
    std::deque<std::function<void()>> waitingWork_;

    QObject laterContext_;  // what runs at a later pass of the event loop goes with the session
    bool loaded_ = false;
    bool unloaded_ = false;
    bool startedUp_ = false;              // the journal of games has been opened (or could not be)
    std::function<void()> afterStartUp_;  // waits for it
};

}  // namespace duel
