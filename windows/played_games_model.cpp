// The list of played games for a table view: the texts of one cell at a time, right-aligned figures.
#include "windows/played_games_model.h"

#include "journal/journal_texts.h"
#include "rules/game_clock.h"

namespace duel {

namespace {

constexpr std::array<const char*, PlayedGamesModel::kColumns> kHeaders = {"Дата", "Режим", "Итог", "Ходов", "Время"};
constexpr int kTriesColumn = 3;
constexpr int kTimeColumn = 4;

}  // namespace

void PlayedGamesModel::SetGames(std::vector<GameRecord> games) {
    beginResetModel();
    games_ = std::move(games);
    endResetModel();
}

int PlayedGamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int PlayedGamesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant PlayedGamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= kTriesColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                              : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const GameRecord& game = games_[static_cast<size_t>(index.row())];
    switch (index.column()) {
        case 0:
            return QString::fromStdString(ShownDate(game.started));
        case 1:
            return QString::fromStdString(ModeText(game.mode, game.strength));
        case 2:
            return QString::fromStdString(OutcomeText(game.outcome));
        case kTriesColumn:
            return QString::fromStdString(TriesText(game));
        case kTimeColumn:
            return QString::fromStdString(ClockText(game.seconds));
        default:
            return {};
    }
}

QVariant PlayedGamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(kHeaders[static_cast<size_t>(section)]);
    if (role == Qt::ToolTipRole && section == kTriesColumn) return QStringLiteral("Ваших ходов / ходов компьютера");
    if (role == Qt::ToolTipRole && section == kTimeColumn) return QStringLiteral("Время игры по её часам");
    return {};
}

}  // namespace duel
