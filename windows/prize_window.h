// The prize window frmPrice: introduces the chosen picture set and offers to play at once.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace duel {

class HostWindow;
class Platform;
struct GameState;

class PrizeWindow : public QDialog {
public:
    // `checkedItem` is the gallery menu's check mark (1 "none", 2..6 a set,
    // 0 nothing): the window reads it to pick the set and changes it when the
    // player declines to break the old line of wins.
    PrizeWindow(GameState& state, Platform& platform, HostWindow& host, int& checkedItem);

    // ---- controls ----
    QLabel* pctFoto = nullptr;
    QLabel* lblChF = nullptr;
    QPushButton* cmdGame = nullptr;
    QPushButton* cmd = nullptr;
    // imgTessaQuorin .. imgNinaCorveld: one hidden thumbnail per set, in set order.
    std::array<QLabel*, 5> imageHolders{};

    // ---- handlers ----
    void Form_Load();
    void Form_Unload();  // the line-switch confirmation; runs once, however the window closes
    void cmd_Click();
    void cmdGame_Click();

    // Closing in any way (buttons, Esc, the close box) ends here.
    void done(int result) override;

private:
    GameState& state_;
    Platform& platform_;
    HostWindow& host_;
    int& checkedItem_;
    bool unloaded_ = false;
};

}  // namespace duel
