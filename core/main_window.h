// The main window фрмГлавная: the playing field, its menus and timers, and the duel's handlers.
//
// Its handlers are defined in the folder of the subsystem they belong to; the
// other windows never see this class, only its HostWindow side.
#pragma once

#include "core/game_state.h"
#include "core/host_window.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

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

    GameState& state() { return state_; }
    Platform& platform() { return platform_; }

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

    // ---- controls ----
    QLineEdit* тксВарМой = nullptr;   // the user's guess being entered (never shown)
    QLineEdit* тксВарКомп = nullptr;  // the computer's current guess (never shown)
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
    QTimer ЧасыRND;     // 20 ms, always running
    QTimer Часы;        // 300 ms, the automatic scorer
    QTimer TimerTimer;  // 200 ms, the game clock
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
    std::unique_ptr<KeyboardPlay> keyboardPlay;  // digits, Backspace and Enter (keypad/)

    // ---- life of the window (core/main_window.cpp) ----
    void Form_Load();
    void Form_Unload();
    void mnuGameExit_Click();

    // ---- new game (core/new_game.cpp) ----
    void mnuGameNew_Click();
    void BuildCandidates();

    // ---- the user's move (core/player_move.cpp) ----
    void кнпСчитать_Click();
    void UserWins();
    void HandTurnToComputer();

    // ---- the game clock (core/status_clock.cpp) ----
    void TimerTimer_Timer();

    // ---- the 20 ms tick (core/fast_tick.cpp): one step per subsystem, in this order ----
    void ЧасыRND_Timer();
    void NewGameRequestStep();        // core/fast_tick.cpp
    void ComputerGuessPicturesStep(); // opponent/computer_move.cpp
    void RedockKeypad();              // keypad/keypad_docking.cpp

    // ---- settings at start-up and shut-down (core/settings_io.cpp) ----
    void ReadSettings();
    void WriteSettings();

    // ---- the computer's side (opponent/) ----
    void кнпДумать_Click();
    void ComputerWins();
    void PlayOnAlone();
    void GameOver();
    void StopAfterContradiction();
    void HandTurnToUser();
    // з1_Click … з4_Click, зн_Click and ш1_Click … ш4_Click, шн_Click: one body,
    // run whenever a button becomes selected.
    void AnswerButton_Click(bool exactGroup, int32_t count);
    void CheckCounts();
    void првАвто_Click();
    void Часы_Timer();

    // ---- records (records/) ----
    void mnuGameWins_Click();

    // ---- the prize gallery (gallery/gallery_menu.cpp) ----
    void mnuAdd_Click();                   // "&Дополнительно" opens: grey missing sets
    void mnuAddBeautyNot_Click();
    void mnuAddBeautyTessaQuorin_Click();
    void mnuAddBeautyMarlaVentobrix_Click();
    void mnuAddBeautyDoriaFelstrand_Click();
    void mnuAddBeautyLunaPressvick_Click();
    void mnuAddBeautyNinaCorveld_Click();
    void RememberAndClearBeauty();
    void ClearBeauty();
    void rezwin();                         // a won game shows the next picture of the chosen set
    int CheckedGalleryItem() const;        // first checked item 1..6, 0 when none is
    void CheckGalleryItem(int item);       // checks that item alone (0: none)
    void RemoveLeftoverPictures();         // start-up: pictures a crashed run left behind
    void AskForMissingSets();              // the once-per-run download question
    void GalleryItem_Click(int item);      // one body for the six item handlers

    // ---- help and the about window (info/info_menu.cpp) ----
    void mnuInformationRun_Click();
    void mnuInformationForR_Click();
    void mnuInformationAbout_Click();

    // ---- activation: the keypad's arrow windows go away (keypad/keypad_docking.cpp) ----
    void Form_Activate();

    // ---- shared display steps ----
    void MarkTurn(Turn turn);             // label colours and the computer's pictures
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
    void ShowRecordsWindow();             // modal; records/records_menu.cpp

    // Position of the outer window in twips, as the settings file keeps it.
    int32_t leftTwips() const;
    int32_t topTwips() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
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
    bool busy_ = false;
    bool closeDeferred_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
};

}  // namespace duel
