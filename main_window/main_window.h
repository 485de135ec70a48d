// The main window фрмГлавная: the playing field, its menus and timers; its handlers call the duel's steps.
//
// The window keeps no fact of the game: a handler reads what the player
// chose, calls a step over the game state and draws itself anew from the
// state (Refresh).  The other windows never see this class, only its
// HostWindow side; the steps see only its DuelScreen side.
#pragma once

#include "duel/duel.h"
#include "duel/duel_screen.h"
#include "duel/game_events.h"
#include "platform/platform.h"
#include "rules/game_state.h"
#include "windows/host_window.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace duel {

class JournalKeeper;
class KeyboardPlay;
class KeypadWindow;
class ThinkingWindow;

inline constexpr const char* kNewGameHint = "Жми 'Игра' --> 'Новая игра' или 'F2'";

class MainWindow : public QMainWindow, public HostWindow, public DuelScreen {
public:
    // `events`, when given, hears of every game started, move made and game
    // ended (after the journal of games has written it); it must outlive the window.
    MainWindow(GameState& state, Platform& platform, GameEvents* events = nullptr);
    ~MainWindow() override;

    // ---- the window's life (main_window.cpp) ----
    void Form_Load();
    void Form_Unload();
    void Form_Activate();  // the keypad's arrow windows go away
    void mnuGameExit_Click();

    // ---- the duel (duel_handlers.cpp) ----
    void mnuGameNew_Click();
    void кнпСчитать_Click();
    void кнпДумать_Click();
    // The option buttons: one handler each, run whenever the button becomes
    // selected, by the user or by the program.
    void з1_Click();
    void з2_Click();
    void з3_Click();
    void з4_Click();
    void зн_Click();
    void ш1_Click();
    void ш2_Click();
    void ш3_Click();
    void ш4_Click();
    void шн_Click();
    void ЧасыRND_Timer();     // 20 ms: the random draw, a requested game, the keypad's place and Cancel
    void Часы_Timer();        // 300 ms: the automatic scorer
    void TimerTimer_Timer();  // 200 ms: the game clock

    // ---- the menus ----
    void mnuGameWins_Click();        // records_menu.cpp
    void mnuGameResume_Click();      // journal_menu.cpp: the unfinished game of the journal
    void mnuGameStatistics_Click();  // journal_menu.cpp
    void mnuInformationRun_Click();  // info_menu.cpp
    void mnuInformationForR_Click();
    void mnuInformationAbout_Click();
    void mnuAdd_Click();  // gallery_menu.cpp: "&Дополнительно" opens, missing sets grey
    void mnuAddBeautyNot_Click();
    void mnuAddBeautyTessaQuorin_Click();
    void mnuAddBeautyMarlaVentobrix_Click();
    void mnuAddBeautyDoriaFelstrand_Click();
    void mnuAddBeautyLunaPressvick_Click();
    void mnuAddBeautyNinaCorveld_Click();
    void mnuAddHint_Click();    // options_menu.cpp: the hint in status panel 1
    void mnuAddStrong_Click();  // the stronger opponent from the next game on

    // ---- what the other windows and the steps see (HostWindow, DuelScreen) ----
    QWidget* ownerWidget() override { return this; }
    QRect frameRect() const override { return frameGeometry(); }
    QRect clientRect() const override { return geometry(); }
    QIcon icon() const override { return windowIcon(); }
    void Refresh() override;  // main_window_view.cpp
    void OpenThinking(int maximum) override;
    void SetThinkingProgress(int value) override;
    void CloseThinking() override;
    void ShowRecords() override;     // records_menu.cpp
    void ShowWonPicture() override;  // gallery_menu.cpp: rezwin, the gallery's reaction to a win
    void SaveResults() override;     // settings_io.cpp

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The duel's steps work on this window's state, platform and listener.
    Duel Steps();

    // ---- start-up and shut-down ----
    void ReadSettings();      // settings_io.cpp
    void RemoveStaleSaves();  // settings_io.cpp: temporary files of saves a killed run left behind
    // The start-up steps that wait until the window is on the screen: the
    // keypad and keyboard play, the icon's large pictures, the tray icon, the
    // removal of leftovers.  Run once, at the event loop's first pass after
    // Form_Load.
    void FinishStartUp();
    // After a step: closes the window if a close was put off while it worked;
    // true when it did.
    bool CarryOutDeferredClose();

    // ---- the 20 ms tick's steps, in the order the tick runs them ----
    void DrawComputerGuess();  // main_window_view.cpp
    void RedockKeypad();       // keypad_docking.cpp

