// The statistics window: layout, the figures and chart from the played games, the list with its moves, the CSV export.
#include "windows/statistics_window.h"

#include "journal/csv.h"
#include "journal/journal.h"
#include "journal/journal_texts.h"
#include "journal/statistics.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "rules/game_clock.h"
#include "windows/beside_host.h"
#include "windows/host_window.h"
#include "windows/played_games_model.h"
#include "windows/wins_chart.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace duel {

namespace {

// The figures' names as the labels' objectNames end: lblPlayerGames, lblComputerGames...
constexpr std::array<const char*, 8> kFigureKeys = {"Games",       "Wins",       "WinShare",   "MeanTries",
                                                    "FewestTries", "CurrentRun", "LongestRun", "TimePlayed"};

constexpr const char* kExportTitle = "Экспорт списка игр";
constexpr const char* kExportFilter = "Файлы CSV (*.csv)";
// Spreadsheets read the file as UTF-8 with this mark at its start.
constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

QTableWidgetItem* Cell(const QString& text, bool figure) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(figure ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

// Rows of one text line, the same height each, so that long lists scroll at once.
void UseFixedRows(QTableView* table) {
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
}

// Column widths from the widest text each column can show, never from the
// rows; column `stretched` takes the room left.
void SizeColumns(QTableView* table, std::initializer_list<const char*> widest, int stretched) {
    const QFontMetrics metrics = table->fontMetrics();
    int column = 0;
    for (const char* text : widest)
        table->horizontalHeader()->resizeSection(column++, metrics.horizontalAdvance(QString::fromUtf8(text)) + 16);
    table->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
}

}  // namespace

StatisticsWindow::StatisticsWindow(Journal* journal, const QString& status, Platform& platform, HostWindow& host)
    : QDialog(host.ownerWidget(),
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      journal_(journal),
      status_(status),
      platform_(platform),
      host_(host) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("Статистика"));
    setWindowIcon(host.icon());
    auto* layout = new QVBoxLayout(this);

    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("lblJournalStatus"));
    statusLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->setWordWrap(true);
    statusLabel_->hide();
    layout->addWidget(statusLabel_);

    auto* top = new QHBoxLayout;
    auto* figures = new QGroupBox(QStringLiteral("Итоги"), this);
    figures->setObjectName(QStringLiteral("frmFigures"));
    BuildFigures(figures);
    top->addWidget(figures);
    auto* chartFrame = new QGroupBox(QStringLiteral("Победы по числу ходов"), this);
    chartFrame->setObjectName(QStringLiteral("frmChart"));
    auto* chartLayout = new QVBoxLayout(chartFrame);
    chart_ = new WinsChart(chartFrame);
    chartLayout->addWidget(chart_);
    top->addWidget(chartFrame, 1);
    layout->addLayout(top);

    auto* gamesLabel = new QLabel(QStringLiteral("Сыгранные игры, последняя сверху:"), this);
    layout->addWidget(gamesLabel);
    gamesTable_ = new QTableView(this);
    gamesTable_->setObjectName(QStringLiteral("tblGames"));
    gamesLabel->setBuddy(gamesTable_);
    games_ = new PlayedGamesModel(gamesTable_);
    gamesTable_->setModel(games_);
    UseFixedRows(gamesTable_);
    SizeColumns(
        gamesTable_,
        {"00.00.0000 00:00", "число открыто, сильный", "ваша победа после компьютера", "Ходов 000 / 00", "000:00"}, 2);
    gamesTable_->setMinimumHeight(gamesTable_->verticalHeader()->defaultSectionSize() * 9);
    gamesTable_->setAccessibleName(QStringLiteral("Сыгранные игры"));
    layout->addWidget(gamesTable_, 3);

    auto* movesLabel = new QLabel(QStringLiteral("Ходы выбранной игры:"), this);
    layout->addWidget(movesLabel);
    movesTable_ = new QTableWidget(0, 6, this);
    movesTable_->setObjectName(QStringLiteral("tblMoves"));
    movesLabel->setBuddy(movesTable_);
    movesTable_->setHorizontalHeaderLabels({QStringLiteral("Ход"), QStringLiteral("Кто"), QStringLiteral("Число"),
                                            QStringLiteral("Шелвы"), QStringLiteral("Злыки"), QStringLiteral("Время")});
    UseFixedRows(movesTable_);
    SizeColumns(movesTable_, {"Ход 00", "Компьютер", "Число", "Шелвы", "Злыки", "000:00"}, 1);
    movesTable_->setMinimumHeight(movesTable_->verticalHeader()->defaultSectionSize() * 7);
    movesTable_->setAccessibleName(QStringLiteral("Ходы выбранной игры"));
    layout->addWidget(movesTable_, 2);

    auto* buttons = new QHBoxLayout;
    exportButton_ = new QPushButton(QStringLiteral("Экспорт ..."), this);
    exportButton_->setObjectName(QStringLiteral("cmdExport"));
    exportButton_->setToolTip(QStringLiteral("Записать список игр в файл CSV"));
    exportButton_->setAutoDefault(false);
    closeButton_ = new QPushButton(QStringLiteral("Закрыть"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    closeButton_->setDefault(true);
    buttons->addWidget(exportButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    connect(exportButton_, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(gamesTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowMovesOf(current.isValid() ? current.row() : -1); });
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::BuildFigures(QWidget* frame) {
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("<b>Вы</b>"), frame), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("<b>Компьютер</b>"), frame), 0, 2, Qt::AlignRight);
    for (size_t i = 0; i < kFigureNames.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        auto* name = new QLabel(QString::fromUtf8(kFigureNames[i]), frame);
        grid->addWidget(name, row, 0);
        for (auto [figures, side] : {std::pair{&playerFigures_, "Player"}, std::pair{&computerFigures_, "Computer"}}) {
            auto* value = new QLabel(frame);
            value->setObjectName(QStringLiteral("lbl%1%2").arg(QLatin1String(side), QLatin1String(kFigureKeys[i])));
            value->setTextFormat(Qt::PlainText);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setAccessibleName(
                name->text() + (figures == &playerFigures_ ? QStringLiteral(", вы") : QStringLiteral(", компьютер")));
            (*figures)[i] = value;
            grid->addWidget(value, row, figures == &playerFigures_ ? 1 : 2);
        }
    }
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
}

