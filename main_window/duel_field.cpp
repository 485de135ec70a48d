// The playing field: its controls placed as the game lays them out, drawn from the state, and the option buttons.
#include "main_window/duel_field.h"

#include "platform/plain_text.h"
#include "platform/translation.h"
#include "rules/guess_pictures.h"
#include "rules/number_rules.h"
#include "session/session.h"
#include "windows/digit_pictures.h"
#include "windows/host_window.h"
#include "windows/twips_rect.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace duel {

namespace {

constexpr double kPlainFontSize = 8.25;
constexpr double kTurnFontSize = 9.75;

// The field above the status bar: 4350 x 2400 twips.
constexpr int kFieldWidth = 4350;
constexpr int kFieldHeight = 2400;

// Over the network the person's guess is answered at once and the turn comes
// straight back to the player: the person's last guess, with the answer it
// got, stays in the opponent's row until the player types a digit there.
const Move* PersonsMoveOnShow(const GameState& state) {
    const bool network = !state.opponentName.empty();
    if (!network || state.phase != Phase::UserToMove || !state.composedGuess.empty() || state.compMoves.empty())
        return nullptr;
    return &state.compMoves.back();
}

template <typename T>
T* Named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

struct AnswerButtonText {
    const char* name;
    const char* caption;
    const char* tooltip;
};

// Top to bottom: "1", "2", "3", "4", "нету"; the array index is the count.
constexpr std::array<AnswerButtonText, 5> kExactButtons = {{
    {"зн", DUEL_MARK("main_window", "нету"), DUEL_MARK("main_window", "нет злыков")},
    {"з1", "1", DUEL_MARK("main_window", "один злык")},
    {"з2", "2", DUEL_MARK("main_window", "два злыка")},
    {"з3", "3", DUEL_MARK("main_window", "три злыка")},
    {"з4", "4", DUEL_MARK("main_window", "четыре злыка")},
}};
constexpr std::array<AnswerButtonText, 5> kPartialButtons = {{
    {"шн", DUEL_MARK("main_window", "нету"), DUEL_MARK("main_window", "нет шелв")},
    {"ш1", "1", DUEL_MARK("main_window", "одна шелва")},
    {"ш2", "2", DUEL_MARK("main_window", "две шелвы")},
    {"ш3", "3", DUEL_MARK("main_window", "три шелвы")},
    {"ш4", "4", DUEL_MARK("main_window", "четыре шелвы")},
}};

void FillAnswerFrame(QGroupBox* frame, std::array<QRadioButton*, 5>& buttons,
                     const std::array<AnswerButtonText, 5>& texts) {
    // "1" to "4" from the top, "нету" last, 240 twips apart.
    for (int row = 0; row < 5; ++row) {
        const int count = row < 4 ? row + 1 : 0;
        const AnswerButtonText& text = texts[static_cast<size_t>(count)];
        auto* button = Named(new QRadioButton(Tr("main_window", text.caption), frame), QString::fromUtf8(text.name));
        button->setToolTip(Tr("main_window", text.tooltip));
        button->setGeometry(TwipsRect(120, 270 + 240 * row, 780, 240));
        buttons[static_cast<size_t>(count)] = button;
    }
    buttons[0]->setChecked(true);
}

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

QString HistoryText(const Move& move) {
    return QString::fromStdString(HistoryLine(move.guess, move.answer.partial, move.answer.exact));
}

}  // namespace

