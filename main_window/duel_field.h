// The main window's playing field: the answer frames, the history, both guesses and the move buttons, drawn from the
// state.
#pragma once

#include "duel/duel.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace duel {

class HostWindow;
class Session;

// The area above the status bar, 4350 x 2400 twips.  It keeps no fact of the
// game: Draw shows the session's state, and the option buttons' handlers give
// the answer to the session and have the main window (`host`) redraw.
class DuelField : public QWidget {
public:
    DuelField(Session& session, HostWindow& host, QWidget* parent);

    // Draws every control from the game state; `turnMarks` false takes the
    // marks of the side to move and the opponent's guess away (while the
    // records window opened from the menu is shown).
    void Draw(bool turnMarks);
    // The opponent's guess drawn as pictures whenever it has changed (the
    // 20 ms tick's step).
    void DrawOpponentsGuess();

    QPushButton* userMoveButton() const { return userMoveButton_; }          // кнпСчитать
    QPushButton* computerMoveButton() const { return computerMoveButton_; }  // кнпДумать

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

private:
    void BuildAnswerFrames();
    void BuildGuessDisplays();
    void ConnectAnswerButtons();
    void AnswerButton_Click(AnswerGroup group, int32_t count);
    void DrawTurnMarks(bool turnMarks);
    void DrawHistory();
    void DrawAnswers();
    void DrawGuessPictures(const std::array<QLabel*, 4>& labels, const std::array<int, 4>& pictures);

    Session& session_;
    HostWindow& host_;
    std::array<QPixmap, 11> digitPictures_;           // imlNumber: digits 0..9, then a dash
    std::array<QLabel*, 4> guessPictures_{};          // imgNumberMV1..4: the composed guess
    std::array<QLabel*, 4> computerGuessPictures_{};  // imgNumberVK1..4: the opponent's guess
    QLabel* guessLabel_ = nullptr;                    // lblMV, "Мой вариант:"
    QLabel* computerGuessLabel_ = nullptr;            // lblVK, "Вариант компьютера:"
    QPushButton* userMoveButton_ = nullptr;           // кнпСчитать
    QPushButton* computerMoveButton_ = nullptr;       // кнпДумать
    QListWidget* historyList_ = nullptr;              // СписокЧШЗ
    QGroupBox* exactFrame_ = nullptr;                 // рмкЗлыки
    QGroupBox* partialFrame_ = nullptr;               // рмкШелвы
    std::array<QRadioButton*, 5> exactButtons_{};     // index = count: зн, з1, з2, з3, з4
    std::array<QRadioButton*, 5> partialButtons_{};   // index = count: шн, ш1, ш2, ш3, ш4
    std::optional<std::string> opponentsGuessDrawn_;  // the opponent's guess its pictures show
    std::string composedGuessDrawn_;                  // the composed guess its pictures show
    size_t userMovesDrawn_ = 0;                       // the player's moves when they were last drawn
};

}  // namespace duel
