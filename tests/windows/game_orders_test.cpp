// Orders the player sees: a first move's refusals, a stopped game's box and windows, the clock, the thinking window.
#include "main_window/status_panels.h"
#include "tests/support/duel_window_fixture.h"

#include <QListWidget>
#include <QProgressBar>

namespace duel::testing {
namespace {

using GameOrders = DuelWindowTest;

const char* const kContradiction =
    "Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не "
    "возникало таких ситуаций, вводите число при запросе в начале игры.";

// Texts that fail more than one check get the message of the first check
// they fail; the number itself then wins at once, with no box, in one guess.
TEST_F(GameOrders, TheFirstMovesRefusalsComeInTheirOrderAndTheNumberWinsInOne) {
    Start("5678", 0.0);  // the computer's secret is 1234
    platform.sequence.clear();
    for (const char* text : {"0a0", "1a10", "1011", "1224"}) Guess(text);
    ExpectRecordsWindow(QStringLiteral("Ада"));
    Guess("1234");

    EXPECT_EQ(platform.sequence, (std::vector<std::string>{
                                     "box: Необходимо ввести число из 4 состовляющих",
                                     "box: Необходимо ввести число",
                                     "box: Необходимо ввести число не содержащее нулей",
                                     "box: Необходимо ввести число не содержащее повторяющихся компонентов",
                                     "window: фрмРекорды",
                                 }));
    EXPECT_EQ(state().lastUser.tries, "1");
    EXPECT_EQ(state().records[0].tries, 1);
    EXPECT_EQ(state().records[0].name, "Ада");
    EXPECT_TRUE(historyLines().isEmpty());
}

// The stop after contradicting answers: the message first, then the records
// window, over a field that still shows the game; the history and the answer
// frames grey out once that window has closed.
TEST_F(GameOrders, ContradictingAnswersShowTheMessageThenTheRecordsThenGreyTheField) {
    Start(QString(), 0.0);  // hidden number; the secret is 1234
    Guess("5678", 0.0);
    Answer(3, 1);
    platform.sequence.clear();
    struct Look {
        bool historyEnabled = false, exactEnabled = false, partialEnabled = false, moveButtonShown = true;
        QString hint;
    } look;
    ExpectRecordsWindow(QString(), [&] {
        look = {enabled("СписокЧШЗ"), enabled("рмкЗлыки"), enabled("рмкШелвы"),
                !hidden("кнпСчитать") || !hidden("кнпДумать"), hintPanel()};
    });
    window->кнпДумать_Click();

    EXPECT_EQ(platform.sequence, (std::vector<std::string>{std::string("box: ") + kContradiction, "window: фрмРекорды",
                                                           "box: Компьютер загадал число 1234."}));
    EXPECT_TRUE(look.historyEnabled);
    EXPECT_TRUE(look.exactEnabled);
    EXPECT_TRUE(look.partialEnabled);
    EXPECT_FALSE(look.moveButtonShown);  // the records window at a game's end takes both away
    EXPECT_EQ(look.hint, QString::fromUtf8(kNewGameHint));

    EXPECT_FALSE(enabled("СписокЧШЗ"));
    EXPECT_FALSE(enabled("рмкЗлыки"));
    EXPECT_FALSE(enabled("рмкШелвы"));
    EXPECT_EQ(historyLines(), QStringList{"|    5678   |  0  |  0  |"});  // greyed, still there
}

// A win records the time the clock showed last, not the time that has run on
// since; the clock keeps showing it until its next tick, which shows "стоим"
// and stops the timer for good.
TEST_F(GameOrders, TheClockKeepsItsLastTextUntilItsNextTickAfterAWin) {
    Start("5678", 0.0);
    platform.monotonic += 59.2;
    window->TimerTimer_Timer();
    ASSERT_EQ(clockPanel(), "00:59");
    platform.monotonic += 1.0;  // "01:00" by now, not shown yet
    QString shownInRecords;
    ExpectRecordsWindow(QStringLiteral("Ян"), [&] { shownInRecords = clockPanel(); });
    Guess("1234");

    EXPECT_EQ(state().lastUser.time, "00:59");
    EXPECT_EQ(state().records[0].time, "00:59");
    EXPECT_EQ(shownInRecords, "00:59");
    EXPECT_EQ(clockPanel(), "00:59");
    EXPECT_TRUE(clockTicking());
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "стоим");
    EXPECT_FALSE(clockTicking());
    platform.monotonic += 5;
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "стоим");
}

// The game's first filter shows the thinking window, ranged over the list,
// from 100 candidates on, and not for 99.
TEST_F(GameOrders, TheFirstFilterShowsTheThinkingWindowFromAHundredCandidates) {
    for (const int count : {100, 99}) {
        Start("1234", 0.0);
        Guess("5678", 0.5);  // the computer guesses from the full list
        CandidateList list{};
        const int32_t all = BuildCandidateList(list, [](int32_t) {});
        ASSERT_GT(all, count);
        computer().SetCandidates(list, count);  // 1234 .. : the user's number stays
        int shownMaximum = -1;
        platform.onProcessEvents = [&] {
            const auto* thinking = find("фрмЗагрузка");
            if (thinking && thinking->isVisible()) shownMaximum = find<QProgressBar>("pgbThink")->maximum();
        };
        window->кнпДумать_Click();
        platform.onProcessEvents = nullptr;

        EXPECT_EQ(shownMaximum, count >= 100 ? count : -1) << count << " candidates";
        EXPECT_EQ(find("фрмЗагрузка"), nullptr);
        EXPECT_FALSE(hidden("кнпСчитать")) << count;  // handed back
        EXPECT_GE(computer().candidateCount(), 1);
    }
}

}  // namespace
}  // namespace duel::testing