DuelField::DuelField(Session& session, HostWindow& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("field"));
    setFixedSize(TwipsToPixels(kFieldWidth), TwipsToPixels(kFieldHeight));
    digitPictures_ = MakeDigitPictures();
    BuildAnswerFrames();

    // The heading of the history list: numbers, partial count, exact count.
    auto* historyFrame = Named(new QGroupBox(Tr("main_window", " | Числа | Ш | З | "), this), QStringLiteral("Frame1"));
    historyFrame->setGeometry(TwipsRect(2280, 120, 1935, 1575));
    QFont heading(QStringLiteral("MS Sans Serif"));
    heading.setPointSizeF(8.25);
    heading.setBold(true);
    historyFrame->setFont(heading);

    historyList_ = Named(new QListWidget(this), QStringLiteral("СписокЧШЗ"));
    historyList_->setToolTip(Tr("main_window", "Предложенные вами варианты"));
    historyList_->setGeometry(TwipsRect(2400, 360, 1695, 1230));
    historyList_->setFont(font());

    BuildGuessDisplays();
    DrawGuessPictures(guessPictures_, ComposedGuessPictures(composedGuessDrawn_));

    // Screen readers say what a control is for: the move buttons by their
    // tooltip (their caption is an arrow), everything else adds its tooltip.
    userMoveButton_->setAccessibleName(userMoveButton_->toolTip());
    computerMoveButton_->setAccessibleName(computerMoveButton_->toolTip());
    for (QWidget* control : findChildren<QWidget*>())
        if (!control->toolTip().isEmpty()) control->setAccessibleDescription(control->toolTip());

    // The phase "no game": nothing to answer, no list to look through.
    historyList_->setEnabled(false);
    partialFrame_->setEnabled(false);
    exactFrame_->setEnabled(false);
    ConnectAnswerButtons();
}

void DuelField::BuildAnswerFrames() {
    partialFrame_ = Named(new QGroupBox(Tr("main_window", "Шелвы:"), this), QStringLiteral("рмкШелвы"));
    partialFrame_->setToolTip(Tr("main_window", "Сколько шелв ... ?"));
    partialFrame_->setGeometry(TwipsRect(120, 120, 975, 1575));
    FillAnswerFrame(partialFrame_, partialButtons_, kPartialButtons);

    exactFrame_ = Named(new QGroupBox(Tr("main_window", "Злыки:"), this), QStringLiteral("рмкЗлыки"));
    exactFrame_->setToolTip(Tr("main_window", "Сколько злыков ... ?"));
    exactFrame_->setGeometry(TwipsRect(1200, 120, 975, 1575));
    FillAnswerFrame(exactFrame_, exactButtons_, kExactButtons);
}

void DuelField::BuildGuessDisplays() {
    // The opponent's label holds a person's name over the network: shown as written.
    computerGuessLabel_ = Named(TextLabel(Tr("main_window", "Вариант компьютера:"), this), QStringLiteral("lblVK"));
    computerGuessLabel_->setGeometry(TwipsRect(0, 1810, 2295, 255));
    guessLabel_ = Named(TextLabel(Tr("main_window", "Мой вариант:"), this), QStringLiteral("lblMV"));
    guessLabel_->setGeometry(TwipsRect(0, 2040, 2295, 255));
    for (QLabel* label : {computerGuessLabel_, guessLabel_}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 4, 0);  // a gap before the digit pictures
    }

    for (int i = 0; i < 4; ++i) {
        const int left = 2280 + 240 * i;
        QLabel*& computer = computerGuessPictures_[static_cast<size_t>(i)];
        QLabel*& user = guessPictures_[static_cast<size_t>(i)];
        computer = Named(MakePlain(new QLabel(this)), QStringLiteral("imgNumberVK%1").arg(i + 1));
        computer->setGeometry(TwipsRect(left, 1800, 255, 405));
        user = Named(MakePlain(new QLabel(this)), QStringLiteral("imgNumberMV%1").arg(i + 1));
        user->setGeometry(TwipsRect(left, 1920, 255, 405));
        for (QLabel* picture : {computer, user}) {
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->hide();
        }
    }

    userMoveButton_ = Named(new QPushButton(QStringLiteral("--->"), this), QStringLiteral("кнпСчитать"));
    userMoveButton_->setToolTip(Tr("main_window", "Ваш ход"));
    computerMoveButton_ = Named(new QPushButton(QStringLiteral("--->"), this), QStringLiteral("кнпДумать"));
    computerMoveButton_->setToolTip(Tr("main_window", "Ход компьютера"));
    for (QPushButton* button : {userMoveButton_, computerMoveButton_}) {
        button->setGeometry(TwipsRect(3360, 1800, 855, 495));
        button->hide();
    }
}

