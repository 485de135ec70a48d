// The main window's controls, menus and status bar, placed as the game lays them out.
#include "main_window/main_window.h"
#include "rules/game_clock.h"
#include "windows/twips_rect.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace duel {

namespace {

template <typename T>
T* Named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

struct AnswerButtonText {
    const char* name;
    const char* caption;
    const char* tooltip;
};

// Top to bottom: "1", "2", "3", "4", "нету"; the array index is the count.
constexpr std::array<AnswerButtonText, 5> kExactButtons = {{
    {"зн", "нету", "нет злыков"},
    {"з1", "1", "один злык"},
    {"з2", "2", "два злыка"},
    {"з3", "3", "три злыка"},
    {"з4", "4", "четыре злыка"},
}};
constexpr std::array<AnswerButtonText, 5> kPartialButtons = {{
    {"шн", "нету", "нет шелв"},
    {"ш1", "1", "одна шелва"},
    {"ш2", "2", "две шелвы"},
    {"ш3", "3", "три шелвы"},
    {"ш4", "4", "четыре шелвы"},
}};

// The gallery menu: "&Нету", then the five picture sets in menu order.
constexpr std::array<std::pair<const char*, const char*>, 6> kBeautyItems = {{
    {"mnuAddBeautyNot", "&Нету"},
    {"mnuAddBeautyTessaQuorin", "&Тесса Куорин"},
    {"mnuAddBeautyMarlaVentobrix", "&Марла Вентобрикс"},
    {"mnuAddBeautyDoriaFelstrand", "&Дориа Фелстранд"},
    {"mnuAddBeautyLunaPressvick", "&Луна Прессвик"},
    {"mnuAddBeautyNinaCorveld", "&Нина Корвельд"},
}};

// The central area above the status bar: 4350 x 2400 twips.
constexpr int kFieldWidth = 4350;
constexpr int kFieldHeight = 2400;
constexpr int kStatusHeight = 375;

void FillAnswerFrame(QGroupBox* frame, std::array<QRadioButton*, 5>& buttons,
                     const std::array<AnswerButtonText, 5>& texts) {
    // "1" to "4" from the top, "нету" last, 240 twips apart.
    for (int row = 0; row < 5; ++row) {
        const int count = row < 4 ? row + 1 : 0;
        const AnswerButtonText& text = texts[static_cast<size_t>(count)];
        auto* button = Named(new QRadioButton(QString::fromUtf8(text.caption), frame), QString::fromUtf8(text.name));
        button->setToolTip(QString::fromUtf8(text.tooltip));
        button->setGeometry(TwipsRect(120, 270 + 240 * row, 780, 240));
        buttons[static_cast<size_t>(count)] = button;
    }
    buttons[0]->setChecked(true);
}

}  // namespace

