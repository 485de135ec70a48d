// The main window's controls, menus and status bar, placed as the game lays them out.
#include "main_window/main_window.h"
#include "windows/twips_rect.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace duel {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
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
        auto* button = Named(new QRadioButton(QString::fromUtf8(text.caption), frame), text.name);
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

    рмкШелвы = Named(new QGroupBox(QStringLiteral("Шелвы:"), field), "рмкШелвы");
    рмкШелвы->setToolTip(QStringLiteral("Сколько шелв ... ?"));
    рмкШелвы->setGeometry(TwipsRect(120, 120, 975, 1575));
    FillAnswerFrame(рмкШелвы, partialButtons, kPartialButtons);

    рмкЗлыки = Named(new QGroupBox(QStringLiteral("Злыки:"), field), "рмкЗлыки");
    рмкЗлыки->setToolTip(QStringLiteral("Сколько злыков ... ?"));
    рмкЗлыки->setGeometry(TwipsRect(1200, 120, 975, 1575));
    FillAnswerFrame(рмкЗлыки, exactButtons, kExactButtons);

    Frame1 = Named(new QGroupBox(QStringLiteral(" | Числа | Ш | З | "), field), "Frame1");
    Frame1->setGeometry(TwipsRect(2280, 120, 1935, 1575));
    QFont heading(QStringLiteral("MS Sans Serif"));
    heading.setPointSizeF(8.25);
    heading.setBold(true);
    Frame1->setFont(heading);

    СписокЧШЗ = Named(new QListWidget(field), "СписокЧШЗ");
    СписокЧШЗ->setToolTip(QStringLiteral("Предложенные вами варианты"));
    СписокЧШЗ->setGeometry(TwipsRect(2400, 360, 1695, 1230));
    СписокЧШЗ->setFont(font());

    lblVK = Named(new QLabel(QStringLiteral("Вариант компьютера:"), field), "lblVK");
    lblVK->setGeometry(TwipsRect(0, 1810, 2295, 255));
    lblMV = Named(new QLabel(QStringLiteral("Мой вариант:"), field), "lblMV");
    lblMV->setGeometry(TwipsRect(0, 2040, 2295, 255));
    for (QLabel* label : {lblVK, lblMV}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 4, 0);  // a gap before the digit pictures
    }

    for (int i = 0; i < 4; ++i) {
        const int left = 2280 + 240 * i;
        imgNumberVK[i] = Named(new QLabel(field), QStringLiteral("imgNumberVK%1").arg(i + 1).toUtf8().constData());
        imgNumberVK[i]->setGeometry(TwipsRect(left, 1800, 255, 405));
        imgNumberMV[i] = Named(new QLabel(field), QStringLiteral("imgNumberMV%1").arg(i + 1).toUtf8().constData());
        imgNumberMV[i]->setGeometry(TwipsRect(left, 1920, 255, 405));
        for (QLabel* picture : {imgNumberVK[i], imgNumberMV[i]}) {
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->hide();
        }
    }

    кнпСчитать = Named(new QPushButton(QStringLiteral("--->"), field), "кнпСчитать");
    кнпСчитать->setToolTip(QStringLiteral("Ваш ход"));
    кнпДумать = Named(new QPushButton(QStringLiteral("--->"), field), "кнпДумать");
    кнпДумать->setToolTip(QStringLiteral("Ход компьютера"));
    for (QPushButton* button : {кнпСчитать, кнпДумать}) {
        button->setGeometry(TwipsRect(3360, 1800, 855, 495));
        button->hide();
    }

    // Below the visible field: they hold state and are never shown.
    тксВарМой = Named(new QLineEdit(field), "тксВарМой");
    тксВарМой->setToolTip(QStringLiteral("Мой вариант"));
    тксВарМой->setMaxLength(4);
    тксВарМой->setGeometry(TwipsRect(2160, 3360, 855, 285));
    тксВарКомп = Named(new QLineEdit(field), "тксВарКомп");
    тксВарКомп->setGeometry(TwipsRect(960, 3360, 855, 285));
    првАвто = Named(new QCheckBox(QStringLiteral("Включить автоопределение"), field), "првАвто");
    првАвто->setGeometry(TwipsRect(120, 3000, 2295, 255));
    for (QWidget* hidden : std::initializer_list<QWidget*>{тксВарМой, тксВарКомп, првАвто}) hidden->hide();

    // Screen readers say what a control is for: the move buttons by their
    // tooltip (their caption is an arrow), everything else adds its tooltip.
    кнпСчитать->setAccessibleName(кнпСчитать->toolTip());
    кнпДумать->setAccessibleName(кнпДумать->toolTip());
    for (QWidget* control : field->findChildren<QWidget*>())
        if (!control->toolTip().isEmpty()) control->setAccessibleDescription(control->toolTip());

    // The phase "no game": nothing to enter, nothing to answer.
    тксВарМой->setEnabled(false);
    СписокЧШЗ->setEnabled(false);
    рмкШелвы->setEnabled(false);
    рмкЗлыки->setEnabled(false);
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mnuGame = Named(bar->addMenu(QStringLiteral("&Игра")), "mnuGame");
    mnuGameNew = Named(mnuGame->addAction(QStringLiteral("&Новая игра")), "mnuGameNew");
    mnuGameNew->setShortcut(Qt::Key_F2);
    mnuGameNew->setShortcutContext(Qt::ApplicationShortcut);
    mnuGameWins = Named(mnuGame->addAction(QStringLiteral("По&бедители ...")), "mnuGameWins");
    Named(mnuGame->addSeparator(), "mnuGamePtobel");
    mnuGameExit = Named(mnuGame->addAction(QStringLiteral("В&ыход")), "mnuGameExit");

    mnuAdd = Named(bar->addMenu(QStringLiteral("&Дополнительно")), "mnuAdd");
    mnuAddBeauty = Named(mnuAdd->addMenu(QStringLiteral("К&расотка")), "mnuAddBeauty");
    for (size_t i = 0; i < kBeautyItems.size(); ++i) {
        QAction* item =
            Named(mnuAddBeauty->addAction(QString::fromUtf8(kBeautyItems[i].second)), kBeautyItems[i].first);
        item->setCheckable(true);
        beautyItems[i] = item;
    }

    mnuInformation = Named(bar->addMenu(QStringLiteral("&Справка")), "mnuInformation");
    mnuInformationRun = Named(mnuInformation->addAction(QStringLiteral("&Вызов справки")), "mnuInformationRun");
    Named(mnuInformation->addSeparator(), "mnuInformationProbel1");
    mnuInformationForR =
        Named(mnuInformation->addAction(QStringLiteral("Предложение рекламодателям")), "mnuInformationForR");
    Named(mnuInformation->addSeparator(), "mnuInformationProbel2");
    mnuInformationAbout = Named(mnuInformation->addAction(QStringLiteral("&О программе")), "mnuInformationAbout");
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(TwipsToPixels(kStatusHeight));
    statusPanel1 = Named(new QLabel(QString::fromUtf8(kNewGameHint)), "StatusBarPanel1");
    statusPanel2 = Named(new QLabel(QString::fromUtf8(kClockStoppedText)), "StatusBarPanel2");
    for (QLabel* panel : {statusPanel1, statusPanel2}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
    }
    statusPanel2->setMinimumWidth(TwipsToPixels(840));
    statusPanel2->setAlignment(Qt::AlignCenter);
    bar->addWidget(statusPanel1, 1);
    bar->addWidget(statusPanel2, 0);
}

}  // namespace duel
