// The duel through the main window: moves, answers, the computer's filter, the scorer, the endings.
#include "rules/number_rules.h"
#include "tests/support/duel_window_fixture.h"
#include "windows/records_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace duel::testing {
namespace {

using Duel = DuelWindowTest;

TEST_F(Duel, TheUsersMoveChecksInItsOrder) {
    // The digits clicked on the keypad, then the move, as the player makes it.
    const auto typeAndMove = [this](const QString& digits) {
        for (QChar digit : digits) find<QPushButton>(QStringLiteral("кнп%1").arg(digit))->click();
        ASSERT_EQ(guessPictures(), digits.rightJustified(4, QLatin1Char('0')));
        window->кнпСчитать_Click();
    };
    Start("5678", 0.0);  // the computer's secret is 1234
    typeAndMove(QStringLiteral("12"));
    EXPECT_EQ(state().composedGuess, "12");  // the length message keeps the guess, on show
    EXPECT_EQ(guessPictures(), QStringLiteral("0012"));
    for (QChar digit : QStringLiteral("76")) find<QPushButton>(QStringLiteral("кнп%1").arg(digit))->click();
    window->кнпСчитать_Click();                          // 1276, accepted, handed over
    EXPECT_EQ(guessPictures(), QStringLiteral("0000"));  // a move that does not win clears the display
    ASSERT_FALSE(hidden("кнпДумать"));
    window->кнпДумать_Click();  // scored automatically, back to the user
    typeAndMove(QStringLiteral("1276"));
    EXPECT_EQ(state().composedGuess, "");  // the repeat check empties the guess
    EXPECT_EQ(guessPictures(), QStringLiteral("0000"));
    Guess("12a4");
    EXPECT_EQ(state().composedGuess, "12a4");  // other refusals keep it
    Guess("0123");
    Guess("1224");

    const std::vector<QString> texts = {
        "Необходимо ввести число из 4 состовляющих",
        "Повторяющийся вариант !",
        "Необходимо ввести число",
        "Необходимо ввести число не содержащее нулей",
        "Необходимо ввести число не содержащее повторяющихся компонентов",
    };
    EXPECT_EQ(platform.boxTexts(), texts);
    EXPECT_EQ(platform.boxes[1].title, "Шелвы и злыки");
    EXPECT_EQ(platform.boxes[1].icon, MsgIcon::Information);
    for (size_t i : {0u, 2u, 3u, 4u}) {
        EXPECT_EQ(platform.boxes[i].title, "Ошибка !!!");
        EXPECT_EQ(platform.boxes[i].icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(historyLines(), QStringList{"|    1276   |  0  |  2  |"});
    EXPECT_FALSE(hidden("кнпСчитать"));  // every refusal leaves the turn with the user
}

TEST_F(Duel, AMoveListsTheGuessAndHandsTheTurnToTheComputer) {
    Start("1243", 0.0);  // secret 1234
    Guess("1325", 0.0);  // the computer will guess 1234
    EXPECT_EQ(historyLines(), QStringList{"|    1325   |  2  |  1  |"});
    EXPECT_EQ(find<QListWidget>("СписокЧШЗ")->currentRow(), 0);
    EXPECT_EQ(state().composedGuess, "");
    EXPECT_FALSE(state().guessOpen());
    EXPECT_EQ(state().compGuess, "1234");
    EXPECT_EQ(computer().pickIndex(), 1);
    EXPECT_TRUE(hidden("кнпСчитать"));
    EXPECT_FALSE(hidden("кнпДумать"));
    EXPECT_TRUE(isRed("lblVK"));
    EXPECT_FALSE(isRed("lblMV"));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(hidden(QStringLiteral("imgNumberMV%1").arg(i)));
        EXPECT_FALSE(hidden(QStringLiteral("imgNumberVK%1").arg(i)));
    }
    // The scorer answers the guess on screen at once, before its first tick.
    EXPECT_TRUE(state().autoScoring);
    EXPECT_TRUE(scorerTicking());
    EXPECT_EQ(selectedExact(), 2);
    EXPECT_EQ(selectedPartial(), 2);
    EXPECT_EQ(state().exactCount, 2);
    EXPECT_EQ(state().partialCount, 2);
    EXPECT_FALSE(enabled("рмкЗлыки"));

    window->ЧасыRND_Timer();
    EXPECT_EQ(computerGuessPictures(), "1234");
}

TEST_F(Duel, TheComputersMoveFiltersItsListAndHandsBack) {
    Start("1243", 0.0);
    Guess("5678", 0.0);
    bool thinkingShown = false;
    platform.onProcessEvents = [&] { thinkingShown |= find("фрмЗагрузка") && find("фрмЗагрузка")->isVisible(); };
    window->кнпДумать_Click();
    EXPECT_TRUE(thinkingShown);  // 3024 candidates to examine
    EXPECT_EQ(computer().candidateCount(), Expected("1234", {2, 2}));
    for (int i = 1; i <= computer().candidateCount(); ++i)
        EXPECT_EQ(ScoreGuess("1234", NumberText(computer().candidates()[static_cast<size_t>(i)])), (Score{2, 2}));

    EXPECT_EQ(find("фрмЗагрузка"), nullptr);
    EXPECT_FALSE(hidden("кнпСчитать"));
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_TRUE(state().guessOpen());
    EXPECT_EQ(state().compGuess, "");
    EXPECT_FALSE(state().autoScoring);
    EXPECT_FALSE(scorerTicking());
    EXPECT_EQ(selectedExact(), 0);
    EXPECT_EQ(selectedPartial(), 0);
    EXPECT_TRUE(isRed("lblMV"));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);

    // Fewer than 100 candidates: no thinking window.
    thinkingShown = false;
    Guess("5679", 0.0);
    window->кнпДумать_Click();
    EXPECT_FALSE(thinkingShown);
}

TEST_F(Duel, OneCandidateLeftIsTheNextGuessForSure) {
    Start("4321", 0.0);
    Guess("5678", 0.999);
    CandidateList list{};
    list[1] = 4321;
    computer().SetCandidates(list, 1);
    window->кнпДумать_Click();  // the true number always stays
    ASSERT_EQ(computer().candidateCount(), 1);
    Guess("5679", 0.999);  // the move after: only one candidate can be drawn
    EXPECT_EQ(state().compGuess, "4321");
    EXPECT_EQ(computer().pickIndex(), 1);
}

TEST_F(Duel, TheComputersWinThenPlayOnAlone) {
    Start("1234", 0.5);
    Guess("5678", 0.0);  // the computer guesses 1234: the scorer selects з4
    ASSERT_TRUE(exactButton(4)->isChecked());
    window->TimerTimer_Timer();
    const QString clock = clockPanel();
    ExpectRecordsWindow();
    platform.answers = {MsgAnswer::Yes};
    const int32_t before = computer().candidateCount();
    window->кнпДумать_Click();

    EXPECT_EQ(computer().candidateCount(), before);  // the list is not filtered
    EXPECT_EQ(platform.modalWindows, std::vector<QString>{"фрмРекорды"});
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Вы хотите продолжить игру до разоблачения компьютера ?");
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(state().lastComp.tries, "1");
    EXPECT_EQ(state().lastComp.number, "1234");
    EXPECT_EQ(state().lastComp.time, clock.toStdString());
    EXPECT_TRUE(state().compGuessed());
    EXPECT_FALSE(hidden("кнпСчитать"));
    EXPECT_TRUE(state().guessOpen());
    EXPECT_TRUE(isRed("lblMV"));

    // Playing on alone: moves are listed, the computer never guesses again.
    Guess("5679", 0.0);
    Guess("5689", 0.0);
    EXPECT_EQ(historyLines().size(), 3);
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_EQ(state().compGuess, "");
    EXPECT_TRUE(state().guessOpen());
}

TEST_F(Duel, ANewGameForgetsThatTheUserPlayedOnAlone) {
    Start("1234", 0.5);
    Guess("5678", 0.0);
    ExpectRecordsWindow();
    platform.answers = {MsgAnswer::Yes};
    window->кнпДумать_Click();  // the computer wins; the user plays on alone
    ASSERT_TRUE(hidden("кнпДумать"));

    Start("1234", 0.5);
    Guess("5678", 0.0);
    EXPECT_FALSE(hidden("кнпДумать"));  // the computer has its turn again
    EXPECT_TRUE(hidden("кнпСчитать"));
    EXPECT_TRUE(isRed("lblVK"));
}

TEST_F(Duel, TheComputersWinThenGameOver) {
    Start("1234", 0.5);
    Guess("5678", 0.0);
    ExpectRecordsWindow();
    platform.answers = {MsgAnswer::No};
    window->кнпДумать_Click();
    EXPECT_EQ(hintPanel(), "Жми 'Игра' --> 'Новая игра' или 'F2'");
    EXPECT_EQ(state().gameStart, -1);
    EXPECT_FALSE(enabled("СписокЧШЗ"));
    EXPECT_TRUE(hidden("кнпСчитать"));
    EXPECT_TRUE(hidden("кнпДумать"));
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "стоим");
    EXPECT_FALSE(clockTicking());
}

