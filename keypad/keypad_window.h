// The digit keypad window фрмЧифры: nine digit buttons and Cancel, docked under the main window.
#pragma once

#include "keypad/dock_geometry.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QPushButton;

namespace duel {

class HostWindow;
class Platform;
struct GameState;

// A frameless tool window without title text, modeless and without an owner.
// It lives for the whole run: the window manager's close is ignored, only
// Unload() closes it.  Its handlers feed the main window's guess through
// HostWindow::AddDigit.
class KeypadWindow : public QWidget {
public:
    KeypadWindow(GameState& state, Platform& platform, HostWindow& host);

    // Client area in twips.
    static constexpr int kWidthTwips = 2655;
    static constexpr int kHeightTwips = 1215;

    // ---- controls ----
    std::array<QPushButton*, 9> кнп{};  // кнп[0] is кнп1 … кнп[8] is кнп9
    QPushButton* кнпОтмена = nullptr;

    // Computes the offset from the placement, docks the keypad under the main
    // window and shows it.
    void Form_Load();
    // Closes the keypad for good (the main window's shut-down).
    void Unload();

    // ---- docking ----
    // The main window's outer Left and Top in whole twips.
    TwipPoint MainCornerTwips() const;
    // keypadOffset by the offset rule for the current placement and the
    // current outer widths of both windows.
    int32_t OffsetForPlacement() const;
    // Moves the keypad to its docked place for the current keypadOffset.
    void PlaceUnderMain();

    // Cancel visibility rule, run on every tick of the main window's ЧасыRND:
    // Cancel is shown exactly while the guess field holds text.
    void UpdateCancelButton();

    // кнп1_Click … кнп9_Click.
    void DigitButton_Click(int digit);
    void кнпОтмена_Click();
    // кнп1_MouseDown … кнп9_MouseDown: the right button steps the mark cycle.
    void DigitButton_MouseDown(int digit, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildButtons();
    QPushButton* AddButton(const QString& name, int leftTwips, int topTwips);
    void PaintDecoration();

    GameState& state_;
    Platform& platform_;
    HostWindow& host_;
    bool unloading_ = false;
};

}  // namespace duel
