// The main window's life: start-up, shut-down, handler wiring and shared display steps.
#include "main_window/main_window.h"

#include "rules/twips.h"
#include "windows/digit_pictures.h"
#include "windows/keyboard_play.h"
#include "windows/keypad_window.h"
#include "windows/thinking_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWindow>

namespace duel {

namespace {

constexpr double kPlainFontSize = 8.25;
constexpr double kTurnFontSize = 9.75;

void StyleTurnLabel(QLabel* label, bool hasTurn) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, hasTurn ? QColor(255, 0, 0) : label->palette().color(QPalette::ButtonText));
    label->setPalette(palette);
    QFont font = label->font();
    font.setPointSizeF(hasTurn ? kTurnFontSize : kPlainFontSize);
    label->setFont(font);
}

// The picture for one character of a guess: its digit, or the dash for
// anything else.
int PictureOf(QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : kDashPicture; }

// Draws `pictures` (digits 0..9, the dash) into four labels, each with the
// accessible text a screen reader says for it.
void ShowPictures(const std::array<QLabel*, 4>& labels, const std::array<int, 4>& pictures,
                  const std::array<QPixmap, 11>& images) {
    for (size_t i = 0; i < labels.size(); ++i) {
        const int picture = pictures[i];
        labels[i]->setPixmap(images[static_cast<size_t>(picture)]);
        labels[i]->setAccessibleName(picture == kDashPicture ? QStringLiteral("-") : QString::number(picture));
    }
}

}  // namespace

MainWindow::MainWindow(GameState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("фрмГлавная"));
    setWindowTitle(QString::fromUtf8(kProductTitle));
    setWindowIcon(MakeAppIcon());
    imlNumber = MakeDigitPictures();

    ЧасыRND.setObjectName(QStringLiteral("ЧасыRND"));
    ЧасыRND.setInterval(20);
    Часы.setObjectName(QStringLiteral("Часы"));
    Часы.setInterval(300);
    TimerTimer.setObjectName(QStringLiteral("TimerTimer"));
    TimerTimer.setInterval(200);

    BuildControls();
    BuildMenus();
    BuildStatusBar();
    ConnectHandlers();
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    adjustSize();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectHandlers() {
    connect(&ЧасыRND, &QTimer::timeout, this, [this] { ЧасыRND_Timer(); });
    connect(&Часы, &QTimer::timeout, this, [this] { Часы_Timer(); });
    connect(&TimerTimer, &QTimer::timeout, this, [this] { TimerTimer_Timer(); });

    connect(mnuGameNew, &QAction::triggered, this, [this] { mnuGameNew_Click(); });
    connect(mnuGameWins, &QAction::triggered, this, [this] { mnuGameWins_Click(); });
    connect(mnuGameExit, &QAction::triggered, this, [this] { mnuGameExit_Click(); });
    connect(mnuInformationRun, &QAction::triggered, this, [this] { mnuInformationRun_Click(); });
    connect(mnuInformationForR, &QAction::triggered, this, [this] { mnuInformationForR_Click(); });
    connect(mnuInformationAbout, &QAction::triggered, this, [this] { mnuInformationAbout_Click(); });
    // F1 opens the help from the main window and the keypad alike.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::ApplicationShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { mnuInformationRun_Click(); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused == windowHandle()) Form_Activate();
    });

    connect(кнпСчитать, &QPushButton::clicked, this, [this] { кнпСчитать_Click(); });
    connect(кнпДумать, &QPushButton::clicked, this, [this] { кнпДумать_Click(); });

    // A button's click behaviour runs whenever it becomes selected, by the
    // user or by the program; selecting the selected button runs nothing.
    for (int32_t count = 0; count < 5; ++count) {
        connect(exactButtons[static_cast<size_t>(count)], &QRadioButton::toggled, this, [this, count](bool selected) {
            if (selected) AnswerButton_Click(true, count);
        });
        connect(partialButtons[static_cast<size_t>(count)], &QRadioButton::toggled, this, [this, count](bool selected) {
            if (selected) AnswerButton_Click(false, count);
        });
    }
    connect(првАвто, &QCheckBox::stateChanged, this, [this] { првАвто_Click(); });

    // The gallery menu: opening "&Дополнительно" checks the set files; an item's
    // handler decides its check marks itself, so the toggle Qt makes on a click
    // is undone first.
    connect(mnuAdd, &QMenu::aboutToShow, this, [this] { mnuAdd_Click(); });
    using ItemHandler = void (MainWindow::*)();
    const std::array<ItemHandler, 6> itemHandlers{&MainWindow::mnuAddBeautyNot_Click,
                                                  &MainWindow::mnuAddBeautyTessaQuorin_Click,
                                                  &MainWindow::mnuAddBeautyMarlaVentobrix_Click,
                                                  &MainWindow::mnuAddBeautyDoriaFelstrand_Click,
                                                  &MainWindow::mnuAddBeautyLunaPressvick_Click,
                                                  &MainWindow::mnuAddBeautyNinaCorveld_Click};
    for (size_t i = 0; i < beautyItems.size(); ++i) {
        QAction* item = beautyItems[i];
        const ItemHandler handler = itemHandlers[i];
        connect(item, &QAction::triggered, this, [this, item, handler] {
            item->setChecked(!item->isChecked());
            (this->*handler)();
        });
    }
}

