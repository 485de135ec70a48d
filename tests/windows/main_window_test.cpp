// The main window as the program starts: controls, captions, layout, menus, timers.
#include "rules/twips.h"
#include "tests/support/window_fixture.h"
#include "windows/digit_pictures.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include <map>

namespace duel::testing {
namespace {

using MainWindowStart = WindowTest;

QRect Twips(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

TEST_F(MainWindowStart, ShowsThePhaseNoGame) {
    EXPECT_EQ(window->windowTitle(), "Шелвы и злыки v 2.0");
    EXPECT_EQ(window->objectName(), "фрмГлавная");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(window->isVisible());

    EXPECT_TRUE(hidden("кнпСчитать"));
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_FALSE(state().guessOpen());
    EXPECT_FALSE(enabled("СписокЧШЗ"));
    EXPECT_FALSE(enabled("рмкЗлыки"));
    EXPECT_FALSE(enabled("рмкШелвы"));
    EXPECT_TRUE(picturesHidden("imgNumberMV"));
    EXPECT_TRUE(picturesHidden("imgNumberVK"));
    EXPECT_EQ(guessPictures(), "0000");
    EXPECT_EQ(computerGuessPictures(), "0000");
    EXPECT_TRUE(exactButton(0)->isChecked());
    EXPECT_TRUE(partialButton(0)->isChecked());
    EXPECT_EQ(hintPanel(), "Жми 'Игра' --> 'Новая игра' или 'F2'");
    EXPECT_EQ(clockPanel(), "стоим");

    EXPECT_TRUE(timer("ЧасыRND")->isActive());
    EXPECT_EQ(timer("ЧасыRND")->interval(), 20);
    EXPECT_FALSE(timer("Часы")->isActive());
    EXPECT_EQ(timer("Часы")->interval(), 300);
    EXPECT_FALSE(timer("TimerTimer")->isActive());
    EXPECT_EQ(timer("TimerTimer")->interval(), 200);

    EXPECT_TRUE(platform.trayShown);
    EXPECT_EQ(platform.trayTip, "Шелвы и злыки");
    EXPECT_EQ(state().userNumberDefault, "1234");
    EXPECT_NE(find("фрмЧифры"), nullptr);
}

TEST_F(MainWindowStart, ControlsCarryTheirCaptionsTooltipsAndPlaces) {
    struct Control {
        const char* name;
        const char* caption;
        const char* tooltip;
        QRect place;
    };
    const Control controls[] = {
        {"кнпСчитать", "--->", "Ваш ход", Twips(3360, 1800, 855, 495)},
        {"кнпДумать", "--->", "Ход компьютера", Twips(3360, 1800, 855, 495)},
        {"СписокЧШЗ", nullptr, "Предложенные вами варианты", Twips(2400, 360, 1695, 1230)},
        {"Frame1", " | Числа | Ш | З | ", nullptr, Twips(2280, 120, 1935, 1575)},
        {"рмкЗлыки", "Злыки:", "Сколько злыков ... ?", Twips(1200, 120, 975, 1575)},
        {"рмкШелвы", "Шелвы:", "Сколько шелв ... ?", Twips(120, 120, 975, 1575)},
        {"lblMV", "Мой вариант:", nullptr, Twips(0, 2040, 2295, 255)},
        {"lblVK", "Вариант компьютера:", nullptr, Twips(0, 1810, 2295, 255)},
        {"imgNumberMV1", nullptr, nullptr, Twips(2280, 1920, 255, 405)},
        {"imgNumberMV4", nullptr, nullptr, Twips(3000, 1920, 255, 405)},
        {"imgNumberVK1", nullptr, nullptr, Twips(2280, 1800, 255, 405)},
        {"imgNumberVK4", nullptr, nullptr, Twips(3000, 1800, 255, 405)},
    };
    for (const Control& c : controls) {
        QWidget* widget = find(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.place) << c.name;
        if (c.tooltip) {
            EXPECT_EQ(widget->toolTip(), c.tooltip) << c.name;
        }
        if (!c.caption) continue;
        QString caption;
        if (auto* button = qobject_cast<QPushButton*>(widget)) caption = button->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) caption = label->text();
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) caption = frame->title();
        EXPECT_EQ(caption, c.caption) << c.name;
    }
    // The guesses and the scorer's switch are facts of the game state, not
    // hidden controls below the field.
    for (const char* gone : {"тксВарМой", "тксВарКомп", "првАвто"}) EXPECT_EQ(find(gone), nullptr) << gone;
    EXPECT_EQ(window->centralWidget()->size(), QSize(290, 160));
    EXPECT_EQ(window->statusBar()->height(), 25);

