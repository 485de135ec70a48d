// The digit keypad window фрмЧифры: nine digit buttons and Cancel, docked under the main window.
#pragma once

#include "rules/dock_geometry.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QPushButton;

namespace duel {

class ArrowWindow;
class HostWindow;
class Platform;
struct GameState;

// Where the keypad stands docked, as the re-docking step last placed it.
struct KeypadDocking {
    int32_t offset = 0;           // keypad left minus main window left, twips
    int32_t appliedDock = 0;      // the placement (state.keypadDock) the offset was worked out for
    TwipPoint mainCorner;         // the main window's outer corner at the last docking
    int32_t mainHeight = 0;       // its outer height then: the keypad's top follows its bottom
    bool leftArrowShown = false;  // each arrow window is placed once before its first showing
    bool rightArrowShown = false;
};

// A frameless tool window without title text, modeless and without an owner.
// It lives for the whole run: the window manager's close is ignored, only
// Unload() closes it.  Its handlers compose the guess in the game state
// (AddDigit) and have the main window redraw it.
class KeypadWindow : public QWidget {
public:
    KeypadWindow(GameState& state, Platform& platform, HostWindow& host);
    ~KeypadWindow() override;

    // Client area in twips.
    static constexpr int kWidthTwips = 2655;
    static constexpr int kHeightTwips = 1215;

    // Computes the offset from the placement, docks the keypad under the main
    // window and shows it.
    void Form_Load();
    // Closes the keypad for good (the main window's shut-down).
    void Unload();

    // ---- docking ----
    // The main window's outer Left and Top in whole twips.
    TwipPoint MainCornerTwips() const;
    // The offset by the offset rule for the current placement and the
    // current outer widths of both windows.
    int32_t OffsetForPlacement() const;
    // The keypad's outer top-left corner in pixels for the offset: docked
    // under the main window, or as near as keeps the keypad whole on the
    // screen's available area.
    QPoint PlaceFor(int32_t offset) const;
    // Moves the keypad and both arrow windows, shown or not, to their docked
    // places for the current offset (the arrows beside the keypad).
    void PlaceUnderMain();
    // The re-docking step of the main window's 20 ms tick: works the offset
    // out again only when the placement has changed, and moves the keypad
    // only when the placement, the main window's position or its outer
    // height has changed.
    void Redock();
    const KeypadDocking& docking() const { return docking_; }

    // ---- arrow windows ----
    // The hover zones; x and y in twips of the keypad's client area.
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int32_t x, int32_t y);
    // Activation of the keypad: the arrow windows go away.
    void Form_Activate();
    // кнп1_MouseMove … кнп9_MouseMove: the arrow windows go away.
    void DigitButton_MouseMove(int digit);
    // If either arrow window is visible, hides both.
    void CloseArrowWindows();

    // Cancel visibility rule, run on every tick of the main window's ЧасыRND:
    // Cancel is shown exactly while the composed guess holds text.
    void UpdateCancelButton();

    // A click on digit button 1..9 or on Cancel where the mouse could make one
    // (the button shown and enabled), for playing from the keyboard; true
    // when it was made.
    bool PressDigit(int digit);
    bool PressCancel();

    // кнп1_Click … кнп9_Click.
    void DigitButton_Click(int digit);
    void кнпОтмена_Click();
    // кнп1_MouseDown … кнп9_MouseDown: the right button steps the mark cycle.
    void DigitButton_MouseDown(int digit, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildButtons();
    QPushButton* AddButton(const QString& name, int leftTwips, int topTwips);
    void PaintDecoration();
    // Shows an arrow window; its first showing in the run places it first.
    void ShowArrowWindow(ArrowSide side);

    GameState& state_;
    Platform& platform_;
    HostWindow& host_;
    std::array<QPushButton*, 9> digitButtons_{};  // кнп1 … кнп9
    QPushButton* cancelButton_ = nullptr;         // кнпОтмена
    // The two arrow windows beside the keypad, built with it and closed with it.
    std::unique_ptr<ArrowWindow> leftArrow_;   // frmLButton
    std::unique_ptr<ArrowWindow> rightArrow_;  // frmRButton
    KeypadDocking docking_;
    bool unloading_ = false;
};

}  // namespace duel
