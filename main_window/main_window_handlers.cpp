// The main window's handlers of the menu "&Игра", the move buttons and the three timers: each forwards and redraws.
#include "main_window/duel_field.h"
#include "main_window/main_screen.h"
#include "main_window/main_window.h"
#include "main_window/status_panels.h"
#include "session/session.h"
#include "windows/keypad_window.h"
#include "windows/network_duel_window.h"
#include "windows/statistics_window.h"

#include <QPushButton>

namespace duel {

void MainWindow::mnuGameNew_Click() {
    session_.NewGame();
    if (CarryOutDeferredClose()) return;
    Refresh();
}

void MainWindow::mnuGameResume_Click() {
    session_.ResumeGame();
    Refresh();
    if (session_.state().phase == Phase::ComputerToMove) field_->computerMoveButton()->setFocus();
}

// The window "Дуэль по сети": hosting on a port, or joining a host typed or
// found on the local network; the name typed is kept for the next time.
void MainWindow::mnuGameNetwork_Click() {
    const GameState& state = session_.state();
    NetworkDuelStart start;
    start.name = state.playerName;
    start.jid = state.jabberAccount;
    start.server = state.jabberServer;
    OpenNetworkDuel(start);
}

void MainWindow::OpenNetworkDuel(const NetworkDuelStart& start) {
    GameState& state = session_.state();
    if (state.busy || state.newGameRunning) return;
    // The keyring is asked for with the window: it loads the network module, as joining does.
    std::unique_ptr<net::PasswordKeyring> keyring = keyringMaker_ ? keyringMaker_() : nullptr;
    NetworkDuelWindow window(
        start, [this] { return session_.MakeGameFinder(); }, keyring.get(), this);
    session_.platform().showModal(window);
    const std::optional<NetworkDuelChoice>& choice = window.choice();
    if (!choice) return;
    ChoosePlayerName(state, session_.events(), choice->name);
    if (choice->jabber) {
        ChooseJabberAccount(state, session_.events(), choice->jid, choice->server);
        net::JabberAccount account;
        account.jid = choice->jid;
        account.password = choice->password;
        account.server = choice->serverHost;
        account.port = choice->serverPort;
        account.caFile = start.caFile;
        if (choice->mode == NetworkDuelChoice::Mode::Host)
            session_.HostJabberDuel(account, choice->name);
        else
            session_.JoinJabberDuel(account, choice->friendJid, choice->name);
    } else if (choice->mode == NetworkDuelChoice::Mode::Host)
        session_.HostNetworkDuel(choice->port, choice->name);
    else
        session_.JoinNetworkDuel(choice->address, choice->port, choice->name);
    Refresh();
}

// While the window opened from the menu is shown the turn marks are off and
// the opponent's guess is hidden; the move buttons stay as they were.
void MainWindow::mnuGameWins_Click() {
    if (session_.state().busy) return;
    recordsFromMenu_ = true;
    Refresh();
    screen_->ShowRecords();
    recordsFromMenu_ = false;
    Refresh();
}

void MainWindow::mnuGameStatistics_Click() {
    if (session_.state().busy) return;
    StatisticsWindow window(session_.journal(), QString::fromStdString(session_.journalStatus()), session_.platform(),
                            *this);
    window.Form_Load();
    session_.platform().showModal(window);
}

void MainWindow::кнпСчитать_Click() {
    session_.PlayerMove();
    Refresh();
    if (session_.state().phase == Phase::ComputerToMove) field_->computerMoveButton()->setFocus();
}

void MainWindow::кнпДумать_Click() {
    session_.OpponentMove();
    if (CarryOutDeferredClose()) return;
    Refresh();
}

void MainWindow::ЧасыRND_Timer() {
    // A new game asked for by another window starts here, outside that
    // window's handler.
    if (session_.FastTick()) mnuGameNew_Click();
    field_->DrawOpponentsGuess();
    if (!keypad_) return;
    keypad_->Redock();
    keypad_->UpdateCancelButton();
}

void MainWindow::Часы_Timer() {
    session_.AutoScoreTick();
    Refresh();
}

void MainWindow::TimerTimer_Timer() {
    session_.GameClockTick();
    status_->Draw(session_.state(), session_.CanResume());
    MatchTimers();
}

}  // namespace duel
