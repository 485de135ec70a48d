// The main window фрмГлавная: the playing field, its menus and timers, and the duel's handlers.
//
// Its handlers are defined in the folder of the subsystem they belong to; the
// other windows never see this class, only its HostWindow side.
#pragma once

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "rules/game_state.h"
#include "windows/host_window.h"

#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace duel {

class KeyboardPlay;
class KeypadWindow;
class ThinkingWindow;

inline constexpr const char* kNewGameHint = "Жми 'Игра' --> 'Новая игра' или 'F2'";
inline constexpr const char* kClockStoppedText = "стоим";

// Which side's label is marked as having the move.
enum class Turn { None, User, Computer };

class MainWindow : public QMainWindow, public HostWindow {
public:
    MainWindow(GameState& state, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- what the other windows see (HostWindow) ----
    QWidget* ownerWidget() override { return this; }
    QRect frameRect() const override { return frameGeometry(); }
    QRect clientRect() const override { return geometry(); }
    QIcon icon() const override { return windowIcon(); }
    bool isBusy() const override { return busy_; }
    QString guessText() const override;
    void setGuessText(const QString& text) override;
    void AddDigit() override;         // keypad/add_digit.cpp
    void ClearGuessField() override;  // empty тксВарМой and redraw its pictures
    void HideMoveButtons() override;
    void ShowCurrentPhase() override;
    void RequestNewGame() override { state_.playNowRequested = true; }
    void SaveResults() override { WriteSettings(); }

    // ---- controls ----
    QLineEdit* тксВарМой = nullptr;        // the user's guess being entered (never shown)
    QLineEdit* тксВарКомп = nullptr;       // the computer's current guess (never shown)
    std::array<QLabel*, 4> imgNumberMV{};  // imgNumberMV1..4, the user's guess
    std::array<QLabel*, 4> imgNumberVK{};  // imgNumberVK1..4, the computer's guess
    QLabel* lblMV = nullptr;
    QLabel* lblVK = nullptr;
    QPushButton* кнпСчитать = nullptr;
    QPushButton* кнпДумать = nullptr;
    QListWidget* СписокЧШЗ = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* рмкЗлыки = nullptr;
    QGroupBox* рмкШелвы = nullptr;
    std::array<QRadioButton*, 5> exactButtons{};    // index = count: зн, з1, з2, з3, з4
    std::array<QRadioButton*, 5> partialButtons{};  // index = count: шн, ш1, ш2, ш3, ш4
    QCheckBox* првАвто = nullptr;
    QLabel* statusPanel1 = nullptr;
    QLabel* statusPanel2 = nullptr;
    QTimer ЧасыRND;                     // 20 ms, always running
    QTimer Часы;                        // 300 ms, the automatic scorer
    QTimer TimerTimer;                  // 200 ms, the game clock
    std::array<QPixmap, 11> imlNumber;  // digits 0..9, then a dash

    QMenu* mnuGame = nullptr;
    QAction* mnuGameNew = nullptr;
    QAction* mnuGameWins = nullptr;
    QAction* mnuGameExit = nullptr;
    QMenu* mnuAdd = nullptr;
    QMenu* mnuAddBeauty = nullptr;
    std::array<QAction*, 6> beautyItems{};  // mnuAddBeautyNot, then the five sets
    QMenu* mnuInformation = nullptr;
    QAction* mnuInformationRun = nullptr;
    QAction* mnuInformationForR = nullptr;
    QAction* mnuInformationAbout = nullptr;

    std::unique_ptr<KeypadWindow> фрмЧифры;
    std::unique_ptr<ThinkingWindow> фрмЗагрузка;

    // ---- handlers: menus, buttons, timers (the folder says where each lives) ----
    void Form_Load();  // core/main_window.cpp
    void Form_Unload();
    void mnuGameExit_Click();
    void mnuGameNew_Click();  // core/new_game.cpp
    void кнпСчитать_Click();  // core/player_move.cpp
    void TimerTimer_Timer();  // core/status_clock.cpp
    void ЧасыRND_Timer();     // core/fast_tick.cpp
    void WriteSettings();     // core/settings_io.cpp
    void кнпДумать_Click();   // opponent/computer_move.cpp
    void првАвто_Click();     // opponent/auto_scoring.cpp
    void Часы_Timer();
    void RedockKeypad();             // keypad/keypad_docking.cpp
    void mnuGameWins_Click();        // records/records_menu.cpp
    void ShowRecordsWindow();        // modal
    void mnuInformationRun_Click();  // info/info_menu.cpp
    void mnuInformationForR_Click();
    void mnuInformationAbout_Click();
    void Form_Activate();  // keypad/keypad_docking.cpp: the arrow windows go away
    void mnuAdd_Click();   // gallery/gallery_menu.cpp: "&Дополнительно" opens, missing sets grey
    void mnuAddBeautyNot_Click();
    void mnuAddBeautyTessaQuorin_Click();
    void mnuAddBeautyMarlaVentobrix_Click();
    void mnuAddBeautyDoriaFelstrand_Click();
    void mnuAddBeautyLunaPressvick_Click();
    void mnuAddBeautyNinaCorveld_Click();
    void rezwin();                    // a won game shows the next picture of the chosen set
    int CheckedGalleryItem() const;   // first checked item 1..6, 0 when none is
    void CheckGalleryItem(int item);  // checks that item alone (0: none)

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    GameState& state() { return state_; }
    Platform& platform() { return platform_; }

    // ---- steps of the handlers ----
    void BuildCandidates();  // core/new_game.cpp
    void UserWins();         // core/player_move.cpp
    void HandTurnToComputer();
    void ReadSettings();  // core/settings_io.cpp
    // The 20 ms tick's steps, one per subsystem, in the order the tick runs them.
    void NewGameRequestStep();         // core/fast_tick.cpp
    void ComputerGuessPicturesStep();  // opponent/computer_move.cpp
    void ComputerWins();
    void PlayOnAlone();
    void GameOver();
    void StopAfterContradiction();
    void HandTurnToUser();
    // з1_Click … з4_Click, зн_Click and ш1_Click … ш4_Click, шн_Click: one body,
    // run whenever a button becomes selected (opponent/answer_entry.cpp).
    void AnswerButton_Click(bool exactGroup, int32_t count);
    void CheckCounts();

    // ---- the prize gallery's steps (gallery/gallery_menu.cpp) ----
    void RememberAndClearBeauty();
    void ClearBeauty();
    void RemoveLeftoverPictures();     // start-up: pictures a crashed run left behind
    void AskForMissingSets();          // the once-per-run download question
    void GalleryItem_Click(int item);  // one body for the six item handlers

    // ---- shared display steps (core/main_window.cpp) ----
    void MarkTurn(Turn turn);  // label colours and the computer's pictures
    // The user to move with an empty guess, the computer's guess gone, the
    // answer back to "нету" and nothing to answer.
    void ShowUsersTurn();
    void SelectAnswer(bool exactGroup, int32_t count);  // select a button (runs its click)
    void ShowComputerGuessPictures(const QString& text);
    void ShowUserGuessPictures(const QString& text);
    void SetStatusHint(const QString& text);
    void OpenThinkingWindow(int maximum);
    void SetThinkingProgress(int value);
    void CloseThinkingWindow();

    // Position of the outer window in twips, as the settings file keeps it.
    int32_t leftTwips() const;
    int32_t topTwips() const;

    // core/main_window_layout.cpp
    void BuildControls();
    void BuildMenus();
    void BuildStatusBar();
    void ConnectHandlers();

    // Marks the list as being worked on; a close asked for meanwhile is carried
    // out when the work ends.
    class BusyScope {
    public:
        explicit BusyScope(MainWindow& window) : window_(window) { window_.busy_ = true; }
        ~BusyScope() { window_.busy_ = false; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        MainWindow& window_;
    };
    // After busy work: closes the window if a close was asked for meanwhile.
    bool CarryOutDeferredClose();

    GameState& state_;
    Platform& platform_;
    std::unique_ptr<KeyboardPlay> keyboardPlay_;  // digits, Backspace and Enter (keypad/)
    bool busy_ = false;
    bool closeDeferred_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool saveFailureShown_ = false;  // a failed save was reported during the run
};

}  // namespace duel