TEST_F(Duel, ContradictingAnswersStopTheGame) {
    Start(QString(), 0.0);  // hidden number; the secret is 1234
    Guess("5678", 0.0);     // the computer guesses 1234
    EXPECT_TRUE(enabled("рмкЗлыки"));
    EXPECT_TRUE(enabled("рмкШелвы"));
    EXPECT_FALSE(scorerTicking());
    Answer(3, 1);  // no number scores three exact and one partial
    EXPECT_TRUE(platform.boxes.empty());
    ExpectRecordsWindow();
    const std::string oldTime = state().lastUser.time;
    window->кнпДумать_Click();

    EXPECT_EQ(computer().candidateCount(), 0);
    EXPECT_EQ(state().compGuess, "Ошибка !");
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, "Компьютер загадал число 1234.");  // once the game is over
    EXPECT_EQ(platform.boxes[0].text,
              "Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не "
              "возникало таких ситуаций, вводите число при запросе в начале игры.");
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(platform.modalWindows, std::vector<QString>{"фрмРекорды"});
    EXPECT_EQ(state().lastUser.tries, "-");
    EXPECT_EQ(state().lastUser.number, "1234");
    EXPECT_EQ(state().lastUser.time, oldTime);
    EXPECT_EQ(state().gameStart, -1);
    EXPECT_FALSE(enabled("рмкЗлыки"));
    EXPECT_FALSE(enabled("СписокЧШЗ"));
    EXPECT_TRUE(hidden("кнпДумать"));
    window->ЧасыRND_Timer();
    EXPECT_EQ(computerGuessPictures(), "----");
}

