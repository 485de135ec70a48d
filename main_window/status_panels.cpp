// The status bar's two panels, built to the game's sizes and drawn from the state.
#include "main_window/status_panels.h"

#include "network/network_texts.h"
#include "platform/plain_text.h"
#include "platform/translation.h"
#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/hint.h"
#include "rules/records_table.h"
#include "rules/twips.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolTip>

namespace duel {

namespace {

constexpr int kStatusHeight = 375;

// A panel whose text may be longer than the window is wide (a long name, the
// prompt to take up a waiting game): what does not fit ends in "…", and the
// whole text shows as its tooltip.  Its text stays whole for everyone who
// reads it (a screen reader among them).
class EllipsisPanel final : public QLabel {
public:
    explicit EllipsisPanel(const QString& text) {
        // A peer's name or address may stand here: shown as written, never as markup.
        MakePlain(this);
        setText(text);
        // The text's width never widens the status bar of a window of fixed size.
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);  // the sunken frame
        QPainter painter(this);
        const QRect room = TextRoom();
        style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(), ShownText(room),
                              foregroundRole());
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QLabel::event(event);
        if (ShownText(TextRoom()) != text())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), PlainToolTip(text()), this);
        else
            QToolTip::hideText();
        return true;
    }

private:
    // Where a plain label with a frame puts its text: half an "x" in from the frame.
    QRect TextRoom() const {
        const int indentation = indent() >= 0 ? indent() : fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        return contentsRect().adjusted(indentation, 0, 0, 0);
    }
    QString ShownText(const QRect& room) const {
        return fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    }
};

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

// A duel over the network being joined, and its last round's numbers being checked.
constexpr const char* kJoiningText = DUEL_MARK("main_window", "Соединяемся с %1 ...");
constexpr const char* kRevealingText = DUEL_MARK("main_window", "Соперник открывает число ...");

// An unfinished game of an earlier run can be taken up.
constexpr const char* kGameWaitsHint =
    DUEL_MARK("main_window", "Есть прерванная игра: 'Игра' --> 'Продолжить прошлую игру'");

// The player's move in a duel over the network is counted down in its last seconds.
constexpr int64_t kCountdownSeconds = 30;

// Status panel 1 during a duel over the network: whose turn it is.
QString DuelTurnText(const GameState& state) {
    switch (state.phase) {
        case Phase::UserToMove:
            if (state.moveSecondsLeft && *state.moveSecondsLeft <= kCountdownSeconds)
                return QString::fromStdString(net::MoveTimeLeftText(*state.moveSecondsLeft));
            return Tr(PlayerText{"network", net::kTextYourTurn});
        case Phase::Revealing:
            return Tr("main_window", kRevealingText);
        default:
            return QString::fromStdString(net::OpponentTurnText(state.opponentName));
    }
}

}  // namespace

StatusPanels::StatusPanels(QStatusBar* bar, std::function<void()> stopWaiting) {
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(TwipsToPixels(kStatusHeight));
    hintPanel_ = new EllipsisPanel(Tr("main_window", kNewGameHint));
    hintPanel_->setObjectName(QStringLiteral("StatusBarPanel1"));
    clockPanel_ = TextLabel(Tr("rules", kClockStoppedText), nullptr);
    clockPanel_->setObjectName(QStringLiteral("StatusBarPanel2"));
    for (QLabel* panel : {hintPanel_, clockPanel_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
    }
    clockPanel_->setMinimumWidth(TwipsToPixels(840));
    clockPanel_->setAlignment(Qt::AlignCenter);
    stopButton_ = new QPushButton(Tr("main_window", "Отмена"));
    stopButton_->setObjectName(QStringLiteral("cmdStopWaiting"));
    stopButton_->setToolTip(Tr("main_window", "Больше не ждать соперника (Esc)"));
    stopButton_->hide();
    QObject::connect(stopButton_, &QPushButton::clicked, stopButton_, std::move(stopWaiting));
    bar->addWidget(hintPanel_, 1);
    bar->addWidget(stopButton_, 0);
    bar->addWidget(clockPanel_, 0);
}

void StatusPanels::Draw(const GameState& state, bool gameWaits) {
    QString prompt;  // empty while New game sets a game up
    const bool hosting = state.waitingPort != 0 || !state.waitingJid.empty();
    if (hosting && !state.networkNote.empty())
        prompt = QString::fromStdString(state.networkNote);
    else if (state.waitingPort != 0)
        prompt = QString::fromStdString(net::WaitingText(state.waitingPort));
    else if (!state.waitingJid.empty())
        prompt = QString::fromStdString(net::WaitingJabberText(state.waitingJid));
    else if (!state.joiningAddress.empty() && state.hostAnswerAwaited)
        prompt = Tr(PlayerText{"network", net::kTextAwaitingAnswer});
    else if (!state.joiningAddress.empty())
        prompt = Tr("main_window", kJoiningText).arg(QString::fromStdString(state.joiningAddress));
    else if (state.newGameRunning)
        ;
    else if (!state.opponentName.empty() && state.gameRunning())
        prompt = DuelTurnText(state);
    else if (state.newGameHintShown())
        prompt = Tr("main_window", gameWaits ? kGameWaitsHint : kNewGameHint);
    else if (state.hintChosen && state.gameRunning())
        prompt = PlayerHint(state.userMoves);
    SetText(hintPanel_, prompt);
    // While a duel over the network is waited for, "Отмена" stands where the clock (stopped) stands.
    const bool waiting = hosting || !state.joiningAddress.empty();
    if (stopButton_->isHidden() == waiting) stopButton_->setVisible(waiting);
    if (clockPanel_->isHidden() != waiting) clockPanel_->setVisible(!waiting);
    SetText(clockPanel_, QString::fromStdString(ShownResultText(ClockPanelText(state.clockSeconds))));
}

const QString& StatusPanels::PlayerHint(const std::vector<Move>& moves) {
    if (hintMoves_ != moves) {
        hintMoves_ = moves;
        hintText_ = QString::fromStdString(HintText(moves));
    }
    return hintText_;
}

}  // namespace duel
