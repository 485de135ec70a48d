// The statistics window: each side's figures, the chart of wins by tries, the games played and their moves with the
// lesson of each, the export.
#pragma once

#include "journal/game_record.h"

#include <QDialog>
#include <QString>

#include <array>

class QBoxLayout;
class QGroupBox;
class QGridLayout;
class QLabel;
class QStatusBar;
class QPushButton;
class QScrollArea;
class QTableView;
class QTableWidget;

namespace duel {

class HostWindow;
class Journal;
class StatusLine;
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whose figures a column of the summary holds.
    enum FigureColumn { kPlayer, kComputer, kNetworkPlayer, kOpponent, kFigureColumns };

    QWidget* BuildFigures();
    void ShowFigures(const JournalStatistics& statistics, FigureColumn player, FigureColumn other);
    // Shows the moves of the game in row `row` of the list, with the lesson of the player's (none for -1).
    void ShowMovesOf(int row);
    // The games list as tall as its rows need, up to a dozen; the moves list takes the rest.
    void FitGamesList();
    // The chart beside the figures where the page is `width` wide enough to
    // show both whole, else at the end of the page, after the lists: the
    // figures and the games list then open in sight together, and Tab reaches
    // the chart last anyway.
    void ArrangeChart(int width);
    // Scrolls the page so that the current row of `table`, when it has the
    // focus, is in sight (and the lesson under the moves, where there is room):
    // now, or once the list itself has scrolled to the row.
    void FollowCurrentRow(QTableView* table);
    void FollowCurrentRowLater(QTableView* table);

    Journal* journal_;
    QString status_;
    Platform& platform_;
    HostWindow& host_;

    // ---- controls ----
    QScrollArea* scroll_ = nullptr;    // everything but the buttons, scrolled when the window is small
    QBoxLayout* page_ = nullptr;       // everything that scrolls, top to bottom
    QBoxLayout* top_ = nullptr;        // the figures and, where there is room, the chart
    QWidget* figuresFrame_ = nullptr;  // frmFigures
    QGroupBox* chartFrame_ = nullptr;  // frmChart
    QLabel* statusLabel_ = nullptr;    // lblJournalStatus
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
    QStatusBar* statusBar_ = nullptr;      // sbStatistics
    StatusLine* exportStatus_ = nullptr;   // lblExportStatus: where the list went
};

}  // namespace duel
