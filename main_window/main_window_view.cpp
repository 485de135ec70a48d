// The main window drawn from the game state: turn marks, guesses, history, answers, status bar, timers, thinking
// window.
#include "main_window/main_window.h"
#include "rules/game_clock.h"
#include "rules/guess_pictures.h"
#include "rules/hint.h"
#include "rules/number_rules.h"
#include "windows/keypad_window.h"
#include "windows/thinking_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace duel {

namespace {

constexpr double kPlainFontSize = 8.25;
constexpr double kTurnFontSize = 9.75;

// The label of the side to move is red in the larger type; the other one has
// the button-text colour in the smaller.
void StyleTurnLabel(QLabel* label, bool hasTurn) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, hasTurn ? QColor(255, 0, 0) : label->palette().color(QPalette::ButtonText));
    label->setPalette(palette);
    QFont font = label->font();
    font.setPointSizeF(hasTurn ? kTurnFontSize : kPlainFontSize);
    label->setFont(font);
}

void SetVisible(QWidget* widget, bool visible) {
    if (widget->isHidden() == visible) widget->setVisible(visible);
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void SetRunning(QTimer* timer, bool running) {
    if (running && !timer->isActive()) timer->start();
    if (!running && timer->isActive()) timer->stop();
}

}  // namespace

void MainWindow::Refresh() {
    const GameState& state = state_;
    DrawTurnMarks();
    DrawComputerGuess();
    DrawGuessPictures(guessPictures_, ComposedGuessPictures(state.keypadShownText));
    for (QLabel* picture : guessPictures_) SetVisible(picture, state.guessOpen());
    SetVisible(userMoveButton_, state.userToMove());
    SetVisible(computerMoveButton_, state.phase == Phase::ComputerToMove);
    DrawHistory();
    DrawAnswers();
    DrawStatusBar();
    for (size_t i = 0; i < galleryItems_.size(); ++i)
        galleryItems_[i]->setChecked(static_cast<int>(i) + 1 == state.galleryItem);
    hintItem_->setChecked(state.hintChosen);
    strongItem_->setChecked(state.strongChosen);
    if (state.busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    MatchTimers();
    DrawJournalItems();
}

// The side to move is marked; while the records window opened from the menu
// is shown neither is, and the computer's guess is hidden.
void MainWindow::DrawTurnMarks() {
    const GameState& state = state_;
    const bool marks = !state.recordsFromMenu;
    const bool computer = marks && state.phase == Phase::ComputerToMove;
    StyleTurnLabel(computerGuessLabel_, computer);
    StyleTurnLabel(guessLabel_, marks && state.userToMove());
    for (QLabel* picture : computerGuessPictures_) SetVisible(picture, computer);
}

// The computer's guess is drawn as pictures whenever it has changed.
void MainWindow::DrawComputerGuess() {
    if (computerGuessDrawn_ == state_.compGuess) return;
    computerGuessDrawn_ = state_.compGuess;
    DrawGuessPictures(computerGuessPictures_, ComputerGuessPictures(state_.compGuess));
}

// Each picture with the accessible text a screen reader says for it.
void MainWindow::DrawGuessPictures(const std::array<QLabel*, 4>& labels, const std::array<int, 4>& pictures) {
    for (size_t i = 0; i < labels.size(); ++i) {
        const int picture = pictures[i];
        labels[i]->setPixmap(digitPictures_[static_cast<size_t>(picture)]);
        labels[i]->setAccessibleName(picture == kDashPicture ? QStringLiteral("-") : QString::number(picture));
    }
}

// One line for each of the user's answered guesses; a new line is selected.
void MainWindow::DrawHistory() {
    const std::vector<Move>& moves = state_.userMoves;
    if (static_cast<size_t>(historyList_->count()) > moves.size()) historyList_->clear();
    const int before = historyList_->count();
    for (size_t i = static_cast<size_t>(before); i < moves.size(); ++i)
        historyList_->addItem(
            QString::fromStdString(HistoryLine(moves[i].guess, moves[i].answer.partial, moves[i].answer.exact)));
    if (historyList_->count() > before) historyList_->setCurrentRow(historyList_->count() - 1);
    historyList_->setEnabled(state_.gameRunning());
}

void MainWindow::DrawAnswers() {
    const GameState& state = state_;
    const bool byHand = state.answerByHand();
    exactFrame_->setEnabled(byHand);
    partialFrame_->setEnabled(byHand);
    for (auto [buttons, count] :
         {std::pair{&exactButtons_, state.exactCount}, std::pair{&partialButtons_, state.partialCount}}) {
        QRadioButton* selected = (*buttons)[static_cast<size_t>(std::clamp(count, 0, 4))];
        if (selected->isChecked()) continue;
        const QSignalBlocker quiet(selected);
        selected->setChecked(true);  // the group's other button goes off, quietly too
    }
}

// Panel 1: the prompt to start a game, or during a game the player's hint
// when it is chosen, else nothing.
void MainWindow::DrawStatusBar() {
    QString prompt;
    if (state_.newGameHintShown)
        prompt = QString::fromUtf8(kNewGameHint);
    else if (state_.hintChosen && state_.gameRunning())
        prompt = PlayerHint();
    SetText(hintPanel_, prompt);
    SetText(clockPanel_, QString::fromStdString(ClockPanelText(state_.clockSeconds)));
}

// The hint over the player's moves so far, worked out again only when they
// have changed.
const QString& MainWindow::PlayerHint() {
    if (hintMoves_ != state_.userMoves) {
        hintMoves_ = state_.userMoves;
        hintText_ = QString::fromStdString(HintText(state_.userMoves));
    }
    return hintText_;
}

// The timers run while the state gives them work.
void MainWindow::MatchTimers() {
    SetRunning(autoScoreTimer_, state_.scorerRuns());
    SetRunning(gameClockTimer_, state_.clockTicks());
}

void MainWindow::OpenThinking(int maximum) {
    if (!thinkingWindow_) {
        thinkingWindow_ = std::make_unique<ThinkingWindow>();
        thinkingWindow_->setWindowIcon(windowIcon());
        thinkingWindow_->Form_Load(*this);
    }
    thinkingWindow_->SetMaximum(maximum);
    thinkingWindow_->show();
}

void MainWindow::SetThinkingProgress(int value) {
    if (thinkingWindow_) thinkingWindow_->SetProgress(value);
}

void MainWindow::CloseThinking() {
    thinkingWindow_.reset();  // the next opening builds and places it anew
}

}  // namespace duel
