// The statistics window: layout, the figures and chart from the played games, the list with its moves and their
// lesson, the keyboard, the place over the main window, the CSV export.
#include "windows/statistics_window.h"

#include "journal/csv.h"
#include "journal/journal.h"
#include "journal/journal_texts.h"
#include "journal/statistics.h"
#include "platform/dialogs.h"
#include "platform/on_screen.h"
#include "platform/plain_text.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "rules/game_clock.h"
#include "rules/game_lesson.h"
#include "rules/window_placement.h"
#include "windows/beside_host.h"
#include "windows/file_export.h"
#include "windows/host_window.h"
#include "windows/played_games_model.h"
#include "windows/wins_chart.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace duel {

namespace {

// The figures' names as the labels' objectNames end: lblPlayerGames, lblComputerGames...
constexpr std::array<const char*, 7> kFigureKeys = {"Games",       "Wins",       "WinShare",  "MeanTries",
                                                    "FewestTries", "CurrentRun", "LongestRun"};
constexpr std::array<const char*, 4> kColumnKeys = {"Player", "Computer", "NetworkPlayer", "NetworkOpponent"};
constexpr std::array<const char*, 4> kColumnNames = {DUEL_MARK("windows", "Вы"), DUEL_MARK("windows", "Компьютер"),
                                                     DUEL_MARK("windows", "Вы, по сети"),
                                                     DUEL_MARK("windows", "Соперник")};
constexpr std::array<const char*, 4> kColumnWhose = {
    DUEL_MARK("windows", "%1, вы"), DUEL_MARK("windows", "%1, компьютер"), DUEL_MARK("windows", "%1, вы по сети"),
    DUEL_MARK("windows", "%1, соперник по сети")};

constexpr const char* kExportTitle = DUEL_MARK("windows", "Экспорт списка игр");
constexpr const char* kExportFilter = DUEL_MARK("windows", "Файлы CSV (*.csv)");
// Spreadsheets read the file as UTF-8 with this mark at its start.
constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

// The columns of the moves list; the last three are the lesson of the player's moves.
constexpr std::array<const char*, 9> kMoveHeaders = {DUEL_MARK("windows", "Ход"),
                                                     DUEL_MARK("windows", "Кто"),
                                                     DUEL_MARK("windows", "Число"),
                                                     DUEL_MARK("windows", "Шелвы"),
                                                     DUEL_MARK("windows", "Злыки"),
                                                     DUEL_MARK("windows", "Время"),
                                                     DUEL_MARK("windows", "Подходило чисел"),
                                                     DUEL_MARK("windows", "Могло быть числом"),
                                                     DUEL_MARK("windows", "Осталось бы")};
constexpr std::array<const char*, 9> kMoveTips = {
    DUEL_MARK("windows", "Номер хода этой стороны"),
    DUEL_MARK("windows", "Чей ход"),
    DUEL_MARK("windows", "Названное число"),
    DUEL_MARK("windows", "Цифры на чужих местах"),
    DUEL_MARK("windows", "Цифры на своих местах"),
    DUEL_MARK("windows", "Время по часам игры"),
    DUEL_MARK("windows", "Сколько чисел подходило ко всем ответам до хода → и после его ответа"),
    DUEL_MARK("windows", "Могло ли названное число быть загаданным, по ответам на прежние ходы"),
    DUEL_MARK("windows",
              "Сколько чисел в среднем оставил бы ответ на этот ход, и сколько — на лучший ход из подходивших")};

// Rows a list shows at least, and the most rows the games list grows to before it scrolls.
constexpr int kFewestRows = 3;
constexpr int kMostGamesRows = 12;
// Where the window is smaller than its lists want (a small screen), each list
// keeps room for this many rows, and the page around them scrolls.
constexpr int kLeastRows = 5;
// Rows the moves list asks for: a game of seven moves of each side shows whole.
constexpr int kMovesRows = 14;

QTableWidgetItem* Cell(const QString& text, bool figure) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(figure ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

// Both lists alike: rows of one text line, the same height each, so that long
// lists scroll at once; headers that never turn bold; Tab leaves the list
// (the arrows move within it).
void UseFixedRows(QTableView* table) {
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);
    table->setFocusPolicy(Qt::StrongFocus);
}

// Column widths from the widest text each column can show, never from the rows.
void SizeColumns(QTableView* table, std::initializer_list<QString> widest) {
    const QFontMetrics metrics = table->fontMetrics();
    int column = 0;
    for (const QString& text : widest)
        table->horizontalHeader()->resizeSection(column++, metrics.horizontalAdvance(text) + 16);
    table->horizontalHeader()->setStretchLastSection(true);
}

PixelRect ToPixels(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

// A figure's heading ("Игр, вы"), kept on its label.
constexpr const char* kFigureHeading = "figureHeading";

// Shows `value` in a figure's label; a screen reader reads the heading and the
// value together ("Игр, вы: 4"), as the eye takes them from the row and column.
void ShowFigure(QLabel* label, const QString& value) {
    label->setText(value);
    label->setAccessibleName(label->property(kFigureHeading).toString() + QStringLiteral(": ") + value);
}

// A list whose preferred size is all its columns and `rows` rows, so that the
// window opens as large as its lists want (the screen allowing), and whose
// least height still shows `leastRows` rows; it scrolls when it gets less than
// it wants.  Both heights count the sideways scroll bar when the columns need it.
template <typename Table>
class SizedTable final : public Table {
public:
    template <typename... Arguments>
    explicit SizedTable(Arguments&&... arguments) : Table(std::forward<Arguments>(arguments)...) {
        QObject::connect(this->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
                         [this] { this->updateGeometry(); });
    }
    void WantRows(int rows, int leastRows) {
        rows_ = rows;
        leastRows_ = leastRows;
        this->updateGeometry();
    }
    // The height that shows `rows` rows whole.
    int HeightFor(int rows) const {
        const QScrollBar* sideways = this->horizontalScrollBar();
        return this->horizontalHeader()->sizeHint().height() + this->verticalHeader()->defaultSectionSize() * rows +
               2 * this->frameWidth() + (sideways->maximum() > 0 ? sideways->sizeHint().height() : 0);
    }
    QSize sizeHint() const override {
        const int width =
            this->horizontalHeader()->length() + 2 * this->frameWidth() + this->verticalScrollBar()->sizeHint().width();
        return {width, HeightFor(rows_)};
    }
    QSize minimumSizeHint() const override { return {Table::minimumSizeHint().width(), HeightFor(leastRows_)}; }

protected:
    // Home and End go to the first and the last row, in the column the cursor is in.
    QModelIndex moveCursor(QAbstractItemView::CursorAction action, Qt::KeyboardModifiers modifiers) override {
        if (action != QAbstractItemView::MoveHome && action != QAbstractItemView::MoveEnd)
            return Table::moveCursor(action, modifiers);
        const int rows = this->model()->rowCount(this->rootIndex());
        if (rows == 0) return {};
        const int column = this->currentIndex().isValid() ? this->currentIndex().column() : 0;
        return this->model()->index(action == QAbstractItemView::MoveHome ? 0 : rows - 1, column, this->rootIndex());
    }

private:
    int rows_ = kFewestRows;
    int leastRows_ = kFewestRows;
};

// What scrolls in the window.  A scroll area makes a page with wrapped texts
// as tall as the page would like to be at its width, every list at its
// preferred rows, however small the window; this page asks for the least it
// needs instead (each list its least rows, a wrapped text its lines at that
// width), so that where the window is smaller than the page, the lists keep
// their least and the page scrolls, and where it is larger, the moves list
// takes what is left.
class Page final : public QWidget {
public:
    using QWidget::QWidget;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const QLayout* box = layout();
        const QMargins margins = box->contentsMargins();
        const int inner = width - margins.left() - margins.right();
        int height = margins.top() + margins.bottom();
        int shown = 0;
        for (int i = 0; i < box->count(); ++i) {
            QLayoutItem* item = box->itemAt(i);
            if (item->isEmpty()) continue;
            height += item->hasHeightForWidth() ? item->heightForWidth(inner) : item->minimumSize().height();
            ++shown;
        }
        return height + std::max(0, shown - 1) * box->spacing();
    }
};

}  // namespace

