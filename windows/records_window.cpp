// The records window: layout, filling from the game state, name entry, reset and closing rules.
#include "windows/records_window.h"

#include "platform/platform.h"
#include "rules/cp1251.h"
#include "rules/game_state.h"
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

const QString kTriesTip = QStringLiteral("За ... попыт (ок,ки,ку)");
const QString kNumberTip = QStringLiteral("Отгадывал вот это число");

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

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

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
    QString kept;
    int keptBeforeCursor = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Characters outside the basic plane are never storable; both halves
        // of a surrogate pair go.
        if (c.isSurrogate() || !IsStorableInCp1251(static_cast<char32_t>(c.unicode()))) continue;
        if (kept.size() >= kMaxRecordNameLength) break;
        kept.append(c);
        if (pos && i < *pos) ++keptBeforeCursor;
    }
    if (pos) *pos = keptBeforeCursor;
    return kept;
}

QValidator::State RecordNameValidator::validate(QString& input, int& pos) const {
    input = StorableRecordName(input, &pos);
    return Acceptable;
}

RecordNameField::RecordNameField(QWidget* parent) : QLineEdit(parent) {
    // No maxLength: it would cut pasted text before the validator filters it.
    setValidator(new RecordNameValidator(this));
    setToolTip(QStringLiteral("Для ввода нажмите Enter"));
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

RecordsWindow::RecordsWindow(GameState& state, Platform& platform, HostWindow& host)
    : QDialog(host.ownerWidget(),
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      platform_(platform),
      host_(host) {
    setObjectName(QStringLiteral("фрмРекорды"));
    setWindowTitle(QStringLiteral("Лучшие результаты"));
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    BuildButtons();  // first, so that "ОК" leads the tab order
    BuildPlaces();
    BuildLastResults();
    setTabOrder(кнпОК, тксП[0]);
    setTabOrder(тксП[0], тксП[1]);
    setTabOrder(тксП[1], тксП[2]);
    setTabOrder(тксП[2], кнпСброс);
}

void RecordsWindow::BuildPlaces() {
    рмкПоб = new QGroupBox(QStringLiteral("Победители :"), this);
    рмкПоб->setObjectName(QStringLiteral("рмкПоб"));
    рмкПоб->setToolTip(QStringLiteral("Рекорды"));
    рмкПоб->setGeometry(8, 4, 218, 84);
    for (int row = 0; row < 3; ++row) {
        const int place = row + 1;
        мткП[row] = MakeLabel(рмкПоб, RowName("мткП", place), QStringLiteral("Имя героя"), kNameColumn, row, false);
        мткР[row] = MakeLabel(рмкПоб, RowName("мткР", place), kTriesTip, kTriesColumn, row, true);
        мткЧ[row] = MakeLabel(рмкПоб, RowName("мткЧ", place), kNumberTip, kNumberColumn, row, true);
        lblT[row] = MakeLabel(рмкПоб, RowName("lblT", place), QString(), kTimeColumn, row, true);

        тксП[row] = new RecordNameField(рмкПоб);
        тксП[row]->setObjectName(RowName("тксП", place));
        тксП[row]->setGeometry(мткП[row]->geometry());
        тксП[row]->onEnter = [this, place] { тксП_KeyPress(place); };
    }
}

void RecordsWindow::BuildLastResults() {
    рмкПосЛР = new QGroupBox(QStringLiteral("Последние лучшие результаты :"), this);
    рмкПосЛР->setObjectName(QStringLiteral("рмкПосЛР"));
    рмкПосЛР->setToolTip(QStringLiteral("Текущие результаты"));
    рмкПосЛР->setGeometry(8, 92, 218, 64);

    мтк4 = MakeLabel(рмкПосЛР, QStringLiteral("мтк4"), QString(), kNameColumn, 0, false);
    мтк4->setText(QStringLiteral("Компьютер :"));
    мткПЛРК = MakeLabel(рмкПосЛР, QStringLiteral("мткПЛРК"), kTriesTip, kTriesColumn, 0, true);
    мткЧ4 = MakeLabel(рмкПосЛР, QStringLiteral("мткЧ4"), kNumberTip, kNumberColumn, 0, true);
    lblT4 = MakeLabel(рмкПосЛР, QStringLiteral("lblT4"), QString(), kTimeColumn, 0, true);

    мтк5 = MakeLabel(рмкПосЛР, QStringLiteral("мтк5"), QString(), kNameColumn, 1, false);
    мтк5->setText(QStringLiteral("Вы  :"));
    мткПЛРВ = MakeLabel(рмкПосЛР, QStringLiteral("мткПЛРВ"), kTriesTip, kTriesColumn, 1, true);
    мткЧ5 = MakeLabel(рмкПосЛР, QStringLiteral("мткЧ5"), kNumberTip, kNumberColumn, 1, true);
    lblT5 = MakeLabel(рмкПосЛР, QStringLiteral("lblT5"), QString(), kTimeColumn, 1, true);
}

void RecordsWindow::BuildButtons() {
    кнпОК = new QPushButton(QStringLiteral("ОК"), this);
    кнпОК->setObjectName(QStringLiteral("кнпОК"));
    кнпОК->setToolTip(QStringLiteral("Выход"));
    кнпОК->setGeometry(150, 164, 76, 28);
    кнпОК->setDefault(true);
    connect(кнпОК, &QPushButton::clicked, this, [this] { кнпОК_Click(); });

    кнпСброс = new QPushButton(QStringLiteral("С&брос результатов"), this);
    кнпСброс->setObjectName(QStringLiteral("кнпСброс"));
    кнпСброс->setToolTip(QStringLiteral("Первоначальные варианты результатов"));
    кнпСброс->setGeometry(8, 164, 136, 28);
    connect(кнпСброс, &QPushButton::clicked, this, [this] { кнпСброс_Click(); });
}

// ---- handlers ----------------------------------------------------------------

void RecordsWindow::Form_Load() {
    KeepBesideHost(*this, host_);
    setWindowIcon(host_.icon());
    FillResults();
    const int32_t place = state_.newRecordPlace;
    if (place >= 1 && place <= 3) {
        тксП[place - 1]->show();
        тксП[place - 1]->setFocus();
    } else {
        FillNames();
    }
    if (!state_.recordsFromMenu) host_.HideMoveButtons();
    state_.recordsFromMenu = false;
    host_.ClearGuessField();
}

void RecordsWindow::Form_Unload(bool& cancel) {
    if (!nameAwaited()) return;
    if (!platform_.quitting()) {
        cancel = true;
        return;
    }
    // The program is quitting: the name typed so far is the holder's name.
    for (int place = 1; place <= 3; ++place) {
        if (!тксП[place - 1]->isHidden()) тксП_KeyPress(place);
    }
}

void RecordsWindow::кнпОК_Click() { accept(); }

void RecordsWindow::кнпСброс_Click() {
    if (nameAwaited()) return;
    ResetRecords(state_);
    FillResults();
    FillNames();
    host_.SaveResults();
}

void RecordsWindow::тксП_KeyPress(int place) {
    if (place < 1 || place > 3) return;
    RecordNameField* field = тксП[place - 1];
    state_.recName(place) = StorableRecordName(field->text()).toStdString();
    FillNames();
    field->hide();
    state_.newRecordPlace = 0;
    кнпОК->setFocus();
    host_.SaveResults();
}

bool RecordsWindow::nameAwaited() const {
    for (const RecordNameField* field : тксП) {
        if (!field->isHidden()) return true;
    }
    return false;
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
        const int place = row + 1;
        мткР[row]->setText(QString::number(state_.recTries(place)));
        мткЧ[row]->setText(FromUtf8(state_.recNumber(place)));
        lblT[row]->setText(FromUtf8(state_.recTime(place)));
    }
    мткПЛРК->setText(FromUtf8(state_.lastCompTries));
    мткЧ4->setText(FromUtf8(state_.lastCompNumber));
    lblT4->setText(FromUtf8(state_.lastCompTime));
    мткПЛРВ->setText(FromUtf8(state_.lastUserTries));
    мткЧ5->setText(FromUtf8(state_.lastUserNumber));
    lblT5->setText(FromUtf8(state_.lastUserTime));
}

void RecordsWindow::FillNames() {
    for (int row = 0; row < 3; ++row) мткП[row]->setText(FromUtf8(state_.recName(row + 1)));
}

}  // namespace duel
