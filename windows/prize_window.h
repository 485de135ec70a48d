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
    // The window introduces the set the gallery menu has checked
    // (state.galleryItem) and checks the old one again when the player
    // declines to break the old line of wins.
    PrizeWindow(GameState& state, Platform& platform, HostWindow& host);

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
    bool unloaded_ = false;

    // ---- controls ----
    QLabel* picture_ = nullptr;             // pctFoto
    QLabel* countLabel_ = nullptr;          // lblChF
    QPushButton* playNowButton_ = nullptr;  // cmdGame
    QPushButton* laterButton_ = nullptr;    // cmd
    // imgTessaQuorin .. imgNinaCorveld: one hidden thumbnail per set, in set order.
    std::array<QLabel*, 5> thumbnails_{};
};

}  // namespace duel
