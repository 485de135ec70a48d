// The main window фрмГлавная: its menus, timers and status bar; its handlers forward to the session and redraw.
//
// The window keeps no fact of the game: a handler forwards the player's input
// to the session, which runs a step over the game state, and the window draws
// itself anew from the state (Refresh).  The other windows never see this
// class, only its HostWindow side; the session sees only its MainScreen.
#pragma once

#include "rules/window_placement.h"
#include "windows/host_window.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QTimer;

namespace duel {

class DuelField;
class ExtrasMenu;
class KeyboardPlay;
class KeypadWindow;
class MainScreen;
struct NetworkDuelStart;
namespace net {
class PasswordKeyring;
}
class Session;
class StatusPanels;
struct SettingsLoad;

class MainWindow : public QMainWindow, public HostWindow {
public:
    explicit MainWindow(Session& session);
    ~MainWindow() override;

    // ---- the window's life (main_window.cpp) ----
    void Form_Load();
    void Form_Unload();
    void Form_Activate();  // the keypad's arrow windows go away

    // ---- the menu "&Игра" and the duel (main_window_handlers.cpp) ----
    void mnuGameNew_Click();
    void mnuGameResume_Click();   // the unfinished game of the journal
    void mnuGameNetwork_Click();  // a duel over the network: hosted or joined
    // The window "Дуэль по сети" from `start` (the command line's duel through Jabber without its password).
    void OpenNetworkDuel(const NetworkDuelStart& start);
    // Where the window "Дуэль по сети" gets the desktop's keyring (none: the box is disabled).
    void SetKeyringMaker(std::function<std::unique_ptr<net::PasswordKeyring>()> maker) {
        keyringMaker_ = std::move(maker);
    }
    void mnuGameWins_Click();
    void mnuGameStatistics_Click();
    void mnuGameExit_Click();
    void кнпСчитать_Click();
    void кнпДумать_Click();
    void ЧасыRND_Timer();     // 20 ms: the random draw, a requested game, the keypad's place and Cancel
    void Часы_Timer();        // 300 ms: the automatic scorer
    void TimerTimer_Timer();  // 200 ms: the game clock

    // ---- what the other windows see (HostWindow) ----
    QWidget* ownerWidget() override { return this; }
    QRect frameRect() const override { return frameGeometry(); }
    QRect clientRect() const override { return geometry(); }
    QIcon icon() const override { return windowIcon(); }
    void Refresh() override;  // main_window_view.cpp

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The saved place, kept on the screen's available area together with the
    // keypad docked below it; without one the pair is centred on the screen.
    void PlaceOnScreen(const SettingsLoad& load);
    // Moves the window, with the keypad docked below it, as little as keeps
    // the two whole on the screen's available area.
    void KeepPairOnScreen();
    // The main window's frame and the keypad's docked under it, as they stand
    // now (the keypad's as it will stand before it is built).
    DockedPair DockedPairNow() const;
    // The start-up steps that wait until the window is on the screen: the
    // keypad and keyboard play, the icon's large pictures, the tray icon, the
    // session's housekeeping and journal.  Run once, at the event loop's first
    // pass after Form_Load.
    void FinishStartUp();
    // After a step: closes the window if a close was put off while it worked;
    // true when it did.
    bool CarryOutDeferredClose();

    void BuildMenus();   // main_window_layout.cpp
    void BuildTimers();  // main_window_layout.cpp
    void MatchTimers();  // main_window_view.cpp: the timers run while the state gives them work

    Session& session_;
    std::unique_ptr<MainScreen> screen_;  // what the session shows its game through
    DuelField* field_ = nullptr;          // the playing field
    std::unique_ptr<StatusPanels> status_;
    ExtrasMenu* extrasMenu_ = nullptr;            // mnuAdd
    QAction* resumeItem_ = nullptr;               // mnuGameResume
    QTimer* tickTimer_ = nullptr;                 // ЧасыRND, 20 ms, always running
    QTimer* autoScoreTimer_ = nullptr;            // Часы, 300 ms, the automatic scorer
    QTimer* gameClockTimer_ = nullptr;            // TimerTimer, 200 ms, the game clock
    std::unique_ptr<KeypadWindow> keypad_;        // фрмЧифры
    std::unique_ptr<KeyboardPlay> keyboardPlay_;  // digits, Backspace and Enter
    std::function<std::unique_ptr<net::PasswordKeyring>()> keyringMaker_;
    // The records window opened from the menu is shown: the turn marks are off meanwhile.
    bool recordsFromMenu_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
};

}  // namespace duel
