// The list of played games for a table view: one row per game, its texts made only when a row is shown.
#pragma once

#include "journal/game_record.h"

#include <QAbstractTableModel>

#include <vector>

namespace duel {

class PlayedGamesModel : public QAbstractTableModel {
public:
    // The columns, in order: "Дата", "Режим", "Итог", "Ходов", "Время".
    static constexpr int kColumns = 5;

    using QAbstractTableModel::QAbstractTableModel;

    void SetGames(std::vector<GameRecord> games);
    const std::vector<GameRecord>& games() const { return games_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<GameRecord> games_;
};

}  // namespace duel
