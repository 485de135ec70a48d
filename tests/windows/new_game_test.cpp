// New game: the number prompt with its checks, the hide question, the thinking window, the first turn.
#include "rules/number_rules.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace duel::testing {
namespace {

using NewGame = WindowTest;

const QString kHideQuestion = QStringLiteral(
    "Вы хотите загадать число, но не показывать его компьютеру? В этом нет нужды. Он использует "
    "его только для автоматического выставления количества шелв и злыков. Если вы хотите скрыть "
    "число, то вам придётся вручную выставлять эти цифры. Вы согласны на это?");

TEST_F(NewGame, PutsTheWindowIntoTheUsersTurn) {
    platform.midnightSeconds = 45296.7;
    StartGame("5678", 0.5);

    EXPECT_EQ(computer().candidateCount(), 3024);
    EXPECT_EQ(state().compNumber, NumberText(computer().candidates()[1513]));  // 0.5 * 3024 + 1
    EXPECT_EQ(state().userNumber, "5678");
    EXPECT_FALSE(state().hideAnswer);
    EXPECT_FALSE(state().compGuessed());
    EXPECT_EQ(state().gameStart, 45296);
    EXPECT_TRUE(timer("TimerTimer")->isActive());
    EXPECT_EQ(hintPanel(), "");

    EXPECT_FALSE(hidden("кнпСчитать"));
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_TRUE(enabled("СписокЧШЗ"));
    EXPECT_TRUE(historyLines().isEmpty());
    EXPECT_TRUE(state().guessOpen());
    EXPECT_EQ(state().composedGuess, "");
    EXPECT_EQ(state().compGuess, "");
    EXPECT_FALSE(enabled("рмкЗлыки"));
    EXPECT_FALSE(enabled("рмкШелвы"));
    EXPECT_TRUE(exactButton(0)->isChecked());
    EXPECT_TRUE(partialButton(0)->isChecked());
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(hidden(QStringLiteral("imgNumberMV%1").arg(i)));
        EXPECT_TRUE(hidden(QStringLiteral("imgNumberVK%1").arg(i)));
    }
    EXPECT_EQ(guessPictures(), "0000");
    EXPECT_TRUE(isRed("lblMV"));
    EXPECT_DOUBLE_EQ(fontSize("lblMV"), 9.75);
    EXPECT_FALSE(isRed("lblVK"));
    EXPECT_DOUBLE_EQ(fontSize("lblVK"), 8.25);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(platform.unscripted, 0);
}

// Until New game hands the first move to the user, the window shows the game
// being given up as it stood, with status panel 1 empty (not the hint): in a
// game with the number typed and in one with it hidden, whose answer frames
// wait for the player's answer.
class NewGameLook : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NewGameLook, KeepsTheLastGamesLookUntilTheFirstMoveWithTheHintPanelEmpty) {
    const bool hiddenNumber = GetParam();
    StartGame(hiddenNumber ? QString() : QStringLiteral("1234"), 0.0);
    ASSERT_EQ(state().hideAnswer, hiddenNumber);
    state().hintChosen = true;
    state().composedGuess = "5678";
    window->кнпСчитать_Click();  // the computer has the turn now
    ASSERT_FALSE(hidden("кнпДумать"));
    ASSERT_FALSE(hintPanel().isEmpty());
    ASSERT_EQ(enabled("рмкЗлыки"), hiddenNumber);

    struct Look {
        bool computerMoveShown, userMoveShown, computerMarked, computerGuessShown, historyEnabled, answerFramesEnabled;
        QStringList history;
        QString hint;
    };
    std::vector<Look> looks;
    const auto lookNow = [&] {
        looks.push_back({!hidden("кнпДумать"), !hidden("кнпСчитать"), isRed("lblVK"), !picturesHidden("imgNumberVK"),
                         enabled("СписокЧШЗ"), enabled("рмкЗлыки") && enabled("рмкШелвы"), historyLines(),
                         hintPanel()});
    };
    platform.onProcessEvents = [&] {
        if (state().busy && looks.empty()) lookNow();  // the list being built
    };
    platform.onInputBox = [&](const QString&) { lookNow(); };  // the number prompt
    StartGame("4321");