TEST_F(Duel, AnEmptyListStopsTheGameWithTheNumberTypedToo) {
    Start("5678", 0.0);
    Guess("9876", 0.0);
    state().autoScoring = false;  // scorer off: the answer is whatever is selected
    Answer(3, 1);
    ExpectRecordsWindow();
    window->кнпДумать_Click();
    EXPECT_EQ(state().compGuess, "Ошибка !");
    EXPECT_EQ(state().lastUser.tries, "-");
    EXPECT_EQ(state().gameStart, -1);
}

TEST_F(Duel, CheckCountsRefusesASumAboveFour) {
    Start(QString(), 0.0);
    Guess("5678", 0.0);
    for (auto [exact, partial] : {std::pair{0, 4}, {0, 0}, {4, 0}, {0, 0}, {2, 2}}) Answer(exact, partial);
    EXPECT_TRUE(platform.boxes.empty());

    Answer(0, 0);
    exactButton(3)->setChecked(true);
    partialButton(2)->setChecked(true);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Не может быть одновременно 2 шелв(а,ы) и 3 злык(а)");
    EXPECT_EQ(platform.boxes[0].title, "Шелвы и злыки");
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(selectedExact(), 0);
    EXPECT_EQ(selectedPartial(), 0);
    EXPECT_EQ(state().exactCount, 0);
    EXPECT_EQ(state().partialCount, 0);

    exactButton(4)->setChecked(true);
    partialButton(4)->setChecked(true);
    EXPECT_EQ(platform.boxes.back().text, "Не может быть одновременно 4 шелв(а,ы) и 4 злык(а)");

    // With automatic scoring switched on any pair is stored without a word.
    state().autoScoring = true;
    platform.boxes.clear();
    Answer(3, 2);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(state().exactCount, 3);
    EXPECT_EQ(state().partialCount, 2);
}

