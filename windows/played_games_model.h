// The list of played games for a table view: one row per game, its texts made only when a row is shown.
#pragma once

#include "journal/game_record.h"

#include <QAbstractTableModel>

#include <vector>

namespace duel {

class PlayedGamesModel : public QAbstractTableModel {
public:
    // The columns, in order, as the CSV export has them: "Дата", "Режим",
    // "Итог", "Ваших ходов", "Ходов компьютера", "Время", "Ваше число",
    // "Число компьютера", "Соперник" (a duel over the network only).
    static constexpr int kColumns = 9;
    static constexpr int kOpponentColumn = 8;

    using QAbstractTableModel::QAbstractTableModel;

    void SetGames(std::vector<GameRecord> games);
    const std::vector<GameRecord>& games() const { return games_; }
    // Some game was a duel over the network (the opponent's column has something to show).
    bool AnyNetworkGame() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<GameRecord> games_;
};

}  // namespace duel