// A button's click behaviour runs whenever it becomes selected, by the user or
// by the program; selecting the selected button runs nothing.  Drawing from
// the state selects buttons with their signals blocked.
void DuelField::ConnectAnswerButtons() {
    using AnswerHandler = void (DuelField::*)();
    const std::array<AnswerHandler, 5> exactHandlers{&DuelField::зн_Click, &DuelField::з1_Click, &DuelField::з2_Click,
                                                     &DuelField::з3_Click, &DuelField::з4_Click};
    const std::array<AnswerHandler, 5> partialHandlers{&DuelField::шн_Click, &DuelField::ш1_Click, &DuelField::ш2_Click,
                                                       &DuelField::ш3_Click, &DuelField::ш4_Click};
    for (size_t count = 0; count < 5; ++count) {
        for (const auto& [button, handler] : {std::pair{exactButtons_[count], exactHandlers[count]},
                                              std::pair{partialButtons_[count], partialHandlers[count]}}) {
            connect(button, &QRadioButton::toggled, this, [this, handler = handler](bool selected) {
                if (selected) (this->*handler)();
            });
        }
    }
}

// ---- the option buttons ---------------------------------------------------------

void DuelField::AnswerButton_Click(AnswerGroup group, int32_t count) {
    session_.GiveAnswer(group, count);
    host_.Refresh();
}

void DuelField::з1_Click() { AnswerButton_Click(AnswerGroup::Exact, 1); }
void DuelField::з2_Click() { AnswerButton_Click(AnswerGroup::Exact, 2); }
void DuelField::з3_Click() { AnswerButton_Click(AnswerGroup::Exact, 3); }
void DuelField::з4_Click() { AnswerButton_Click(AnswerGroup::Exact, 4); }
void DuelField::зн_Click() { AnswerButton_Click(AnswerGroup::Exact, 0); }
void DuelField::ш1_Click() { AnswerButton_Click(AnswerGroup::Partial, 1); }
void DuelField::ш2_Click() { AnswerButton_Click(AnswerGroup::Partial, 2); }
void DuelField::ш3_Click() { AnswerButton_Click(AnswerGroup::Partial, 3); }
void DuelField::ш4_Click() { AnswerButton_Click(AnswerGroup::Partial, 4); }
void DuelField::шн_Click() { AnswerButton_Click(AnswerGroup::Partial, 0); }

// ---- drawing ----------------------------------------------------------------------

void DuelField::Draw(bool turnMarks) {
    const GameState& state = session_.state();
    DrawTurnMarks(turnMarks);
    DrawOpponentsGuess();
    // The pictures follow the composed guess while it is open, and show the
    // guess a move emptied (0000) as the turn passes on; the keypad's Cancel
    // on a closed guess leaves them as they were.
    const bool moved = state.userMoves.size() != userMovesDrawn_;
    userMovesDrawn_ = state.userMoves.size();
    if ((state.guessOpen() || moved) && composedGuessDrawn_ != state.composedGuess) {
        composedGuessDrawn_ = state.composedGuess;
        DrawGuessPictures(guessPictures_, ComposedGuessPictures(composedGuessDrawn_));
    }
    const bool personsMoveShown = turnMarks && PersonsMoveOnShow(state);
    for (QLabel* picture : guessPictures_) SetVisible(picture, state.guessOpen() && !personsMoveShown);
    SetVisible(userMoveButton_, state.userMoveShown());
    SetVisible(computerMoveButton_, state.phase == Phase::ComputerToMove);
    DrawHistory();
    DrawAnswers();
}

