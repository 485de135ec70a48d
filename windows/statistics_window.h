// The statistics window: each side's figures, the chart of wins by tries, the games played and their moves with the
// lesson of each, the export.
#pragma once

#include "journal/game_record.h"

#include <QDialog>
#include <QString>

#include <array>

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableView;
class QTableWidget;

namespace duel {

class HostWindow;
class Journal;
class Platform;
class PlayedGamesModel;
class WinsChart;
struct JournalStatistics;

class StatisticsWindow : public QDialog {
public:
    // `journal` is the journal of this run (nullptr when none is kept);
    // `status` says why it is not kept or what befell it, empty when nothing did.
    StatisticsWindow(Journal* journal, const QString& status, Platform& platform, HostWindow& host);
    ~StatisticsWindow() override;

    // ---- handlers ----
    // Reads the played games: the figures, the chart, the list newest first
    // with the newest game's moves; places the window over the main window.
    void Form_Load();
    // "&Экспорт ...": the list as CSV, to a file chosen in the save dialog.
    void cmdExport_Click();

    // The frame rectangle the window takes: centred over the main window,
    // cut to the screen's available area and kept on it.
    void PlaceOverHost();

private:
    // Whose figures a column of the summary holds.
    enum FigureColumn { kPlayer, kComputer, kNetworkPlayer, kOpponent, kFigureColumns };

    QWidget* BuildFigures();
    void ShowFigures(const JournalStatistics& statistics, FigureColumn player, FigureColumn other);
    // Shows the moves of the game in row `row` of the list, with the lesson of the player's (none for -1).
    void ShowMovesOf(int row);
    // The games list as tall as its rows need, up to a dozen; the moves list takes the rest.
    void FitGamesList();

    Journal* journal_;
    QString status_;
    Platform& platform_;
    HostWindow& host_;

    // ---- controls ----
    QScrollArea* scroll_ = nullptr;  // everything but the buttons, scrolled when the window is small
    QLabel* statusLabel_ = nullptr;  // lblJournalStatus
    // lblPlayerGames ... lblPlayerLongestRun, lblComputer..., lblNetworkPlayer..., lblNetworkOpponent...
    std::array<std::array<QLabel*, 7>, kFigureColumns> figures_{};
    std::array<QLabel*, kFigureColumns> findsAfterLoss_{};  // lblPlayerFindsAfterLoss ...
    QLabel* timePlayed_ = nullptr;                          // lblTimePlayed
    QLabel* networkTimePlayed_ = nullptr;                   // lblNetworkTimePlayed
    std::array<QWidget*, 2 * 9 + 2> networkCells_{};        // the network columns, hidden without such games
    WinsChart* chart_ = nullptr;                            // chartWins
    QTableView* gamesTable_ = nullptr;                      // tblGames
    PlayedGamesModel* games_ = nullptr;
    QLabel* numbersLabel_ = nullptr;       // lblNumbers: both numbers of the chosen game
    QTableWidget* movesTable_ = nullptr;   // tblMoves
    QLabel* lessonLabel_ = nullptr;        // lblLesson: the lesson in one line
    QPushButton* exportButton_ = nullptr;  // cmdExport
    QPushButton* closeButton_ = nullptr;   // cmdClose
};

}  // namespace duel
