// The main window's life: construction, start-up, shut-down, the put-off close and the activation.
#include "main_window/main_window.h"

#include "main_window/duel_field.h"
#include "main_window/main_screen.h"
#include "main_window/status_panels.h"
#include "platform/dialogs.h"
#include "platform/on_screen.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "rules/dock_geometry.h"
#include "rules/twips.h"
#include "rules/window_placement.h"
#include "session/session.h"
#include "windows/digit_pictures.h"
#include "windows/keyboard_play.h"
#include "windows/keypad_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace duel {

namespace {

// The classic border and title bar around a window's client area.
constexpr int kClassicFrameWidthTwips = 90;
constexpr int kClassicFrameHeightTwips = 375;

PixelRect ToPixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

MainWindow::MainWindow(Session& session)
    : QMainWindow(nullptr), session_(session), screen_(std::make_unique<MainScreen>(session, *this)) {
    setObjectName(QStringLiteral("фрмГлавная"));
    setWindowTitle(Tr("platform", kProductTitle));
    // The large pictures of the icon wait until the window is on the screen.
    setWindowIcon(MakeAppIcon(AppIconSizes::TitleBar));
    session_.SetScreen(*screen_);

    field_ = new DuelField(session_, *this, this);
    setCentralWidget(field_);
    connect(field_->userMoveButton(), &QPushButton::clicked, this, [this] { кнпСчитать_Click(); });
    connect(field_->computerMoveButton(), &QPushButton::clicked, this, [this] { кнпДумать_Click(); });
    BuildMenus();
    // "Отмена" and Escape stop waiting for an opponent over the network.
    const auto stopWaiting = [this] {
        if (!session_.networkActive() || session_.state().gameRunning()) return;
        session_.StopNetworkDuel();
        Refresh();
    };
    status_ = std::make_unique<StatusPanels>(statusBar(), stopWaiting);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, stopWaiting);
    BuildTimers();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused == windowHandle()) Form_Activate();
    });
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    adjustSize();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

// The window goes on the screen as soon as it can be drawn as the settings
// place it; what its first look does not need follows at the event loop's
// first pass (FinishStartUp).
void MainWindow::Form_Load() {
    PlaceOnScreen(session_.Load());
    Refresh();
    show();
    tickTimer_->start();
    loaded_ = true;
    // The frame guessed above may be smaller than the window manager's.
    OnceFramed(*this, [this] { KeepPairOnScreen(); });
    QTimer::singleShot(0, this, [this] { FinishStartUp(); });
}

void MainWindow::PlaceOnScreen(const SettingsLoad& load) {
    const DockedPair pair = DockedPairNow();
    const QSize frame(pair.main.width, pair.main.height);
    Platform& platform = session_.platform();
    if (load.values.mainLeftTwips && load.values.mainTopTwips) {
        const QPoint saved(TwipsToPixels(*load.values.mainLeftTwips), TwipsToPixels(*load.values.mainTopTwips));
        const PixelPoint place =
            KeepPairInside({saved.x(), saved.y()}, pair, ToPixels(platform.screenArea({saved, frame})));
        move(place.x, place.y);
    } else {
        const PixelPoint place = CentrePairIn(pair, ToPixels(platform.screenArea({})));
        move(place.x, place.y);
    }
}

void MainWindow::KeepPairOnScreen() {
    const QRect frame = frameGeometry();
    const PixelPoint place =
        KeepPairInside({frame.x(), frame.y()}, DockedPairNow(), ToPixels(session_.platform().screenArea(frame)));
    if (frame.topLeft() != QPoint(place.x, place.y)) move(place.x, place.y);
}

DockedPair MainWindow::DockedPairNow() const {
    // Until the window manager has framed the window, its frame is taken to
    // be the classic border and title bar.
    QSize frame = frameGeometry().size();
    if (frame == size())
        frame += QSize(TwipsToPixels(kClassicFrameWidthTwips), TwipsToPixels(kClassicFrameHeightTwips));
    const QSize keypad =
        keypad_ ? keypad_->frameGeometry().size()
                : QSize(TwipsToPixels(KeypadWindow::kWidthTwips), TwipsToPixels(KeypadWindow::kHeightTwips));
    const int32_t offset =
        keypad_ ? keypad_->docking().offset
                : KeypadOffset(session_.state().keypadDock, OuterTwips(frame.width()), OuterTwips(keypad.width()), 0);
    return {{frame.width(), frame.height()}, {TwipsToPixels(offset), frame.height(), keypad.width(), keypad.height()}};
}

void MainWindow::FinishStartUp() {
    if (unloaded_ || keypad_) return;
    keypad_ = std::make_unique<KeypadWindow>(session_.state(), session_.platform(), *this);
    keypad_->Form_Load();
    KeypadWindow& keypad = *keypad_;
    keyboardPlay_ = std::make_unique<KeyboardPlay>(
        *this, keypad,
        KeyboardPlay::Presses{[&keypad](int digit) { return keypad.PressDigit(digit); },
                              [&keypad] { return keypad.PressCancel(); },
                              [this] {
                                  return ClickWhereTheMouseCould(field_->userMoveButton()) ||
                                         ClickWhereTheMouseCould(field_->computerMoveButton());
                              }});
    setWindowIcon(MakeAppIcon());
    session_.platform().addTrayIcon(windowIcon(), Tr("platform", kProductName));
    session_.FinishStartUp();
}

void MainWindow::mnuGameExit_Click() { close(); }

void MainWindow::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    tickTimer_->stop();
    autoScoreTimer_->stop();
    gameClockTimer_->stop();
    session_.platform().deleteTrayIcon();
    if (loaded_) session_.Unload();
    keyboardPlay_.reset();
    if (keypad_) keypad_->Unload();
    screen_->CloseThinking();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Platform& platform = session_.platform();
    if (platform.modalOpen() && !platform.quitting()) {
        // A close request from the window manager or a task bar while a box
        // or window is open over this one: the quit a signal begins, which
        // closes that box with its cancel answer, then this window, saving.
        platform.requestQuit();
        event->ignore();
        return;
    }
    if (session_.state().busy) {
        // The list is being built or filtered: close once that work ends.
        session_.state().closeDeferred = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool MainWindow::CarryOutDeferredClose() {
    GameState& state = session_.state();
    if (!state.closeDeferred) return false;
    state.closeDeferred = false;
    screen_->CloseThinking();
    Refresh();
    close();
    return true;
}

// The main window's activation sends the keypad's arrow windows away.
void MainWindow::Form_Activate() {
    if (keypad_) keypad_->CloseArrowWindows();
}

}  // namespace duel
