// The main window's life: construction, start-up, shut-down, the put-off close and the activation.
#include "main_window/main_window.h"

#include "duel/journal_keeper.h"
#include "platform/dialogs.h"
#include "rules/twips.h"
#include "windows/digit_pictures.h"
#include "windows/keyboard_play.h"
#include "windows/keypad_window.h"
#include "windows/thinking_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace duel {

MainWindow::MainWindow(GameState& state, Platform& platform, GameEvents* events)
    : QMainWindow(nullptr),
      state_(state),
      platform_(platform),
      events_(events ? *events : GameEvents::Nobody()),
      journal_(std::make_unique<JournalKeeper>(platform, events_)) {
    setObjectName(QStringLiteral("фрмГлавная"));
    setWindowTitle(QString::fromUtf8(kProductTitle));
    // The large pictures of the icon wait until the window is on the screen.
    setWindowIcon(MakeAppIcon(AppIconSizes::TitleBar));
    digitPictures_ = MakeDigitPictures();

    BuildControls();
    BuildMenus();
    BuildStatusBar();
    BuildTimers();
    ConnectControls();
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    adjustSize();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

Duel MainWindow::Steps() { return Duel{state_, platform_, *this, *journal_}; }

// The window goes on the screen as soon as it can be drawn as the settings
// place it; what its first look does not need follows at the event loop's
// first pass (FinishStartUp).
void MainWindow::Form_Load() {
    ReadSettings();
    ReadPlayerOptions();
    state_.userNumberDefault = "1234";
    Refresh();
    show();
    tickTimer_->start();
    loaded_ = true;
    QTimer::singleShot(0, this, [this] { FinishStartUp(); });
}

void MainWindow::FinishStartUp() {
    if (unloaded_ || keypad_) return;
    keypad_ = std::make_unique<KeypadWindow>(state_, platform_, *this);
    keypad_->Form_Load();
    KeypadWindow& keypad = *keypad_;
    keyboardPlay_ = std::make_unique<KeyboardPlay>(
        *this, keypad,
        KeyboardPlay::Presses{
            [&keypad](int digit) { return keypad.PressDigit(digit); }, [&keypad] { return keypad.PressCancel(); },
            [this] {
                return ClickWhereTheMouseCould(userMoveButton_) || ClickWhereTheMouseCould(computerMoveButton_);
            }});
    setWindowIcon(MakeAppIcon());
    platform_.addTrayIcon(windowIcon(), QString::fromUtf8(kProductName));
    RemoveStaleSaves();
    RemoveLeftoverPictures();
    // The journal of games is opened once the window is up, so that it never delays it.
    QTimer::singleShot(0, this, [this] { OpenJournal(); });
}

void MainWindow::mnuGameExit_Click() { close(); }

void MainWindow::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    tickTimer_->stop();
    autoScoreTimer_->stop();
    gameClockTimer_->stop();
    platform_.deleteTrayIcon();
    if (loaded_) SaveResults();
    keyboardPlay_.reset();
    if (keypad_) keypad_->Unload();
    CloseThinking();
    TellJournalNotice();  // on standard error now
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (platform_.modalOpen() && !platform_.quitting()) {
        // A close request from the window manager or a task bar while a box
        // or window is open over this one: the quit a signal begins, which
        // closes that box with its cancel answer, then this window, saving.
        platform_.requestQuit();
        event->ignore();
        return;
    }
    if (state_.busy) {
        // The list is being built or filtered: close once that work ends.
        state_.closeDeferred = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool MainWindow::CarryOutDeferredClose() {
    if (!state_.closeDeferred) return false;
    state_.closeDeferred = false;
    CloseThinking();
    Refresh();
    close();
    return true;
}

// The main window's activation sends the keypad's arrow windows away.
void MainWindow::Form_Activate() {
    if (keypad_) keypad_->CloseArrowWindows();
}

int32_t MainWindow::leftTwips() const { return PixelsToTwips(frameGeometry().x()); }
int32_t MainWindow::topTwips() const { return PixelsToTwips(frameGeometry().y()); }

}  // namespace duel