void StatisticsWindow::Form_Load() {
    std::optional<std::vector<GameRecord>> played;
    if (journal_ != nullptr) played = journal_->PlayedGames();
    QString status = status_;
    if (!played && status.isEmpty()) status = QStringLiteral("Журнал игр не удалось прочитать.");
    statusLabel_->setText(status);
    statusLabel_->setVisible(!status.isEmpty());

    std::vector<GameRecord> games = played ? std::move(*played) : std::vector<GameRecord>();
    const JournalStatistics statistics = ComputeStatistics(games);
    for (auto [labels, side] :
         {std::pair{&playerFigures_, &statistics.player}, std::pair{&computerFigures_, &statistics.computer}}) {
        const std::array<std::string, 8> texts = SideFigures(*side);
        for (size_t i = 0; i < texts.size(); ++i) (*labels)[i]->setText(QString::fromStdString(texts[i]));
    }
    chart_->SetStatistics(statistics);
    games_->SetGames(std::move(games));
    exportButton_->setEnabled(games_->rowCount() > 0);
    if (games_->rowCount() > 0) gamesTable_->selectRow(0);

    adjustSize();
    KeepBesideHost(*this, host_, platform_.screenSize());
}

void StatisticsWindow::ShowMovesOf(int row) {
    movesTable_->setRowCount(0);
    if (row < 0 || row >= games_->rowCount() || journal_ == nullptr) return;
    const auto moves = journal_->MovesOf(games_->games()[static_cast<size_t>(row)].id);
    if (!moves) return;
    movesTable_->setRowCount(static_cast<int>(moves->size()));
    for (int i = 0; i < movesTable_->rowCount(); ++i) {
        const JournalMove& move = (*moves)[static_cast<size_t>(i)];
        movesTable_->setItem(i, 0, Cell(QString::number(i + 1), true));
        movesTable_->setItem(i, 1,
                             Cell(move.side == Side::User ? QStringLiteral("Вы") : QStringLiteral("Компьютер"), false));
        movesTable_->setItem(i, 2, Cell(QString::fromStdString(move.move.guess), false));
        movesTable_->setItem(i, 3, Cell(QString::number(move.move.answer.partial), true));
        movesTable_->setItem(i, 4, Cell(QString::number(move.move.answer.exact), true));
        movesTable_->setItem(i, 5, Cell(QString::fromStdString(ClockText(move.seconds)), true));
    }
}

void StatisticsWindow::cmdExport_Click() {
    const QString chosen =
        platform_.saveFileName(this, QString::fromUtf8(kExportTitle), QString::fromUtf8(kExportFilter));
    if (chosen.isEmpty()) return;  // cancelled: nothing is written
    QString target = chosen;
    if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".csv");
    if (QFileInfo::exists(target) &&
        !Question(platform_, this,
                  QStringLiteral("Файл «%1» уже существует. Заменить его ?").arg(QFileInfo(target).fileName())))
        return;

    const std::string text = kUtf8Mark + GamesCsv(GameRows(games_->games()));
    QSaveFile out(target);
    const bool written = out.open(QIODevice::WriteOnly) &&
                         out.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                         out.commit();
    if (!written) {
        Notice(platform_, this,
               QStringLiteral("Не удалось записать список игр в файл «%1»: %2.")
                   .arg(QDir::toNativeSeparators(target), out.errorString()),
               MsgIcon::Exclamation);
    }
}

}  // namespace duel