    // ---- the answer buttons (duel_handlers.cpp) ----
    void AnswerButton_Click(AnswerGroup group, int32_t count);

    // ---- the journal of games (journal_menu.cpp) ----
    void OpenJournal();        // once the window is shown
    void TellJournalNotice();  // a box once a step is over; standard error while quitting
    void DrawJournalItems();   // "Продолжить прошлую игру" enabled or not

    // ---- the gallery (gallery_menu.cpp) ----
    void RemoveLeftoverPictures();     // start-up: pictures a crashed run left behind
    void AskForMissingSets();          // the once-per-run download question
    void GalleryItem_Click(int item);  // one body for the six item handlers

    // ---- the player's own choices (options_menu.cpp) ----
    void ReadPlayerOptions();  // start-up
    void SavePlayerOptions();  // after a choice changes

    // ---- drawing from the state (main_window_view.cpp) ----
    void DrawTurnMarks();
    void DrawHistory();
    void DrawAnswers();
    void DrawStatusBar();
    const QString& PlayerHint();
    void MatchTimers();
    void DrawGuessPictures(const std::array<QLabel*, 4>& labels, const std::array<int, 4>& pictures);

    // Position of the outer window in twips, as the settings file keeps it.
    int32_t leftTwips() const;
    int32_t topTwips() const;

    // ---- building (main_window_layout.cpp) ----
    void BuildControls();
    void BuildMenus();
    void BuildStatusBar();
    void BuildTimers();
    void ConnectControls();

    GameState& state_;
    Platform& platform_;
    GameEvents& events_;
    std::unique_ptr<JournalKeeper> journal_;  // hears every event first, then tells events_

    // ---- controls, each with the name the game gives it as objectName ----
    std::array<QLabel*, 4> guessPictures_{};          // imgNumberMV1..4: the composed guess
    std::array<QLabel*, 4> computerGuessPictures_{};  // imgNumberVK1..4: the computer's guess
    QLabel* guessLabel_ = nullptr;                    // lblMV, "Мой вариант:"
    QLabel* computerGuessLabel_ = nullptr;            // lblVK, "Вариант компьютера:"
    QPushButton* userMoveButton_ = nullptr;           // кнпСчитать
    QPushButton* computerMoveButton_ = nullptr;       // кнпДумать
    QListWidget* historyList_ = nullptr;              // СписокЧШЗ
    QGroupBox* exactFrame_ = nullptr;                 // рмкЗлыки
    QGroupBox* partialFrame_ = nullptr;               // рмкШелвы
    std::array<QRadioButton*, 5> exactButtons_{};     // index = count: зн, з1, з2, з3, з4
    std::array<QRadioButton*, 5> partialButtons_{};   // index = count: шн, ш1, ш2, ш3, ш4
    QLabel* hintPanel_ = nullptr;                     // StatusBarPanel1
    QLabel* clockPanel_ = nullptr;                    // StatusBarPanel2
    QAction* resumeItem_ = nullptr;                   // mnuGameResume
    QMenu* extrasMenu_ = nullptr;                     // mnuAdd
    std::array<QAction*, 6> galleryItems_{};          // mnuAddBeautyNot, then the five sets
    QAction* hintItem_ = nullptr;                     // mnuAddHint
    QAction* strongItem_ = nullptr;                   // mnuAddStrong
    QTimer* tickTimer_ = nullptr;                     // ЧасыRND, 20 ms, always running
    QTimer* autoScoreTimer_ = nullptr;                // Часы, 300 ms, the automatic scorer
    QTimer* gameClockTimer_ = nullptr;                // TimerTimer, 200 ms, the game clock
    std::array<QPixmap, 11> digitPictures_;           // imlNumber: digits 0..9, then a dash

    std::unique_ptr<KeypadWindow> keypad_;            // фрмЧифры
    std::unique_ptr<ThinkingWindow> thinkingWindow_;  // фрмЗагрузка
    std::unique_ptr<KeyboardPlay> keyboardPlay_;      // digits, Backspace and Enter

    std::optional<std::string> computerGuessDrawn_;  // the computer's guess its pictures show
    // The player's moves the hint was last worked out for, and its text: the
    // status bar is drawn on every clock tick, the hint only when they change.
    std::optional<std::vector<Move>> hintMoves_;
    QString hintText_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool saveFailureShown_ = false;     // a failed save was reported during the run
    bool optionsFailureShown_ = false;  // a failed save of the player's choices was reported
};

}  // namespace duel