TEST_F(Duel, TheScorerSelectsTheAnswerForTheGuessOnScreen) {
    Start("1234", 0.5);
    Guess("5678", 0.5);
    const struct {
        const char* guess;
        int exact, partial;
    } cases[] = {{"2143", 0, 4}, {"1243", 2, 2}, {"5678", 0, 0}, {"1234", 4, 0}, {"", 0, 0}};
    for (const auto& c : cases) {
        state().compGuess = c.guess;
        window->Часы_Timer();
        EXPECT_EQ(selectedExact(), c.exact) << c.guess;
        EXPECT_EQ(selectedPartial(), c.partial) << c.guess;
        EXPECT_EQ(state().exactCount, c.exact);
        EXPECT_EQ(state().partialCount, c.partial);
    }
    EXPECT_TRUE(platform.boxes.empty());

    // Switched off, the scorer stops and the last answer stands for the move.
    state().compGuess = "1243";
    window->Часы_Timer();
    state().autoScoring = false;
    state().compGuess = "1234";  // a tick now would answer 4 and 0
    window->Часы_Timer();
    EXPECT_FALSE(scorerTicking());
    EXPECT_EQ(selectedExact(), 2);
    state().compGuess = "1243";
    window->кнпДумать_Click();
    EXPECT_EQ(computer().candidateCount(), Expected("1243", {2, 2}));
}

// A person's guess over the network is answered as it comes and the turn
// comes straight back: its guess and answer stay in the opponent's row until
// the player types a digit, and give no answer of the player's own.
TEST_F(Duel, APersonsLastGuessStaysOnShowUntilThePlayerTypes) {
    Start("1234", 0.5);
    state().opponentName = "Боря";
    state().compMoves = {Move{"5178", {1, 1}}};
    state().phase = Phase::UserToMove;
    window->Refresh();
    EXPECT_FALSE(picturesHidden("imgNumberVK"));
    EXPECT_TRUE(picturesHidden("imgNumberMV"));
    EXPECT_EQ(computerGuessPictures(), "5178");
    EXPECT_EQ(selectedExact(), 1);
    EXPECT_EQ(selectedPartial(), 1);
    EXPECT_EQ(state().exactCount, 0);
    EXPECT_EQ(state().compMoves.size(), 1u);

    AddDigit(state(), platform, nullptr, 9);
    window->Refresh();
    EXPECT_TRUE(picturesHidden("imgNumberVK"));
    EXPECT_FALSE(picturesHidden("imgNumberMV"));
    EXPECT_EQ(selectedExact(), 0);

    // Against the computer the row stays empty on the player's turn.
    state().opponentName.clear();
    ClearComposedGuess(state());
    window->Refresh();
    EXPECT_TRUE(picturesHidden("imgNumberVK"));
}