void MainWindow::BuildControls() {
    auto* field = new QWidget(this);
    field->setObjectName(QStringLiteral("field"));
    field->setFixedSize(TwipsToPixels(kFieldWidth), TwipsToPixels(kFieldHeight));
    setCentralWidget(field);

    partialFrame_ = Named(new QGroupBox(QStringLiteral("Шелвы:"), field), QStringLiteral("рмкШелвы"));
    partialFrame_->setToolTip(QStringLiteral("Сколько шелв ... ?"));
    partialFrame_->setGeometry(TwipsRect(120, 120, 975, 1575));
    FillAnswerFrame(partialFrame_, partialButtons_, kPartialButtons);

    exactFrame_ = Named(new QGroupBox(QStringLiteral("Злыки:"), field), QStringLiteral("рмкЗлыки"));
    exactFrame_->setToolTip(QStringLiteral("Сколько злыков ... ?"));
    exactFrame_->setGeometry(TwipsRect(1200, 120, 975, 1575));
    FillAnswerFrame(exactFrame_, exactButtons_, kExactButtons);

    // The heading of the history list: numbers, partial count, exact count.
    auto* historyFrame = Named(new QGroupBox(QStringLiteral(" | Числа | Ш | З | "), field), QStringLiteral("Frame1"));
    historyFrame->setGeometry(TwipsRect(2280, 120, 1935, 1575));
    QFont heading(QStringLiteral("MS Sans Serif"));
    heading.setPointSizeF(8.25);
    heading.setBold(true);
    historyFrame->setFont(heading);

    historyList_ = Named(new QListWidget(field), QStringLiteral("СписокЧШЗ"));
    historyList_->setToolTip(QStringLiteral("Предложенные вами варианты"));
    historyList_->setGeometry(TwipsRect(2400, 360, 1695, 1230));
    historyList_->setFont(font());

    computerGuessLabel_ = Named(new QLabel(QStringLiteral("Вариант компьютера:"), field), QStringLiteral("lblVK"));
    computerGuessLabel_->setGeometry(TwipsRect(0, 1810, 2295, 255));
    guessLabel_ = Named(new QLabel(QStringLiteral("Мой вариант:"), field), QStringLiteral("lblMV"));
    guessLabel_->setGeometry(TwipsRect(0, 2040, 2295, 255));
    for (QLabel* label : {computerGuessLabel_, guessLabel_}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 4, 0);  // a gap before the digit pictures
    }

    for (int i = 0; i < 4; ++i) {
        const int left = 2280 + 240 * i;
        QLabel*& computer = computerGuessPictures_[static_cast<size_t>(i)];
        QLabel*& user = guessPictures_[static_cast<size_t>(i)];
        computer = Named(new QLabel(field), QStringLiteral("imgNumberVK%1").arg(i + 1));
        computer->setGeometry(TwipsRect(left, 1800, 255, 405));
        user = Named(new QLabel(field), QStringLiteral("imgNumberMV%1").arg(i + 1));
        user->setGeometry(TwipsRect(left, 1920, 255, 405));
        for (QLabel* picture : {computer, user}) {
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->hide();
        }
    }

    userMoveButton_ = Named(new QPushButton(QStringLiteral("--->"), field), QStringLiteral("кнпСчитать"));
    userMoveButton_->setToolTip(QStringLiteral("Ваш ход"));
    computerMoveButton_ = Named(new QPushButton(QStringLiteral("--->"), field), QStringLiteral("кнпДумать"));
    computerMoveButton_->setToolTip(QStringLiteral("Ход компьютера"));
    for (QPushButton* button : {userMoveButton_, computerMoveButton_}) {
        button->setGeometry(TwipsRect(3360, 1800, 855, 495));
        button->hide();
    }

    // Screen readers say what a control is for: the move buttons by their
    // tooltip (their caption is an arrow), everything else adds its tooltip.
    userMoveButton_->setAccessibleName(userMoveButton_->toolTip());
    computerMoveButton_->setAccessibleName(computerMoveButton_->toolTip());
    for (QWidget* control : field->findChildren<QWidget*>())
        if (!control->toolTip().isEmpty()) control->setAccessibleDescription(control->toolTip());

    // The phase "no game": nothing to answer, no list to look through.
    historyList_->setEnabled(false);
    partialFrame_->setEnabled(false);
    exactFrame_->setEnabled(false);
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto item = [this](QMenu* menu, const char* caption, const char* name, void (MainWindow::*handler)()) {
        QAction* action = Named(menu->addAction(QString::fromUtf8(caption)), QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    QMenu* game = Named(bar->addMenu(QStringLiteral("&Игра")), QStringLiteral("mnuGame"));
    QAction* newGame = item(game, "&Новая игра", "mnuGameNew", &MainWindow::mnuGameNew_Click);
    newGame->setShortcut(Qt::Key_F2);
    newGame->setShortcutContext(Qt::ApplicationShortcut);
    resumeItem_ = item(game, "&Продолжить прошлую игру", "mnuGameResume", &MainWindow::mnuGameResume_Click);
    resumeItem_->setEnabled(false);  // until the journal shows an unfinished game
    item(game, "По&бедители ...", "mnuGameWins", &MainWindow::mnuGameWins_Click);
    item(game, "&Статистика ...", "mnuGameStatistics", &MainWindow::mnuGameStatistics_Click);
    Named(game->addSeparator(), QStringLiteral("mnuGamePtobel"));
    item(game, "В&ыход", "mnuGameExit", &MainWindow::mnuGameExit_Click);

    // The gallery menu: opening "&Дополнительно" checks the set files; an
    // item's check mark is drawn from the game state, so the toggle Qt makes
    // on a click is taken back before the item's handler decides.
    extrasMenu_ = Named(bar->addMenu(QStringLiteral("&Дополнительно")), QStringLiteral("mnuAdd"));
    connect(extrasMenu_, &QMenu::aboutToShow, this, [this] { mnuAdd_Click(); });
    QMenu* gallery = Named(extrasMenu_->addMenu(QStringLiteral("К&расотка")), QStringLiteral("mnuAddBeauty"));
    using ItemHandler = void (MainWindow::*)();
    const std::array<ItemHandler, 6> itemHandlers{&MainWindow::mnuAddBeautyNot_Click,
                                                  &MainWindow::mnuAddBeautyTessaQuorin_Click,
                                                  &MainWindow::mnuAddBeautyMarlaVentobrix_Click,
                                                  &MainWindow::mnuAddBeautyDoriaFelstrand_Click,
                                                  &MainWindow::mnuAddBeautyLunaPressvick_Click,
                                                  &MainWindow::mnuAddBeautyNinaCorveld_Click};
    for (size_t i = 0; i < kBeautyItems.size(); ++i) {
        QAction* choice = Named(gallery->addAction(QString::fromUtf8(kBeautyItems[i].second)),
                                QString::fromUtf8(kBeautyItems[i].first));
        choice->setCheckable(true);
        const ItemHandler handler = itemHandlers[i];
        connect(choice, &QAction::triggered, this, [this, choice, handler] {
            choice->setChecked(!choice->isChecked());
            (this->*handler)();
        });
        galleryItems_[i] = choice;
    }

    // The player's own choices, their check marks drawn from the state in the
    // same way.
    Named(extrasMenu_->addSeparator(), QStringLiteral("mnuAddProbel"));
    const auto choiceItem = [this](const char* caption, const char* name, ItemHandler handler) {
        QAction* choice = Named(extrasMenu_->addAction(QString::fromUtf8(caption)), QString::fromUtf8(name));
        choice->setCheckable(true);
        connect(choice, &QAction::triggered, this, [this, choice, handler] {
            choice->setChecked(!choice->isChecked());
            (this->*handler)();
        });
        return choice;
    };
    hintItem_ = choiceItem("&Подсказка", "mnuAddHint", &MainWindow::mnuAddHint_Click);
    strongItem_ = choiceItem("&Сильный соперник", "mnuAddStrong", &MainWindow::mnuAddStrong_Click);

    QMenu* help = Named(bar->addMenu(QStringLiteral("&Справка")), QStringLiteral("mnuInformation"));
    item(help, "&Вызов справки", "mnuInformationRun", &MainWindow::mnuInformationRun_Click);
    Named(help->addSeparator(), QStringLiteral("mnuInformationProbel1"));
    item(help, "Предложение рекламодателям", "mnuInformationForR", &MainWindow::mnuInformationForR_Click);
    Named(help->addSeparator(), QStringLiteral("mnuInformationProbel2"));
    item(help, "&О программе", "mnuInformationAbout", &MainWindow::mnuInformationAbout_Click);
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(TwipsToPixels(kStatusHeight));
    hintPanel_ = Named(new QLabel(QString::fromUtf8(kNewGameHint)), QStringLiteral("StatusBarPanel1"));
    clockPanel_ = Named(new QLabel(QString::fromUtf8(kClockStoppedText)), QStringLiteral("StatusBarPanel2"));
    for (QLabel* panel : {hintPanel_, clockPanel_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
    }
    clockPanel_->setMinimumWidth(TwipsToPixels(840));
    clockPanel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(hintPanel_, 1);
    bar->addWidget(clockPanel_, 0);
}

void MainWindow::BuildTimers() {
    const auto timer = [this](const char* name, int interval, void (MainWindow::*handler)()) {
        auto* created = Named(new QTimer(this), QString::fromUtf8(name));
        created->setInterval(interval);
        connect(created, &QTimer::timeout, this, [this, handler] { (this->*handler)(); });
        return created;
    };
    tickTimer_ = timer("ЧасыRND", 20, &MainWindow::ЧасыRND_Timer);
    autoScoreTimer_ = timer("Часы", 300, &MainWindow::Часы_Timer);
    gameClockTimer_ = timer("TimerTimer", 200, &MainWindow::TimerTimer_Timer);
}

void MainWindow::ConnectControls() {
    connect(userMoveButton_, &QPushButton::clicked, this, [this] { кнпСчитать_Click(); });
    connect(computerMoveButton_, &QPushButton::clicked, this, [this] { кнпДумать_Click(); });

    // A button's click behaviour runs whenever it becomes selected, by the
    // user or by the program; selecting the selected button runs nothing.
    // Drawing from the state selects buttons with their signals blocked.
    using AnswerHandler = void (MainWindow::*)();
    const std::array<AnswerHandler, 5> exactHandlers{&MainWindow::зн_Click, &MainWindow::з1_Click,
                                                     &MainWindow::з2_Click, &MainWindow::з3_Click,
                                                     &MainWindow::з4_Click};
    const std::array<AnswerHandler, 5> partialHandlers{&MainWindow::шн_Click, &MainWindow::ш1_Click,
                                                       &MainWindow::ш2_Click, &MainWindow::ш3_Click,
                                                       &MainWindow::ш4_Click};
    for (size_t count = 0; count < 5; ++count) {
        for (const auto& [button, handler] : {std::pair{exactButtons_[count], exactHandlers[count]},
                                              std::pair{partialButtons_[count], partialHandlers[count]}}) {
            connect(button, &QRadioButton::toggled, this, [this, handler = handler](bool selected) {
                if (selected) (this->*handler)();
            });
        }
    }

    // F1 opens the help from the main window and the keypad alike.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::ApplicationShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { mnuInformationRun_Click(); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused == windowHandle()) Form_Activate();
    });
}

}  // namespace duel
