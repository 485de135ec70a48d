// The records window: layout, filling from the game state, name entry, reset and closing rules.
#include "windows/records_window.h"

#include "duel/duel.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "platform/utf8_text.h"
#include "rules/game_state.h"
#include "rules/record_name.h"
#include "rules/records_table.h"
#include "rules/twips.h"
#include "windows/beside_host.h"
#include "windows/host_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace duel {

namespace {

// Client area of the window, in twips.
constexpr int kClientWidthTwips = 3510;
constexpr int kClientHeightTwips = 3015;

// Made when the window is, after the translation is installed.
QString TriesTip() { return Tr("windows", "За ... попыт (ок,ки,ку)"); }
QString NumberTip() { return Tr("windows", "Отгадывал вот это число"); }

// Columns inside both frames, in pixels: x and width.
struct Column {
    int x;
    int width;
};
constexpr Column kNameColumn{6, 78};
constexpr Column kTriesColumn{88, 28};
constexpr Column kNumberColumn{120, 44};
constexpr Column kTimeColumn{168, 44};
constexpr int kFirstRowY = 20;
constexpr int kRowStep = 20;
constexpr int kRowHeight = 18;

// A label of one row; `boxed` labels are the sunken value cells.  Texts come
// from the game state and are never read as markup.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& tip, Column column, int row, bool boxed) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(tip);
    label->setGeometry(column.x, kFirstRowY + row * kRowStep, column.width, kRowHeight);
    if (boxed) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
    }
    return label;
}

QString RowName(const char* stem, int place) { return QString::fromUtf8(stem) + QString::number(place); }

}  // namespace

// ---- name entry ----------------------------------------------------------

QString StorableRecordName(const QString& text, int* pos) {
    // Code points, so that both halves of a surrogate pair go together; the
    // cursor counts UTF-16 units before it and after it alike, since every
    // character kept lies in the basic plane.
    const QList<uint> codes = text.toUcs4();
    std::size_t cursor = pos ? static_cast<std::size_t>(QStringView(text).left(*pos).toUcs4().size()) : 0;
    const std::u32string kept = duel::StorableRecordName(
        std::u32string_view(reinterpret_cast<const char32_t*>(codes.data()), static_cast<std::size_t>(codes.size())),
        pos ? &cursor : nullptr);
    if (pos) *pos = static_cast<int>(cursor);
    return QString::fromUcs4(kept.data(), static_cast<qsizetype>(kept.size()));
}

QValidator::State RecordNameValidator::validate(QString& input, int& pos) const {
    input = StorableRecordName(input, &pos);
    return Acceptable;
}

RecordNameField::RecordNameField(QWidget* parent) : QLineEdit(parent) {
    // No maxLength: it would cut pasted text before the validator filters it.
    setValidator(new RecordNameValidator(this));
    setToolTip(Tr("windows", "Для ввода нажмите Enter"));
    hide();
}

void RecordNameField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (onEnter) onEnter();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// ---- the window ------------------------------------------------------------

