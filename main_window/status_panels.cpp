// The status bar's two panels, built to the game's sizes and drawn from the state.
#include "main_window/status_panels.h"

#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/hint.h"
#include "rules/twips.h"

#include <QLabel>
#include <QStatusBar>

namespace duel {

namespace {

constexpr int kStatusHeight = 375;

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

}  // namespace

StatusPanels::StatusPanels(QStatusBar* bar) {
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(TwipsToPixels(kStatusHeight));
    hintPanel_ = new QLabel(QString::fromUtf8(kNewGameHint));
    hintPanel_->setObjectName(QStringLiteral("StatusBarPanel1"));
    clockPanel_ = new QLabel(QString::fromUtf8(kClockStoppedText));
    clockPanel_->setObjectName(QStringLiteral("StatusBarPanel2"));
    for (QLabel* panel : {hintPanel_, clockPanel_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
    }
    clockPanel_->setMinimumWidth(TwipsToPixels(840));
    clockPanel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(hintPanel_, 1);
    bar->addWidget(clockPanel_, 0);
}

void StatusPanels::Draw(const GameState& state) {
    QString prompt;  // empty while New game sets a game up
    if (state.newGameRunning)
        ;
    else if (state.newGameHintShown())
        prompt = QString::fromUtf8(kNewGameHint);
    else if (state.hintChosen && state.gameRunning())
        prompt = PlayerHint(state.userMoves);
    SetText(hintPanel_, prompt);
    SetText(clockPanel_, QString::fromStdString(ClockPanelText(state.clockSeconds)));
}

const QString& StatusPanels::PlayerHint(const std::vector<Move>& moves) {
    if (hintMoves_ != moves) {
        hintMoves_ = moves;
        hintText_ = QString::fromStdString(HintText(moves));
    }
    return hintText_;
}

}  // namespace duel