    // The option buttons: "1".."4" then "нету", top to bottom, with their tooltips.
    const char* exact[][3] = {{"з1", "1", "один злык"},
                              {"з2", "2", "два злыка"},
                              {"з3", "3", "три злыка"},
                              {"з4", "4", "четыре злыка"},
                              {"зн", "нету", "нет злыков"}};
    const char* partial[][3] = {{"ш1", "1", "одна шелва"},
                                {"ш2", "2", "две шелвы"},
                                {"ш3", "3", "три шелвы"},
                                {"ш4", "4", "четыре шелвы"},
                                {"шн", "нету", "нет шелв"}};
    for (auto* group : {&exact, &partial}) {
        int lastTop = -1;
        for (auto& b : *group) {
            auto* button = find<QRadioButton>(b[0]);
            ASSERT_NE(button, nullptr) << b[0];
            EXPECT_EQ(button->text(), b[1]);
            EXPECT_EQ(button->toolTip(), b[2]);
            EXPECT_EQ(button->y() - lastTop, lastTop < 0 ? button->y() + 1 : 16) << b[0];
            lastTop = button->y();
        }
    }
}

// The items of a menu in order, each as "objectName caption" ("name -" for a separator).
QStringList MenuItems(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions()) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        items << name + " " + (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

// The four menus hold their items in the described order, the game's own
// where they stand, and within a menu no two items share an "&" letter (but
// "&Нету" and "&Нина Корвельд", which have always shared theirs).
TEST_F(MainWindowStart, MenusHaveTheirItemsInOrderLettersAndShortcut) {
    const std::vector<std::pair<const char*, QStringList>> menus = {
        {"mnuGame",
         {"mnuGameNew &Новая игра", "mnuGameResume &Продолжить прошлую игру", "mnuGameNetwork &Дуэль по сети ...",
          "mnuGameWins По&бедители ...", "mnuGameStatistics &Статистика ...", "mnuGamePtobel -", "mnuGameExit В&ыход"}},
        {"mnuAdd",
         {"mnuAddBeauty К&расотка", "mnuAddProbel -", "mnuAddHint &Подсказка", "mnuAddStrong &Сильный соперник"}},
        {"mnuAddBeauty",
         {"mnuAddBeautyNot &Нету", "mnuAddBeautyTessaQuorin &Тесса Куорин",
          "mnuAddBeautyMarlaVentobrix &Марла Вентобрикс", "mnuAddBeautyDoriaFelstrand &Дориа Фелстранд",
          "mnuAddBeautyLunaPressvick &Луна Прессвик", "mnuAddBeautyNinaCorveld &Нина Корвельд"}},
        {"mnuInformation",
         {"mnuInformationRun &Вызов справки", "mnuInformationProbel1 -",
          "mnuInformationForR Предложение рекламодателям", "mnuInformationProbel2 -",
          "mnuInformationAbout &О программе"}},
    };
    QStringList bar;
    for (const QAction* action : window->menuBar()->actions()) bar << action->text();
    EXPECT_EQ(bar, (QStringList{"&Игра", "&Дополнительно", "&Справка"}));

    for (const auto& [name, expected] : menus) {
        const auto* menu = window->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        const QStringList items = MenuItems(*menu);
        EXPECT_EQ(items, expected) << name;
        std::map<QChar, QString> letters;
        for (const QString& item : items) {
            const QString caption = item.section(' ', 1);
            if (caption == "-" || caption == "Предложение рекламодателям") continue;
            ASSERT_EQ(caption.count('&'), 1) << item.toStdString();
            const QChar letter = caption[caption.indexOf('&') + 1].toLower();
            const auto [earlier, fresh] = letters.emplace(letter, caption);
            if (!fresh && !(earlier->second == "&Нету" && caption == "&Нина Корвельд"))
                ADD_FAILURE() << name << ": " << earlier->second.toStdString() << " and " << caption.toStdString()
                              << " share a letter";
        }
    }

    EXPECT_EQ(find<QAction>("mnuGameNew")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(window->findChild<QAction*>("mnuGamePtobel")->isSeparator());
    EXPECT_TRUE(window->findChild<QAction*>("mnuInformationProbel1")->isSeparator());
    EXPECT_TRUE(window->findChild<QAction*>("mnuInformationProbel2")->isSeparator());

    // Without a settings file the gallery choice is "none".
    EXPECT_EQ(state().galleryItem, 1);
    EXPECT_TRUE(find<QAction>("mnuAddBeautyNot")->isChecked());
    for (const char* set : {"mnuAddBeautyTessaQuorin", "mnuAddBeautyMarlaVentobrix", "mnuAddBeautyDoriaFelstrand",
                            "mnuAddBeautyLunaPressvick", "mnuAddBeautyNinaCorveld"})
        EXPECT_FALSE(find<QAction>(set)->isChecked()) << set;

    find<QAction>("mnuInformationForR")->trigger();
    find<QAction>("mnuInformationRun")->trigger();
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{500, 100}));
}

TEST_F(MainWindowStart, DigitPicturesAreSevenSegmentsInGreenOnBlack) {
    const std::array<QPixmap, 11> pictures = MakeDigitPictures();
    for (const QPixmap& picture : pictures) EXPECT_EQ(picture.size(), QSize(13, 23));
    // The window shows these: all eight show the zero at start.
    for (const char* name : {"imgNumberMV1", "imgNumberVK4"})
        EXPECT_EQ(label(name)->pixmap().toImage(), pictures[0].toImage()) << name;
    const QImage eight = pictures[8].toImage();
    const QImage one = pictures[1].toImage();
    const QImage dash = pictures[10].toImage();
    EXPECT_EQ(eight.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(eight.pixel(5, 1), qRgb(0, 255, 0));  // top bar lit on 8
    EXPECT_NE(one.pixel(5, 1), qRgb(0, 255, 0));    // and unlit on 1
    EXPECT_EQ(dash.pixel(5, 11), qRgb(0, 255, 0));  // middle bar of the dash
    EXPECT_NE(dash.pixel(10, 5), qRgb(0, 255, 0));
    // Unlit segments are dotted dark green.
    int dark = 0;
    for (int x = 3; x <= 9; ++x) dark += one.pixel(x, 1) == qRgb(0, 128, 0);
    EXPECT_GT(dark, 1);
    EXPECT_LT(dark, 7);
}

TEST_F(MainWindowStart, ClosingSavesAndRemovesTheTrayIcon) {
    window->close();
    EXPECT_FALSE(platform.trayShown);
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("Шелвы и злыки.ini"))));
    EXPECT_FALSE(find("фрмЧифры") && find("фрмЧифры")->isVisible());
}

}  // namespace
}  // namespace duel::testing