    ASSERT_EQ(looks.size(), 2u);
    for (const Look& look : looks) {
        EXPECT_TRUE(look.computerMoveShown);
        EXPECT_FALSE(look.userMoveShown);
        EXPECT_TRUE(look.computerMarked);
        EXPECT_TRUE(look.computerGuessShown);
        EXPECT_TRUE(look.historyEnabled);
        EXPECT_EQ(look.answerFramesEnabled, hiddenNumber);
        EXPECT_EQ(look.history, QStringList{"|    5678   |  0  |  0  |"});
        EXPECT_EQ(look.hint, "");
    }
    EXPECT_FALSE(hidden("кнпСчитать"));
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_TRUE(historyLines().isEmpty());
    EXPECT_FALSE(state().hideAnswer);  // the new game's number was typed
    EXPECT_FALSE(enabled("рмкЗлыки"));
}

INSTANTIATE_TEST_SUITE_P(TypedAndHidden, NewGameLook, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "HiddenNumber" : "TypedNumber";
                         });

TEST_F(NewGame, AsksUntilTheNumberIsValidWithEveryMessage) {
    platform.inputs = {"", "0123", "12a4", "1224", "123", "12345", "9876"};
    platform.answers = {MsgAnswer::No};
    window->mnuGameNew_Click();

    // Cancel → hide question → No → "1234" again; each rejected text is the next default.
    EXPECT_EQ(platform.inputDefaults, (std::vector<QString>{"1234", "1234", "0123", "12a4", "1224", "123", "12345"}));
    for (const QString& prompt : platform.inputPrompts) EXPECT_EQ(prompt, "Загадайте число:");
    ASSERT_EQ(platform.boxes.size(), 6u);
    EXPECT_EQ(platform.boxes[0].text, kHideQuestion);
    EXPECT_EQ(platform.boxes[0].title, "Шелвы и злыки");
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNo);
    const std::vector<QString> errors = {
        "Необходимо ввести число не содержащее нулей",
        "Необходимо ввести число",
        "Необходимо ввести число не содержащее повторяющихся компонентов",
        "Необходимо ввести число из 4 состовляющих",
        "Необходимо ввести число из 4 состовляющих",
    };
    for (size_t i = 0; i < errors.size(); ++i) {
        EXPECT_EQ(platform.boxes[i + 1].text, errors[i]);
        EXPECT_EQ(platform.boxes[i + 1].title, "Ошибка !!!");
        EXPECT_EQ(platform.boxes[i + 1].icon, MsgIcon::Exclamation);
        EXPECT_EQ(platform.boxes[i + 1].buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(state().userNumber, "9876");
    EXPECT_EQ(state().userNumberDefault, "9876");
    EXPECT_FALSE(state().hideAnswer);
}

TEST_F(NewGame, YesToTheHideQuestionKeepsTheNumberHidden) {
    StartGame("1234");
    StartGame(QString());
    EXPECT_TRUE(state().hideAnswer);
    EXPECT_EQ(state().userNumber, "");
    EXPECT_EQ(state().userNumberDefault, "");  // the next game offers an empty default
    EXPECT_FALSE(timer("Часы")->isActive());
    EXPECT_FALSE(enabled("рмкЗлыки"));  // nothing to answer before the first guess
    window->mnuGameNew_Click();
    EXPECT_EQ(platform.inputDefaults.back(), "");
}

TEST_F(NewGame, StopsAScorerLeftRunningByTheLastGame) {
    StartGame("1234");
    state().composedGuess = "5678";
    window->кнпСчитать_Click();
    ASSERT_TRUE(timer("Часы")->isActive());
    ASSERT_TRUE(state().autoScoring);

    StartGame("4321");
    EXPECT_FALSE(timer("Часы")->isActive());
    EXPECT_FALSE(state().autoScoring);
    EXPECT_TRUE(exactButton(0)->isChecked());
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_TRUE(historyLines().isEmpty());
}

TEST_F(NewGame, ShowsTheThinkingWindowAgainstTheMainWindowsCurrentPlace) {
    std::vector<QPoint> offsets;
    std::vector<int> progress;
    platform.onProcessEvents = [&] {
        auto* thinking = find("фрмЗагрузка");
        if (!thinking || !thinking->isVisible()) return;
        if (offsets.size() < 2 || offsets.back() != thinking->pos() - window->frameGeometry().topLeft())
            offsets.push_back(thinking->pos() - window->frameGeometry().topLeft());
        progress.push_back(find<QProgressBar>("pgbThink")->value());
    };
    StartGame("1234");
    window->move(window->pos() + QPoint(37, 21));
    StartGame("1234");

    ASSERT_GE(offsets.size(), 1u);
    for (const QPoint& offset : offsets) EXPECT_EQ(offset, QPoint(100, 73));  // 1500 and 1100 twips
    EXPECT_EQ(find<QProgressBar>("pgbThink"), nullptr);                       // gone after the build
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(*std::max_element(progress.begin(), progress.end()), 9975 - 1111);
}

TEST_F(NewGame, IgnoresGameCommandsWhileTheListIsBuilt) {
    int reentries = 0;
    platform.onProcessEvents = [&] {
        if (platform.processEventsCalls % 1000 != 0) return;
        ++reentries;
        window->mnuGameNew_Click();
        window->кнпСчитать_Click();
        window->кнпДумать_Click();
        find<QAction>("mnuGameNew")->trigger();
    };
    StartGame("1234");
    EXPECT_GT(reentries, 5);
    EXPECT_EQ(platform.inputPrompts.size(), 1u);
    EXPECT_EQ(computer().candidateCount(), 3024);
    EXPECT_TRUE(platform.boxes.empty());
}

// "Играть сейчас" in a prize window opened from the menu while the list is
// built: the request outlives the build, but the game being set up is the one
// asked for, so the ticks that run while the number prompt waits start no
// second New game inside it, and none starts after it.
TEST_F(NewGame, APlayNowRequestDuringNewGameStartsNoSecondGame) {
    bool requested = false;
    platform.onProcessEvents = [&] {
        if (requested || platform.processEventsCalls < 500) return;
        requested = true;
        platform.modalScripts.push_back(
            [](QDialog& prize) { prize.findChild<QPushButton*>(QStringLiteral("cmdGame"))->click(); });
        find<QAction>(QStringLiteral("mnuAddBeautyLunaPressvick"))->trigger();
    };
    platform.onInputBox = [&](const QString&) {
        for (int tick = 0; tick < 5; ++tick) window->ЧасыRND_Timer();
    };
    platform.inputs = {QStringLiteral("5678")};
    window->mnuGameNew_Click();
    ASSERT_TRUE(requested);
    EXPECT_EQ(platform.modalWindows, (std::vector<QString>{QStringLiteral("frmPrice")}));
    EXPECT_EQ(platform.inputPrompts.size(), 1u) << "a second New game asked inside the first";
    EXPECT_EQ(state().phase, Phase::UserToMove);
    EXPECT_EQ(state().userNumber, "5678");

    window->ЧасыRND_Timer();
    EXPECT_EQ(platform.inputPrompts.size(), 1u);
    EXPECT_FALSE(state().playNowRequested);
    EXPECT_EQ(platform.unscripted, 0);
}

TEST_F(NewGame, ACloseDuringTheBuildIsCarriedOutAfterIt) {
    bool closeAsked = false;
    platform.onProcessEvents = [&] {
        if (closeAsked || platform.processEventsCalls < 500) return;
        closeAsked = true;
        EXPECT_FALSE(window->close());  // refused for now
        EXPECT_TRUE(window->isVisible());
    };
    StartGame("1234");
    EXPECT_TRUE(closeAsked);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(platform.inputPrompts.empty());  // the game did not go on to ask
    EXPECT_FALSE(platform.trayShown);            // shut-down ran
    platform.inputs.clear();
}

}  // namespace
}  // namespace duel::testing