// Over the network the status bar says where the waiting stands and counts the last 30 seconds
// of the player's move down.
TEST_F(Duel, TheStatusBarFollowsTheDuelOverTheNetwork) {
    state().joiningAddress = "[::1]:49325";
    window->Refresh();
    EXPECT_EQ(hintPanel(), "Соединяемся с [::1]:49325 ...");
    state().hostAnswerAwaited = true;
    window->Refresh();
    EXPECT_EQ(hintPanel(), "Ждём ответа соперника ...");
    state().joiningAddress.clear();
    state().hostAnswerAwaited = false;
    state().waitingPort = 24747;
    window->Refresh();
    EXPECT_EQ(hintPanel(), "Ждём соперника: порт 24747");
    state().networkNote = "Игрок «Гость» ушёл, не дождавшись ответа.";
    window->Refresh();
    EXPECT_EQ(hintPanel(), "Игрок «Гость» ушёл, не дождавшись ответа.");
    state().waitingPort = 0;
    state().networkNote.clear();

    Start("1234", 0.5);
    state().opponentName = "Боря";
    state().moveDeadline = platform.monotonic + 31;
    window->TimerTimer_Timer();
    EXPECT_EQ(hintPanel(), "Ваш ход");
    platform.monotonic += 6.5;  // 24.5 s left
    window->TimerTimer_Timer();
    EXPECT_EQ(hintPanel(), "На ход осталось 25 с");
    platform.monotonic += 40;
    window->TimerTimer_Timer();
    EXPECT_EQ(hintPanel(), "На ход осталось 0 с");
    state().moveDeadline.reset();  // the move is made
    window->TimerTimer_Timer();
    EXPECT_EQ(hintPanel(), "Ваш ход");
}

TEST_F(Duel, TheSwitchNeverStartsTheScorerForAHiddenNumber) {
    Start(QString(), 0.0);  // the secret is 1234
    Guess("5678", 0.0);     // the computer guesses 1234
    Answer(1, 2);
    state().autoScoring = true;
    window->Часы_Timer();
    EXPECT_FALSE(scorerTicking());
    EXPECT_EQ(selectedExact(), 1);  // no tick answers for the user
    EXPECT_EQ(selectedPartial(), 2);
    EXPECT_EQ(state().exactCount, 1);
}

TEST_F(Duel, NothingReentersTheFilter) {
    Start("1243", 0.0);
    Guess("5678", 0.0);
    const size_t prompts = platform.inputPrompts.size();
    platform.onProcessEvents = [&] {
        if (platform.processEventsCalls % 500 != 0) return;
        window->кнпДумать_Click();
        window->mnuGameNew_Click();
        window->кнпСчитать_Click();
        state().playNowRequested = true;
        window->ЧасыRND_Timer();
    };
    window->кнпДумать_Click();
    platform.onProcessEvents = nullptr;
    EXPECT_EQ(platform.inputPrompts.size(), prompts);
    EXPECT_EQ(computer().candidateCount(), Expected("1234", {2, 2}));
    EXPECT_EQ(historyLines().size(), 1);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(state().playNowRequested);  // a new game asked for now waits for the next tick
}

TEST_F(Duel, ACloseDuringTheFilterIsCarriedOutAfterIt) {
    Start("1243", 0.0);
    Guess("5678", 0.0);
    platform.onProcessEvents = [&] {
        if (platform.processEventsCalls % 700 == 0) window->close();
    };
    window->кнпДумать_Click();
    platform.onProcessEvents = nullptr;
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(computer().candidateCount(), Expected("1234", {2, 2}));
    EXPECT_EQ(find("фрмЗагрузка"), nullptr);
}

TEST_F(Duel, TheGameClockCountsRealElapsedTime) {
    Start("1234", 0.0);
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "00:00");
    platform.monotonic += 59.4;
    platform.midnightSeconds = 3;  // midnight passed: the wall clock does not matter
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "00:59");
    platform.monotonic += 0.6;
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "01:00");
    platform.monotonic += 125 * 60;
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "126:00");
}

