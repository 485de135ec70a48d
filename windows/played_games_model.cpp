// The list of played games for a table view: the texts of one cell at a time, right-aligned figures.
#include "windows/played_games_model.h"

#include "journal/journal_texts.h"
#include "platform/translation.h"
#include "rules/game_clock.h"

#include <algorithm>

namespace duel {

namespace {

constexpr std::array<const char*, PlayedGamesModel::kColumns> kHeaders = {
    DUEL_MARK("windows", "Дата"),
    DUEL_MARK("windows", "Режим"),
    DUEL_MARK("windows", "Итог"),
    DUEL_MARK("windows", "Ваших ходов"),
    DUEL_MARK("windows", "Ходов компьютера / соперника"),
    DUEL_MARK("windows", "Время"),
    DUEL_MARK("windows", "Ваше число"),
    DUEL_MARK("windows", "Число компьютера / соперника"),
    DUEL_MARK("windows", "Соперник")};
constexpr std::array<const char*, PlayedGamesModel::kColumns> kTips = {
    DUEL_MARK("windows", "Когда игра началась"),
    DUEL_MARK("windows", "Как было задано ваше число, и соперник"),
    DUEL_MARK("windows", "Чем игра кончилась"),
    DUEL_MARK("windows", "Сколько ходов сделали вы"),
    DUEL_MARK("windows", "Сколько ходов сделал компьютер (в игре по сети — соперник)"),
    DUEL_MARK("windows", "Время игры по её часам"),
    DUEL_MARK("windows", "Ваше число, если вы его ввели"),
    DUEL_MARK("windows", "Число, загаданное компьютером (в игре по сети — соперником)"),
    DUEL_MARK("windows", "Соперник в игре по сети: имя и адрес")};
constexpr int kFirstFigure = 3;  // the tries and the time are right-aligned
constexpr int kLastFigure = 5;

}  // namespace

void PlayedGamesModel::SetGames(std::vector<GameRecord> games) {
    beginResetModel();
    games_ = std::move(games);
    endResetModel();
}

bool PlayedGamesModel::AnyNetworkGame() const {
    return std::any_of(games_.begin(), games_.end(), [](const GameRecord& game) { return IsNetworkMode(game.mode); });
}

int PlayedGamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int PlayedGamesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant PlayedGamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= kFirstFigure && index.column() <= kLastFigure
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const GameRecord& game = games_[static_cast<size_t>(index.row())];
    switch (index.column()) {
        case 0:
            return QString::fromStdString(ShownDate(game.started));
        case 1:
            return QString::fromStdString(ModeText(game.mode, game.strength));
        case 2:
            return QString::fromStdString(OutcomeText(game.outcome, game.mode));
        case 3:
            return QString::number(game.playerTries);
        case 4:
            return QString::number(game.computerTries);
        case 5:
            return QString::fromStdString(ClockText(game.seconds));
        case 6:
            return QString::fromStdString(game.playerNumber);
        case 7:
            return QString::fromStdString(game.computerNumber);
        case kOpponentColumn:
            return QString::fromStdString(OpponentText(game));
        default:
            return {};
    }
}

QVariant PlayedGamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole) return Tr("windows", kHeaders[static_cast<size_t>(section)]);
    if (role == Qt::ToolTipRole) return Tr("windows", kTips[static_cast<size_t>(section)]);
    return {};
}

}  // namespace duel