void MainWindow::Form_Load() {
    platform_.addTrayIcon(windowIcon(), QString::fromUtf8(kProductName));
    ReadSettings();
    state_.userNumberDefault = "1234";
    RemoveLeftoverPictures();
    ShowUserGuessPictures(QString());
    ShowComputerGuessPictures(QString());
    show();
    фрмЧифры = std::make_unique<KeypadWindow>(state_, platform_, *this);
    фрмЧифры->Form_Load();
    keyboardPlay_ = std::make_unique<KeyboardPlay>(*this, *фрмЧифры, кнпСчитать, кнпДумать);
    ЧасыRND.start();
    loaded_ = true;
}

void MainWindow::mnuGameExit_Click() { close(); }

void MainWindow::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    ЧасыRND.stop();
    Часы.stop();
    TimerTimer.stop();
    platform_.deleteTrayIcon();
    if (loaded_) WriteSettings();
    keyboardPlay_.reset();
    if (фрмЧифры) фрмЧифры->Unload();
    CloseThinkingWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // The list is being built or filtered: close once that work ends.
        closeDeferred_ = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool MainWindow::CarryOutDeferredClose() {
    if (!closeDeferred_) return false;
    closeDeferred_ = false;
    CloseThinkingWindow();
    unsetCursor();
    close();
    return true;
}

void MainWindow::ShowCurrentPhase() {
    switch (state_.phase) {
        case Phase::ComputerToMove:
            ShowComputerGuessPictures(тксВарКомп->text());
            MarkTurn(Turn::Computer);
            break;
        case Phase::UserToMove:
        case Phase::PlayingOnAlone:
            MarkTurn(Turn::User);
            break;
        case Phase::NoGame:
        case Phase::GameOver:
            MarkTurn(Turn::None);
            break;
    }
}

void MainWindow::HideMoveButtons() {
    кнпСчитать->hide();
    кнпДумать->hide();
}

QString MainWindow::guessText() const { return тксВарМой->text(); }

void MainWindow::setGuessText(const QString& text) { тксВарМой->setText(text); }

void MainWindow::MarkTurn(Turn turn) {
    StyleTurnLabel(lblVK, turn == Turn::Computer);
    StyleTurnLabel(lblMV, turn == Turn::User);
    for (QLabel* picture : imgNumberVK) picture->setVisible(turn == Turn::Computer);
}

void MainWindow::ShowUsersTurn() {
    state_.phase = Phase::UserToMove;
    првАвто->setChecked(false);
    MarkTurn(Turn::User);
    кнпДумать->hide();
    кнпСчитать->show();
    тксВарМой->setEnabled(true);
    for (QLabel* picture : imgNumberMV) picture->show();
    ClearGuessField();
    тксВарКомп->clear();
    SelectAnswer(false, 0);
    SelectAnswer(true, 0);
    рмкЗлыки->setEnabled(false);
    рмкШелвы->setEnabled(false);
}

void MainWindow::ClearGuessField() {
    тксВарМой->clear();
    state_.keyCode = kRedrawOnly;
    AddDigit();
}

void MainWindow::SelectAnswer(bool exactGroup, int32_t count) {
    auto& buttons = exactGroup ? exactButtons : partialButtons;
    buttons[static_cast<size_t>(std::clamp(count, 0, 4))]->setChecked(true);
}

void MainWindow::ShowComputerGuessPictures(const QString& text) {
    // Empty: zeros; anything but four characters ("Ошибка !"): dashes.
    std::array<int, 4> pictures{};
    if (!text.isEmpty()) {
        for (int i = 0; i < 4; ++i)
            pictures[static_cast<size_t>(i)] = text.size() == 4 ? PictureOf(text[i]) : kDashPicture;
    }
    ShowPictures(imgNumberVK, pictures, imlNumber);
}

void MainWindow::ShowUserGuessPictures(const QString& text) {
    // Right-aligned like a calculator: zeros in front, the last character last.
    const int length = static_cast<int>(std::min<qsizetype>(text.size(), 4));
    std::array<int, 4> pictures{};
    for (int k = 0; k < length; ++k) pictures[static_cast<size_t>(4 - length + k)] = PictureOf(text[k]);
    ShowPictures(imgNumberMV, pictures, imlNumber);
}

void MainWindow::SetStatusHint(const QString& text) { statusPanel1->setText(text); }

void MainWindow::OpenThinkingWindow(int maximum) {
    if (!фрмЗагрузка) {
        фрмЗагрузка = std::make_unique<ThinkingWindow>();
        фрмЗагрузка->setWindowIcon(windowIcon());
        фрмЗагрузка->Form_Load(*this);
    }
    фрмЗагрузка->pgbThink->setRange(0, std::max(maximum, 1));
    фрмЗагрузка->pgbThink->setValue(0);
    фрмЗагрузка->show();
}

void MainWindow::SetThinkingProgress(int value) {
    if (фрмЗагрузка) фрмЗагрузка->pgbThink->setValue(value);
}

void MainWindow::CloseThinkingWindow() {
    фрмЗагрузка.reset();  // the next opening builds and places it anew
}

int32_t MainWindow::leftTwips() const { return PixelsToTwips(frameGeometry().x()); }
int32_t MainWindow::topTwips() const { return PixelsToTwips(frameGeometry().y()); }

}  // namespace duel