TEST_F(Duel, TheFastTimerDrawsOneValueAndStartsARequestedGame) {
    const int draws = platform.randomDraws;
    window->ЧасыRND_Timer();
    window->ЧасыRND_Timer();
    EXPECT_EQ(platform.randomDraws, draws + 2);
    EXPECT_TRUE(platform.inputPrompts.empty());

    state().playNowRequested = true;
    platform.inputs = {"1234"};
    window->ЧасыRND_Timer();
    EXPECT_FALSE(state().playNowRequested);
    EXPECT_EQ(platform.inputPrompts.size(), 1u);
    EXPECT_FALSE(hidden("кнпСчитать"));
}

TEST_F(Duel, AWholeGameWithTheNumberTyped) {
    Start("5678", 0.0);  // secret 1234
    Guess("9876", 0.0);  // the computer guesses 1234, scored 0 0
    window->кнпДумать_Click();
    EXPECT_EQ(computer().candidateCount(), 120);
    platform.monotonic += 83;
    window->TimerTimer_Timer();

    ExpectRecordsWindow(QStringLiteral("Ира"));
    state().composedGuess = "1234";
    window->кнпСчитать_Click();  // the user wins with the second guess

    EXPECT_EQ(historyLines().size(), 1);  // the winning guess is not listed
    EXPECT_EQ(state().lastUser.tries, "2");
    EXPECT_EQ(state().lastUser.number, "1234");
    EXPECT_EQ(state().lastUser.time, "01:23");
    EXPECT_EQ(state().records[0].name, "Ира");
    EXPECT_EQ(state().records[0].tries, 2);
    EXPECT_EQ(state().records[0].number, "1234");
    EXPECT_EQ(state().newRecordPlace, 0);
    EXPECT_EQ(hintPanel(), "Жми 'Игра' --> 'Новая игра' или 'F2'");
    EXPECT_EQ(state().gameStart, -1);
    EXPECT_FALSE(enabled("СписокЧШЗ"));
    EXPECT_TRUE(hidden("кнпСчитать"));
    EXPECT_TRUE(hidden("кнпДумать"));
    EXPECT_FALSE(state().guessOpen());
    EXPECT_FALSE(isRed("lblMV"));
    EXPECT_FALSE(isRed("lblVK"));
    window->TimerTimer_Timer();
    EXPECT_EQ(clockPanel(), "стоим");
    EXPECT_EQ(platform.unscripted, 0);
}

TEST_F(Duel, AWholeGameWithTheNumberHidden) {
    const std::string mine = "2468";
    const char* kGuesses[] = {"5678", "5679", "5689", "5789", "6789", "9876",
                              "9875", "9865", "9765", "8765", "8764", "8754"};
    Start(QString(), 0.0);  // secret 1234
    int computerGuesses = 0;
    for (int turn = 0; turn < 12 && !state().compGuessed(); ++turn) {
        Guess(kGuesses[turn], 0.37);
        const std::string guess = state().compGuess;
        ASSERT_EQ(guess.size(), 4u);
        ++computerGuesses;
        const Score score = ScoreGuess(guess, mine);
        if (score.exact == 4) {
            ExpectRecordsWindow();
            platform.answers = {MsgAnswer::Yes};
        }
        Answer(score.exact, score.partial);
        window->кнпДумать_Click();
    }
    EXPECT_TRUE(state().compGuessed());
    EXPECT_EQ(state().lastComp.number, mine);
    EXPECT_EQ(state().lastComp.tries, std::to_string(computerGuesses));
    ASSERT_EQ(platform.boxTexts(), std::vector<QString>{"Вы хотите продолжить игру до разоблачения компьютера ?"});

    ExpectRecordsWindow(QStringLiteral("Ян"));
    state().composedGuess = "1234";
    window->кнпСчитать_Click();
    EXPECT_EQ(state().lastUser.number, "1234");
    EXPECT_EQ(state().lastUser.tries, std::to_string(computerGuesses + 1));
    EXPECT_EQ(state().gameStart, -1);
    EXPECT_EQ(platform.unscripted, 0);
}

}  // namespace
}  // namespace duel::testing
