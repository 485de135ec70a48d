// The statistics window: each side's figures, the chart of wins by tries, the games played and their moves, the export.
#pragma once

#include "journal/game_record.h"

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace duel {

class HostWindow;
class Journal;
class Platform;
class PlayedGamesModel;
class WinsChart;

class StatisticsWindow : public QDialog {
public:
    // `journal` is the journal of this run (nullptr when none is kept);
    // `status` says why it is not kept or what befell it, empty when nothing did.
    StatisticsWindow(Journal* journal, const QString& status, Platform& platform, HostWindow& host);
    ~StatisticsWindow() override;

    // ---- handlers ----
    // Reads the played games: the figures, the chart, the list newest first
    // with the newest game's moves; places the window beside the main window.
    void Form_Load();
    // "Экспорт ...": the list as CSV, to a file chosen in the save dialog.
    void cmdExport_Click();

private:
    void BuildFigures(QWidget* frame);
    // Shows the moves of the game in row `row` of the list (none for -1).
    void ShowMovesOf(int row);

    Journal* journal_;
    QString status_;
    Platform& platform_;
    HostWindow& host_;

    // ---- controls ----
    QLabel* statusLabel_ = nullptr;             // lblJournalStatus
    std::array<QLabel*, 8> playerFigures_{};    // lblPlayerGames ... lblPlayerTimePlayed
    std::array<QLabel*, 8> computerFigures_{};  // lblComputerGames ... lblComputerTimePlayed
    WinsChart* chart_ = nullptr;                // chartWins
    QTableView* gamesTable_ = nullptr;          // tblGames
    PlayedGamesModel* games_ = nullptr;
    QTableWidget* movesTable_ = nullptr;   // tblMoves
    QPushButton* exportButton_ = nullptr;  // cmdExport
    QPushButton* closeButton_ = nullptr;   // cmdClose
};

}  // namespace duel