// The side to move is marked; without the marks neither is, and the
// opponent's guess is hidden.
void DuelField::DrawTurnMarks(bool turnMarks) {
    const GameState& state = session_.state();
    // The opponent's guess is labelled with the opponent: the computer, or a
    // person over the network by name (shortened to fit).
    QString opponent = Tr("main_window", "Вариант компьютера:");
    if (!state.opponentName.empty()) {
        const QString name = computerGuessLabel_->fontMetrics().elidedText(
            QString::fromStdString(state.opponentName), Qt::ElideRight, computerGuessLabel_->width() / 2);
        opponent = Tr("main_window", "Вариант «%1»:").arg(name);
    }
    if (computerGuessLabel_->text() != opponent) computerGuessLabel_->setText(opponent);
    const bool computer = turnMarks && state.phase == Phase::ComputerToMove;
    StyleTurnLabel(computerGuessLabel_, computer);
    StyleTurnLabel(guessLabel_, turnMarks && state.userToMove());
    const bool personsMove = PersonsMoveOnShow(state) != nullptr;
    for (QLabel* picture : computerGuessPictures_) SetVisible(picture, computer || (turnMarks && personsMove));
}

void DuelField::DrawOpponentsGuess() {
    const GameState& state = session_.state();
    const Move* personsMove = PersonsMoveOnShow(state);
    const std::string& guess = personsMove ? personsMove->guess : state.compGuess;
    if (opponentsGuessDrawn_ == guess) return;
    opponentsGuessDrawn_ = guess;
    DrawGuessPictures(computerGuessPictures_, ComputerGuessPictures(guess));
}

// Each picture with the accessible text a screen reader says for it.
void DuelField::DrawGuessPictures(const std::array<QLabel*, 4>& labels, const std::array<int, 4>& pictures) {
    for (size_t i = 0; i < labels.size(); ++i) {
        const int picture = pictures[i];
        labels[i]->setPixmap(digitPictures_[static_cast<size_t>(picture)]);
        labels[i]->setAccessibleName(picture == kDashPicture ? QStringLiteral("-") : QString::number(picture));
    }
}

// One line for each of the user's answered guesses; a new line is selected.
// Lines of another game (a new one, or one resumed) go first.
void DuelField::DrawHistory() {
    const GameState& state = session_.state();
    const std::vector<Move>& moves = state.userMoves;
    int kept = 0;
    while (kept < historyList_->count() && static_cast<size_t>(kept) < moves.size() &&
           historyList_->item(kept)->text() == HistoryText(moves[static_cast<size_t>(kept)]))
        ++kept;
    if (kept == 0 && historyList_->count() > 0) historyList_->clear();
    while (historyList_->count() > kept) delete historyList_->takeItem(historyList_->count() - 1);
    for (size_t i = static_cast<size_t>(kept); i < moves.size(); ++i) historyList_->addItem(HistoryText(moves[i]));
    if (historyList_->count() > kept) historyList_->setCurrentRow(historyList_->count() - 1);
    historyList_->setEnabled(state.gameRunning());
}

void DuelField::DrawAnswers() {
    const GameState& state = session_.state();
    const bool byHand = state.answerByHand();
    exactFrame_->setEnabled(byHand);
    partialFrame_->setEnabled(byHand);
    const Move* personsMove = PersonsMoveOnShow(state);
    const Score answer = personsMove ? personsMove->answer : Score{state.exactCount, state.partialCount};
    for (auto [buttons, count] :
         {std::pair{&exactButtons_, answer.exact}, std::pair{&partialButtons_, answer.partial}}) {
        QRadioButton* selected = (*buttons)[static_cast<size_t>(std::clamp(count, 0, 4))];
        if (selected->isChecked()) continue;
        const QSignalBlocker quiet(selected);
        selected->setChecked(true);  // the group's other button goes off, quietly too
    }
}

}  // namespace duel