RecordsWindow::RecordsWindow(GameState& state, GameEvents& events, Platform& platform, HostWindow& host)
    : QDialog(host.ownerWidget(),
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      events_(events),
      platform_(platform),
      host_(host) {
    setObjectName(QStringLiteral("фрмРекорды"));
    setWindowTitle(Tr("windows", "Лучшие результаты"));
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    BuildButtons();  // first, so that "ОК" leads the tab order
    BuildPlaces();
    BuildLastResults();
    setTabOrder(okButton_, nameFields_[0]);
    setTabOrder(nameFields_[0], nameFields_[1]);
    setTabOrder(nameFields_[1], nameFields_[2]);
    setTabOrder(nameFields_[2], resetButton_);
}

void RecordsWindow::BuildPlaces() {
    winnersFrame_ = new QGroupBox(Tr("windows", "Победители :"), this);
    winnersFrame_->setObjectName(QStringLiteral("рмкПоб"));
    winnersFrame_->setToolTip(Tr("windows", "Рекорды"));
    winnersFrame_->setGeometry(8, 4, 218, 84);
    for (int row = 0; row < 3; ++row) {
        const int place = row + 1;
        nameLabels_[row] =
            MakeLabel(winnersFrame_, RowName("мткП", place), Tr("windows", "Имя героя"), kNameColumn, row, false);
        triesLabels_[row] = MakeLabel(winnersFrame_, RowName("мткР", place), TriesTip(), kTriesColumn, row, true);
        numberLabels_[row] = MakeLabel(winnersFrame_, RowName("мткЧ", place), NumberTip(), kNumberColumn, row, true);
        timeLabels_[row] = MakeLabel(winnersFrame_, RowName("lblT", place), QString(), kTimeColumn, row, true);

        nameFields_[row] = new RecordNameField(winnersFrame_);
        nameFields_[row]->setObjectName(RowName("тксП", place));
        nameFields_[row]->setGeometry(nameLabels_[row]->geometry());
        nameFields_[row]->onEnter = [this, place] { тксП_KeyPress(place); };
    }
}

void RecordsWindow::BuildLastResults() {
    lastResultsFrame_ = new QGroupBox(Tr("windows", "Последние лучшие результаты :"), this);
    lastResultsFrame_->setObjectName(QStringLiteral("рмкПосЛР"));
    lastResultsFrame_->setToolTip(Tr("windows", "Текущие результаты"));
    lastResultsFrame_->setGeometry(8, 92, 218, 64);

    QLabel* computerRow = MakeLabel(lastResultsFrame_, QStringLiteral("мтк4"), QString(), kNameColumn, 0, false);
    computerRow->setText(Tr("windows", "Компьютер :"));
    computerTriesLabel_ = MakeLabel(lastResultsFrame_, QStringLiteral("мткПЛРК"), TriesTip(), kTriesColumn, 0, true);
    computerNumberLabel_ = MakeLabel(lastResultsFrame_, QStringLiteral("мткЧ4"), NumberTip(), kNumberColumn, 0, true);
    computerTimeLabel_ = MakeLabel(lastResultsFrame_, QStringLiteral("lblT4"), QString(), kTimeColumn, 0, true);

    QLabel* userRow = MakeLabel(lastResultsFrame_, QStringLiteral("мтк5"), QString(), kNameColumn, 1, false);
    userRow->setText(Tr("windows", "Вы  :"));
    userTriesLabel_ = MakeLabel(lastResultsFrame_, QStringLiteral("мткПЛРВ"), TriesTip(), kTriesColumn, 1, true);
    userNumberLabel_ = MakeLabel(lastResultsFrame_, QStringLiteral("мткЧ5"), NumberTip(), kNumberColumn, 1, true);
    userTimeLabel_ = MakeLabel(lastResultsFrame_, QStringLiteral("lblT5"), QString(), kTimeColumn, 1, true);
}

void RecordsWindow::BuildButtons() {
    okButton_ = new QPushButton(Tr("windows", "ОК"), this);
    okButton_->setObjectName(QStringLiteral("кнпОК"));
    okButton_->setToolTip(Tr("windows", "Выход"));
    okButton_->setGeometry(150, 164, 76, 28);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { кнпОК_Click(); });

    resetButton_ = new QPushButton(Tr("windows", "С&брос результатов"), this);
    resetButton_->setObjectName(QStringLiteral("кнпСброс"));
    resetButton_->setToolTip(Tr("windows", "Первоначальные варианты результатов"));
    resetButton_->setGeometry(8, 164, 136, 28);
    connect(resetButton_, &QPushButton::clicked, this, [this] { кнпСброс_Click(); });
}

// ---- handlers ----------------------------------------------------------------

void RecordsWindow::Form_Load() {
    KeepBesideHost(*this, host_, platform_);
    setWindowIcon(host_.icon());
    FillResults();
    if (state_.recordNameAwaited()) {
        RecordNameField* field = nameFields_[static_cast<size_t>(state_.newRecordPlace - 1)];
        field->show();
        field->setFocus();
    } else {
        FillNames();
    }
    // At the end of a game the phase has already hidden both move buttons.
    ClearComposedGuess(state_);
    host_.Refresh();
}

void RecordsWindow::Form_Unload(bool& cancel) {
    if (!state_.recordNameAwaited()) return;
    if (!platform_.quitting()) {
        cancel = true;
        return;
    }
    // The program is quitting: the name typed so far is the holder's name.
    тксП_KeyPress(state_.newRecordPlace);
}

void RecordsWindow::кнпОК_Click() { accept(); }

void RecordsWindow::кнпСброс_Click() {
    if (state_.recordNameAwaited()) return;
    ResetResults(state_, events_);
    FillResults();
    FillNames();
}

void RecordsWindow::тксП_KeyPress(int place) {
    if (place < 1 || place > 3) return;
    RecordNameField* field = nameFields_[static_cast<size_t>(place - 1)];
    field->hide();
    NameRecordHolder(state_, events_, place, StorableRecordName(field->text()).toStdString());
    FillNames();
    okButton_->setFocus();
}

void RecordsWindow::done(int result) {
    bool cancel = false;
    Form_Unload(cancel);
    if (!cancel) QDialog::done(result);
}

void RecordsWindow::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// ---- helpers ---------------------------------------------------------------

void RecordsWindow::FillResults() {
    for (int row = 0; row < 3; ++row) {
        const RecordPlace& place = state_.records[static_cast<size_t>(row)];
        triesLabels_[row]->setText(QString::number(place.tries));
        numberLabels_[row]->setText(FromUtf8(place.number));
        timeLabels_[row]->setText(FromUtf8(ShownResultText(place.time)));
    }
    computerTriesLabel_->setText(FromUtf8(state_.lastComp.tries));
    computerNumberLabel_->setText(FromUtf8(ShownResultText(state_.lastComp.number)));
    computerTimeLabel_->setText(FromUtf8(ShownResultText(state_.lastComp.time)));
    userTriesLabel_->setText(FromUtf8(state_.lastUser.tries));
    userNumberLabel_->setText(FromUtf8(state_.lastUser.number));
    userTimeLabel_->setText(FromUtf8(ShownResultText(state_.lastUser.time)));
}

void RecordsWindow::FillNames() {
    for (int row = 0; row < 3; ++row)
        nameLabels_[row]->setText(FromUtf8(ShownRecordName(state_.records[static_cast<size_t>(row)])));
}

}  // namespace duel