// One line of text that never widens its window: a text wider than the line
// loses its middle to "…" (the file's name at its end stays in sight), and the
// whole text is its tooltip and what a screen reader reads.
class StatusLine final : public QLabel {
public:
    explicit StatusLine(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void SetText(const QString& text) {
        full_ = text;
        setToolTip(text);
        setAccessibleName(text);
        Elide();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Elide();
    }

private:
    void Elide() { setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, contentsRect().width())); }

    QString full_;
};

StatisticsWindow::StatisticsWindow(Journal* journal, const QString& status, Platform& platform, HostWindow& host)
    : QDialog(host.ownerWidget(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      journal_(journal),
      status_(status),
      platform_(platform),
      host_(host) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(Tr("windows", "Статистика"));
    setWindowIcon(host.icon());
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    // Everything but the buttons scrolls when the window is smaller than it.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrStatistics"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    auto* content = new Page(scroll_);
    auto* inside = new QVBoxLayout(content);
    inside->setContentsMargins(0, 0, 0, 0);

    statusLabel_ = TextLabel(QString(), content);
    statusLabel_->setObjectName(QStringLiteral("lblJournalStatus"));
    statusLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->setWordWrap(true);
    statusLabel_->hide();
    inside->addWidget(statusLabel_);

    page_ = inside;
    top_ = new QHBoxLayout;
    figuresFrame_ = BuildFigures();
    top_->addWidget(figuresFrame_);
    chartFrame_ = new QGroupBox(Tr("windows", "Победы по числу ходов (против компьютера)"), content);
    chartFrame_->setObjectName(QStringLiteral("frmChart"));
    auto* chartLayout = new QVBoxLayout(chartFrame_);
    chart_ = new WinsChart(chartFrame_);
    chartLayout->addWidget(chart_);
    top_->addWidget(chartFrame_, 1);
    inside->addLayout(top_);

    QLabel* gamesLabel = TextLabel(Tr("windows", "&Сыгранные игры, последняя сверху:"), content);
    inside->addWidget(gamesLabel);
    gamesTable_ = new SizedTable<QTableView>(content);
    gamesTable_->setObjectName(QStringLiteral("tblGames"));
    gamesLabel->setBuddy(gamesTable_);
    games_ = new PlayedGamesModel(gamesTable_);
    gamesTable_->setModel(games_);
    UseFixedRows(gamesTable_);
    SizeColumns(gamesTable_,
                {QStringLiteral("00.00.0000 00:00"), Tr("journal", "число открыто, сильный"),
                 Tr("journal", "победа компьютера, вы нашли число позже"), Tr("windows", "Ваших ходов"),
                 Tr("windows", "Ходов компьютера / соперника"), QStringLiteral("000:00"), Tr("windows", "Ваше число"),
                 Tr("windows", "Число компьютера / соперника"), Tr("windows", "Соперник с длинным именем")});
    gamesTable_->setAccessibleName(Tr("windows", "Сыгранные игры"));
    inside->addWidget(gamesTable_);  // as tall as its rows need (FitGamesList); the moves take the rest

    QLabel* movesLabel = TextLabel(Tr("windows", "&Ходы выбранной игры и их разбор:"), content);
    inside->addWidget(movesLabel);
    numbersLabel_ = TextLabel(QString(), content);
    numbersLabel_->setObjectName(QStringLiteral("lblNumbers"));
    numbersLabel_->setTextFormat(Qt::PlainText);
    inside->addWidget(numbersLabel_);
    movesTable_ = new SizedTable<QTableWidget>(0, static_cast<int>(kMoveHeaders.size()), content);
    static_cast<SizedTable<QTableWidget>*>(movesTable_)->WantRows(kMovesRows, kLeastRows);
    movesTable_->setObjectName(QStringLiteral("tblMoves"));
    movesLabel->setBuddy(movesTable_);
    for (int column = 0; column < movesTable_->columnCount(); ++column) {
        auto* header = new QTableWidgetItem(Tr("windows", kMoveHeaders[static_cast<size_t>(column)]));
        header->setToolTip(Tr("windows", kMoveTips[static_cast<size_t>(column)]));
        movesTable_->setHorizontalHeaderItem(column, header);
    }
    UseFixedRows(movesTable_);
    SizeColumns(movesTable_,
                {Tr("windows", "Ход 00"), Tr("windows", "Компьютер"), Tr("windows", "Число"), Tr("windows", "Шелвы"),
                 Tr("windows", "Злыки"), QStringLiteral("000:00"), Tr("windows", "Подходило чисел"),
                 Tr("rules", "нет: противоречит ходу %1").arg(QStringLiteral("00")),
                 Tr("rules", "в среднем %1 (лучший %2)").arg(QStringLiteral("000,0"), QStringLiteral("000,0"))});
    movesTable_->setAccessibleName(Tr("windows", "Ходы выбранной игры и их разбор"));
    inside->addWidget(movesTable_, 1);
    lessonLabel_ = TextLabel(QString(), content);
    lessonLabel_->setObjectName(QStringLiteral("lblLesson"));
    lessonLabel_->setTextFormat(Qt::PlainText);
    lessonLabel_->setWordWrap(true);
    inside->addWidget(lessonLabel_);
    scroll_->setWidget(content);
    layout->addWidget(scroll_, 1);

    auto* buttons = new QHBoxLayout;
    exportButton_ = new QPushButton(Tr("windows", "&Экспорт ..."), this);
    exportButton_->setObjectName(QStringLiteral("cmdExport"));
    exportButton_->setToolTip(Tr("windows", "Записать список игр в файл CSV"));
    // Enter on the focused button exports (it is the default while it has the
    // focus); elsewhere in the window Enter closes it.
    exportButton_->setAutoDefault(true);
    closeButton_ = new QPushButton(Tr("windows", "&Закрыть"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    closeButton_->setDefault(true);
    buttons->addWidget(exportButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    // The status bar says where the list was written; it shows only then.
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("sbStatistics"));
    statusBar_->setSizeGripEnabled(false);  // the window's own grip is in the corner
    exportStatus_ = new StatusLine(statusBar_);
    exportStatus_->setObjectName(QStringLiteral("lblExportStatus"));
    statusBar_->addWidget(exportStatus_, 1);
    statusBar_->hide();
    layout->addWidget(statusBar_);

    // Tab: the games, their moves, the two buttons, the chart (read by its description).
    setTabOrder(gamesTable_, movesTable_);
    setTabOrder(movesTable_, exportButton_);
    setTabOrder(exportButton_, closeButton_);
    setTabOrder(closeButton_, chart_);
    gamesTable_->setFocus();

    // The page follows the row the keyboard moves to in either list, and the chart when Tab comes to it.
    chart_->installEventFilter(this);
    for (QTableView* table : {gamesTable_, static_cast<QTableView*>(movesTable_)}) {
        table->installEventFilter(this);
        connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, table] { FollowCurrentRowLater(table); });
    }

    connect(exportButton_, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(gamesTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowMovesOf(current.isValid() ? current.row() : -1); });
}

StatisticsWindow::~StatisticsWindow() = default;

QWidget* StatisticsWindow::BuildFigures() {
    auto* frame = new QGroupBox(Tr("windows", "Итоги"));
    frame->setObjectName(QStringLiteral("frmFigures"));
    auto* grid = new QGridLayout(frame);
    size_t networkCell = 0;
    auto addCell = [&](QWidget* cell, int row, int column, int span = 1) {
        // One figure for both sides (the time played) stands between their columns.
        grid->addWidget(cell, row, column, 1, span, span > 1 ? Qt::AlignHCenter : Qt::AlignRight);
        if (column >= 1 + kNetworkPlayer) networkCells_[networkCell++] = cell;
    };
    auto valueLabel = [&](const QString& name, const QString& heading) {
        QLabel* value = TextLabel(QString(), frame);
        value->setObjectName(name);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setProperty(kFigureHeading, heading);
        value->setAccessibleName(heading);
        return value;
    };
    for (int column = 0; column < kFigureColumns; ++column) {
        QLabel* head = TextLabel(Tr("windows", kColumnNames[column]), frame);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        addCell(head, 0, column + 1);
    }
    const int last = static_cast<int>(kFigureNames.size());
    for (int i = 0; i < last; ++i) {
        const QString name = Tr("journal", kFigureNames[static_cast<size_t>(i)]);
        grid->addWidget(TextLabel(name, frame), i + 1, 0);
        for (int column = 0; column < kFigureColumns; ++column) {
            QLabel* value =
                valueLabel(QStringLiteral("lbl%1%2").arg(QLatin1String(kColumnKeys[column]),
                                                         QLatin1String(kFigureKeys[static_cast<size_t>(i)])),
                           Tr("windows", kColumnWhose[column]).arg(name));
            figures_[column][static_cast<size_t>(i)] = value;
            addCell(value, i + 1, column + 1);
        }
    }
    const QString finds = Tr("journal", kFindsAfterLossName);
    QLabel* findsName = TextLabel(finds, frame);
    findsName->setToolTip(Tr("windows", "Игры, в которых компьютер нашёл ваше число первым, а вы своё — потом"));
    grid->addWidget(findsName, last + 1, 0);
    for (int column = 0; column < kFigureColumns; ++column) {
        findsAfterLoss_[column] =
            valueLabel(QStringLiteral("lbl%1FindsAfterLoss").arg(QLatin1String(kColumnKeys[column])),
                       Tr("windows", kColumnWhose[column]).arg(finds));
        addCell(findsAfterLoss_[column], last + 1, column + 1);
    }
    const QString time = Tr("journal", kTimePlayedName);
    grid->addWidget(TextLabel(time, frame), last + 2, 0);
    timePlayed_ = valueLabel(QStringLiteral("lblTimePlayed"), Tr("windows", "%1, против компьютера").arg(time));
    addCell(timePlayed_, last + 2, 1, 2);
    networkTimePlayed_ = valueLabel(QStringLiteral("lblNetworkTimePlayed"), Tr("windows", "%1, по сети").arg(time));
    addCell(networkTimePlayed_, last + 2, 1 + kNetworkPlayer, 2);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
    return frame;
}

void StatisticsWindow::ShowFigures(const JournalStatistics& statistics, FigureColumn player, FigureColumn other) {
    const std::array<std::string, 7> mine = SideFigures(statistics.player);
    const std::array<std::string, 7> theirs = SideFigures(statistics.computer);
    for (size_t i = 0; i < mine.size(); ++i) {
        ShowFigure(figures_[player][i], QString::fromStdString(mine[i]));
        ShowFigure(figures_[other][i], QString::fromStdString(theirs[i]));
    }
    ShowFigure(findsAfterLoss_[player], QString::number(statistics.findsAfterLoss));
    ShowFigure(findsAfterLoss_[other], QStringLiteral("—"));
    ShowFigure(player == kPlayer ? timePlayed_ : networkTimePlayed_,
               QString::fromStdString(PlayedTimeText(statistics.secondsPlayed)));
}

void StatisticsWindow::Form_Load() {
    std::optional<std::vector<GameRecord>> played;
    if (journal_ != nullptr) played = journal_->PlayedGames();
    QString status = status_;
    if (!played && status.isEmpty()) status = Tr("windows", "Журнал игр не удалось прочитать.");
    statusLabel_->setText(status);
    statusLabel_->setVisible(!status.isEmpty());

    std::vector<GameRecord> games = played ? std::move(*played) : std::vector<GameRecord>();
    const StatisticsByMode statistics = ComputeStatisticsByMode(games);
    ShowFigures(statistics.againstComputer, kPlayer, kComputer);
    ShowFigures(statistics.network, kNetworkPlayer, kOpponent);
    chart_->SetStatistics(statistics.againstComputer);
    games_->SetGames(std::move(games));
    const bool network = games_->AnyNetworkGame();
    for (QWidget* cell : networkCells_)
        if (cell != nullptr) cell->setVisible(network);
    gamesTable_->setColumnHidden(PlayedGamesModel::kOpponentColumn, !network);
    exportButton_->setEnabled(games_->rowCount() > 0);
    FitGamesList();
    if (games_->rowCount() > 0) gamesTable_->selectRow(0);
    gamesTable_->setFocus();

    // Again with the real frame once the window manager has framed the window.
    PlaceNowAndWhenFramed(*this, [this] { PlaceOverHost(); });
}

void StatisticsWindow::FitGamesList() {
    auto* games = static_cast<SizedTable<QTableView>*>(gamesTable_);
    const int rows = std::clamp(games_->rowCount(), kFewestRows, kMostGamesRows);
    games->WantRows(rows, std::min(rows, kLeastRows));
    // Never taller than its rows need, sideways scroll bar included: the moves take the rest.
    const int height =
        games->HeightFor(rows) +
        (games->horizontalScrollBar()->maximum() > 0 ? 0 : games->horizontalScrollBar()->sizeHint().height());
    gamesTable_->setMaximumHeight(games_->rowCount() >= kMostGamesRows ? QWIDGETSIZE_MAX : height);
}

void StatisticsWindow::PlaceOverHost() {
    // The frame: the window's own once it is framed, else taken to be the main window's.
    const QRect hostFrame = host_.frameRect();
    const QMargins margins = FrameMarginsOf(*this, HostFrameMargins(host_));
    const QSize borders(margins.left() + margins.right(), margins.top() + margins.bottom());

    QRect area(QPoint(0, 0), platform_.screenSize());
    if (const QScreen* shown = screen()) area = area.intersected(shown->availableGeometry());

    // What the window would like: its whole content without scrolling, the
    // chart at the end where the screen is too narrow for it beside the figures.
    QWidget* content = scroll_->widget();
    const QSize around = layout()->sizeHint() - scroll_->sizeHint();
    const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
    ArrangeChart(area.width() - borders.width() - around.width() - scrollBar);
    content->layout()->activate();
    const QSize wanted = content->sizeHint() + around + QSize(scrollBar, 0);
    const QSize minimum = minimumSizeHint().expandedTo(QSize(320, 240));

    const PixelRect frame = PlaceOverOwner({wanted.width() + borders.width(), wanted.height() + borders.height()},
                                           {minimum.width() + borders.width(), minimum.height() + borders.height()},
                                           ToPixels(hostFrame), ToPixels(area));
    setMinimumSize(minimum);
    resize(frame.width - borders.width(), frame.height - borders.height());
    PutFrameAt(*this, {frame.x, frame.y}, margins);
}

void StatisticsWindow::ShowMovesOf(int row) {
    movesTable_->setRowCount(0);
    numbersLabel_->clear();
    lessonLabel_->clear();
    if (row < 0 || row >= games_->rowCount() || journal_ == nullptr) return;
    const GameRecord& game = games_->games()[static_cast<size_t>(row)];
    const bool network = IsNetworkMode(game.mode);
    // An opponent over the network that left before its reveal never showed its number.
    const QString theirs = game.computerNumber.empty() ? (network ? Tr("windows", "Соперник не открыл своего числа.")
                                                                  : Tr("windows", "Компьютер не открыл своего числа."))
                                                       : (network ? Tr("windows", "Соперник загадал число %1.")
                                                                  : Tr("windows", "Компьютер загадал число %1."))
                                                             .arg(QString::fromStdString(game.computerNumber));
    const QString yours = game.playerNumber.empty()
                              ? Tr("windows", "Вашего числа игра не знала.")
                              : Tr("windows", "Ваше число: %1.").arg(QString::fromStdString(game.playerNumber));
    numbersLabel_->setText(theirs + u' ' + yours);

    const auto moves = journal_->MovesOf(game.id);
    if (!moves) return;
    std::vector<Move> playerMoves;
    for (const JournalMove& move : *moves)
        if (move.side == Side::User) playerMoves.push_back(move.move);
    const std::vector<MoveLesson> lesson = LessonOf(playerMoves);

    movesTable_->setRowCount(static_cast<int>(moves->size()));
    int playerMove = 0;
    int otherMove = 0;
    for (int i = 0; i < movesTable_->rowCount(); ++i) {
        const JournalMove& move = (*moves)[static_cast<size_t>(i)];
        const bool player = move.side == Side::User;
        const int number = player ? ++playerMove : ++otherMove;
        movesTable_->setItem(i, 0, Cell(QString::number(number), true));
        movesTable_->setItem(i, 1,
                             Cell(player    ? Tr("windows", "Вы")
                                  : network ? Tr("windows", "Соперник")
                                            : Tr("windows", "Компьютер"),
                                  false));
        movesTable_->setItem(i, 2, Cell(QString::fromStdString(move.move.guess), false));
        movesTable_->setItem(i, 3, Cell(QString::number(move.move.answer.partial), true));
        movesTable_->setItem(i, 4, Cell(QString::number(move.move.answer.exact), true));
        movesTable_->setItem(i, 5, Cell(QString::fromStdString(ClockText(move.seconds)), true));
        if (!player) continue;
        const MoveLesson& judged = lesson[static_cast<size_t>(number - 1)];
        movesTable_->setItem(i, 6, Cell(QString::fromStdString(FittingText(judged)), true));
        movesTable_->setItem(i, 7, Cell(QString::fromStdString(CouldBeNumberText(judged)), false));
        movesTable_->setItem(i, 8, Cell(QString::fromStdString(MeanLeftText(judged)), false));
    }
    lessonLabel_->setText(QString::fromStdString(LessonSummaryText(lesson)));
}

void StatisticsWindow::cmdExport_Click() {
    QString suggested = SuggestedPath(
        QStringLiteral("shelvy-games-%1.csv").arg(platform_.localDateTime().date().toString(Qt::ISODate)));
    QString target;
    for (;;) {
        const QString chosen =
            platform_.saveFileName(this, Tr("windows", kExportTitle), Tr("windows", kExportFilter), suggested);
        if (chosen.isEmpty()) return;  // cancelled: nothing is written
        target = chosen;
        if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".csv");
        if (!QFileInfo::exists(target) || QFileInfo(target).isDir()) break;
        // Enter keeps the file; "Нет" goes back to the dialog for another name.
        if (QuestionDefaultNo(
                platform_, this,
                Tr("windows", "Файл «%1» уже существует. Заменить его ?").arg(QFileInfo(target).fileName())))
            break;
        if (platform_.quitting()) return;
        suggested = target;
    }

    const std::string text = kUtf8Mark + GamesCsv(GameRows(games_->games()));
    const QString failure = WriteWholeFile(target, text);
    if (!failure.isEmpty()) {
        exportStatus_->SetText({});
        statusBar_->hide();
        Notice(platform_, this,
               Tr("windows", "Не удалось записать список игр в файл «%1»: %2.")
                   .arg(QDir::toNativeSeparators(target), failure),
               MsgIcon::Exclamation);
        return;
    }
    statusBar_->show();
    exportStatus_->SetText(Tr("windows", "Список игр записан в файл «%1».")
                               .arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath())));
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == chart_) scroll_->ensureWidgetVisible(chartFrame_, 0, 0);
        for (QTableView* table : {gamesTable_, static_cast<QTableView*>(movesTable_)})
            if (watched == table) FollowCurrentRowLater(table);
    }
    return QDialog::eventFilter(watched, event);
}

void StatisticsWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The page's width inside the window: the window's less what stands around the scroll area.
    const int around = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    ArrangeChart(event->size().width() - around - scroll_->verticalScrollBar()->sizeHint().width());
}

void StatisticsWindow::ArrangeChart(int width) {
    const int sideBySide = figuresFrame_->sizeHint().width() + top_->spacing() + chartFrame_->minimumSizeHint().width();
    const bool beside = width >= sideBySide;
    if (beside == (top_->indexOf(chartFrame_) >= 0)) return;
    if (beside) {
        page_->removeWidget(chartFrame_);
        top_->addWidget(chartFrame_, 1);
    } else {
        top_->removeWidget(chartFrame_);
        page_->addWidget(chartFrame_);
    }
}

void StatisticsWindow::FollowCurrentRowLater(QTableView* table) {
    // The list scrolls to its new current row after telling of it.
    QTimer::singleShot(0, this, [this, table] { FollowCurrentRow(table); });
}

void StatisticsWindow::FollowCurrentRow(QTableView* table) {
    if (!table->hasFocus()) return;
    QWidget* page = scroll_->widget();
    const int across = scroll_->horizontalScrollBar()->value() + scroll_->viewport()->width() / 2;
    if (table == movesTable_ && !lessonLabel_->text().isEmpty()) scroll_->ensureWidgetVisible(lessonLabel_, 0, 0);
    const QModelIndex current = table->currentIndex();
    if (!current.isValid()) {
        scroll_->ensureWidgetVisible(table, 0, 0);
        return;
    }
    const QRect row = table->visualRect(current);
    const QPoint centre = table->viewport()->mapTo(page, row.center());
    scroll_->ensureVisible(across, centre.y(), 0, row.height() / 2 + 1);
}

}  // namespace duel
