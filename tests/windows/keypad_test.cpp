// The keypad window: digit entry, Cancel, marks, the busy guard, layout, docking and keeping to the screen.
#include "duel/duel.h"
#include "rules/dock_geometry.h"
#include "rules/twips.h"
#include "tests/support/window_fixture.h"
#include "windows/keypad_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

namespace duel::testing {
namespace {

class KeypadTest : public WindowTest {
protected:
    KeypadWindow& keypad() { return *findAs<KeypadWindow>(QStringLiteral("фрмЧифры")); }
    QString guess() const { return QString::fromStdString(state().composedGuess); }
    QPushButton& digit(int d) { return *find<QPushButton>(QStringLiteral("кнп%1").arg(d)); }
    QPushButton& cancel() { return *find<QPushButton>(QStringLiteral("кнпОтмена")); }
    QString shown() const { return guessPictures(); }

    void clickDigits(const QString& digits) {
        for (QChar c : digits) digit(c.digitValue()).click();
    }

    static void press(QWidget& target, Qt::MouseButton button) {
        const QPointF centre = QRectF(target.rect()).center();
        QMouseEvent event(QEvent::MouseButtonPress, centre, target.mapToGlobal(centre), button, button, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
    static void release(QWidget& target, Qt::MouseButton button) {
        const QPointF centre = QRectF(target.rect()).center();
        QMouseEvent event(QEvent::MouseButtonRelease, centre, target.mapToGlobal(centre), button, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    // Pending moves reach the windows' geometry.
    static void settle() { QApplication::processEvents(); }
};

TEST_F(KeypadTest, DigitsFillTheDisplayFromTheRightAndAFifthIsIgnored) {
    StartGame(QStringLiteral("5678"));
    ASSERT_TRUE(state().guessOpen());
    EXPECT_EQ(shown(), QStringLiteral("0000"));

    const std::vector<std::pair<int, QString>> steps{{1, "0001"}, {2, "0012"}, {3, "0123"}, {4, "1234"}, {5, "1234"}};
    for (const auto& [d, display] : steps) {
        digit(d).click();
        EXPECT_EQ(shown(), display) << "after " << d;
    }
    EXPECT_EQ(guess(), QStringLiteral("1234"));
    EXPECT_TRUE(platform.boxes.empty());
}

// A full guess refuses a fifth digit without a word, yet its Cancel stays
// shown and takes the last digit back, after which digits go in again.
TEST_F(KeypadTest, AFullGuessRefusesAFifthDigitWhileCancelStaysUsable) {
    StartGame(QStringLiteral("5678"));
    clickDigits(QStringLiteral("12345"));
    keypad().UpdateCancelButton();
    EXPECT_EQ(guess(), QStringLiteral("1234"));
    EXPECT_TRUE(cancel().isVisible());
    EXPECT_TRUE(cancel().isEnabled());

    cancel().click();
    EXPECT_EQ(guess(), QStringLiteral("123"));
    EXPECT_EQ(shown(), QStringLiteral("0123"));
    digit(5).click();
    EXPECT_EQ(guess(), QStringLiteral("1235"));
    EXPECT_EQ(shown(), QStringLiteral("1235"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(KeypadTest, RepeatedDigitIsRefusedWithOneMessage) {
    StartGame(QStringLiteral("5678"));
    clickDigits(QStringLiteral("121"));

    EXPECT_EQ(guess(), QStringLiteral("12"));
    EXPECT_EQ(shown(), QStringLiteral("0012"));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Числа не должны повторяться !"));
    EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Шелвы и злыки"));
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);

    // The repeat of the last digit is refused as well; a new digit still goes in.
    clickDigits(QStringLiteral("23"));
    EXPECT_EQ(guess(), QStringLiteral("123"));
    EXPECT_EQ(platform.boxes.size(), 2u);
}

TEST_F(KeypadTest, CancelTakesDigitsBackAndFollowsTheField) {
    StartGame(QStringLiteral("5678"));
    keypad().UpdateCancelButton();
    EXPECT_TRUE(cancel().isHidden());

    clickDigits(QStringLiteral("123"));
    keypad().UpdateCancelButton();
    EXPECT_TRUE(cancel().isVisible());

    cancel().click();
    EXPECT_EQ(guess(), QStringLiteral("12"));
    EXPECT_EQ(shown(), QStringLiteral("0012"));
    cancel().click();
    cancel().click();
    EXPECT_EQ(shown(), QStringLiteral("0000"));
    keypad().UpdateCancelButton();
    EXPECT_TRUE(cancel().isHidden());

    // A click that arrives before the tick hides the button changes nothing.
    cancel().click();
    EXPECT_EQ(guess(), QString());
    EXPECT_EQ(shown(), QStringLiteral("0000"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(KeypadTest, AClosedGuessTakesNoDigitsButCancelStillShortensIt) {
    StartGame(QStringLiteral("5678"));
    clickDigits(QStringLiteral("123"));
    state().phase = Phase::ComputerToMove;  // the guess is closed on the computer's turn

    digit(4).click();
    digit(1).click();
    EXPECT_EQ(guess(), QStringLiteral("123"));
    EXPECT_TRUE(platform.boxes.empty());

    cancel().click();
    EXPECT_EQ(guess(), QStringLiteral("12"));
    EXPECT_EQ(shown(), QStringLiteral("0123"));  // not redrawn while closed

    // The next redraw on an open guess catches up.
    state().phase = Phase::UserToMove;
    window->Refresh();
    EXPECT_EQ(shown(), QStringLiteral("0012"));
}

TEST_F(KeypadTest, OddOrdersAndForeignTextDoNotBreakTheDisplay) {
    StartGame(QStringLiteral("5678"));
    for (int notADigit : {0, 10, -1, 200}) AddDigit(state(), platform, window.get(), notADigit);
    EXPECT_EQ(guess(), QString());

    // Text set past the keypad shows at the next redraw; a non-digit is a dash.
    state().composedGuess = "7a";
    window->Refresh();
    EXPECT_EQ(shown(), QStringLiteral("007-"));

    // A non-digit never counts as a repeat.
    digit(7).click();
    EXPECT_EQ(guess(), QStringLiteral("7a"));
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(KeypadTest, RightClicksCycleTheMarkAndLeftClickStillEntersTheDigit) {
    StartGame(QStringLiteral("1234"));
    QPushButton& five = digit(5);
    for (const char* mark : {"?", "X", "5", "?", "X"}) {
        press(five, Qt::RightButton);
        release(five, Qt::RightButton);
        EXPECT_EQ(five.text(), QString::fromUtf8(mark));
    }
    EXPECT_EQ(guess(), QString());  // the right button enters nothing

    press(five, Qt::LeftButton);
    release(five, Qt::LeftButton);
    EXPECT_EQ(five.text(), QStringLiteral("X"));
    EXPECT_EQ(guess(), QStringLiteral("5"));
    EXPECT_EQ(shown(), QStringLiteral("0005"));

    // Marks belong to the run, not to the game.
    StartGame(QStringLiteral("1234"));
    EXPECT_EQ(five.text(), QStringLiteral("X"));
    EXPECT_EQ(digit(4).text(), QStringLiteral("4"));
}

TEST_F(KeypadTest, AQuickSecondRightPressStillStepsTheMark) {
    // The second press of a quick pair arrives as a double click.
    QPushButton& five = digit(5);
    press(five, Qt::RightButton);
    release(five, Qt::RightButton);
    const QPointF centre = QRectF(five.rect()).center();
    QMouseEvent twice(QEvent::MouseButtonDblClick, centre, five.mapToGlobal(centre), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&five, &twice);
    EXPECT_EQ(five.text(), QStringLiteral("X"));
}

TEST_F(KeypadTest, ADigitAlreadyInAFullGuessChangesNothing) {
    StartGame(QStringLiteral("5678"));
    clickDigits(QStringLiteral("12341"));
    EXPECT_EQ(guess(), QStringLiteral("1234"));
    EXPECT_EQ(shown(), QStringLiteral("1234"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(KeypadTest, ButtonsDoNothingWhileTheListIsBeingBuilt) {
    bool tried = false;
    platform.onProcessEvents = [&] {
        if (tried || !state().busy) return;
        tried = true;
        state().composedGuess = "12";
        digit(3).click();
        cancel().click();
        EXPECT_EQ(guess(), QStringLiteral("12"));
    };
    StartGame(QStringLiteral("1234"));
    EXPECT_TRUE(tried) << "the new game never let events run while busy";
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(KeypadTest, WindowLayoutInTwips) {
    KeypadWindow& pad = keypad();
    EXPECT_EQ(pad.objectName(), QStringLiteral("фрмЧифры"));
    EXPECT_EQ(pad.size(), QSize(177, 81));
    EXPECT_TRUE(pad.isVisible());
    EXPECT_TRUE(pad.windowTitle().isEmpty());
    EXPECT_EQ(pad.parentWidget(), nullptr);

    const QStringList tips{"один", "два", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять"};
    for (int d = 1; d <= 9; ++d) {
        QPushButton& button = digit(d);
        const int column = (d - 1) % 5;
        const int row = (d - 1) / 5;
        EXPECT_EQ(button.geometry(), QRect(TwipsToPixels(120 + 480 * column), TwipsToPixels(120 + 480 * row), 33, 33))
            << d;
        EXPECT_EQ(button.text(), QString::number(d));
        EXPECT_EQ(button.toolTip(), tips[d - 1]);
        EXPECT_EQ(button.parentWidget(), &pad);
    }
    EXPECT_EQ(cancel().geometry(), QRect(TwipsToPixels(2040), TwipsToPixels(600), 33, 33));
    EXPECT_TRUE(cancel().text().isEmpty());
    EXPECT_FALSE(cancel().icon().isNull());
    EXPECT_EQ(cancel().toolTip(), QStringLiteral("Отмена"));
    EXPECT_TRUE(cancel().isHidden());

    QWidget* next = &digit(1);
    for (int d = 2; d <= 9; ++d) {
        next = next->nextInFocusChain();
        EXPECT_EQ(next, &digit(d));
    }
    EXPECT_EQ(next->nextInFocusChain(), &cancel());
}

TEST_F(KeypadTest, OnlyUnloadClosesTheKeypad) {
    QCloseEvent byWindowManager;
    QApplication::sendEvent(&keypad(), &byWindowManager);
    EXPECT_FALSE(byWindowManager.isAccepted());
    keypad().close();
    EXPECT_TRUE(keypad().isVisible());

    keypad().Unload();
    EXPECT_FALSE(keypad().isVisible());
}

// ---- docking ----

class KeypadDockingTest : public KeypadTest {
protected:
    // The tests run the step themselves; the real timer must not run it between.
    void SetUp() override {
        KeypadTest::SetUp();
        timer(QStringLiteral("ЧасыRND"))->stop();
    }

    QRect main() const { return window->frameGeometry(); }
    QRect pad() { return keypad().frameGeometry(); }

    void moveMain(QPoint to) {
        window->move(to);
        settle();
    }
    void tick() {
        window->ЧасыRND_Timer();
        settle();
    }
    void expectUnderMain() { EXPECT_EQ(pad().top(), main().top() + main().height()); }
};

TEST_F(KeypadDockingTest, StartsCentredUnderTheMainWindow) {
    moveMain({300, 200});
    state().keypadDock = kDockCentre;
    keypad().Form_Load();
    settle();
    expectUnderMain();
    EXPECT_LE(std::abs(pad().center().x() - main().center().x()), 1);

    tick();  // the first tick takes the placement over
    EXPECT_EQ(keypad().docking().appliedDock, kDockCentre);
    EXPECT_EQ(keypad().docking().mainCorner.left, PixelsToTwips(main().x()));
    EXPECT_EQ(keypad().docking().mainCorner.top, PixelsToTwips(main().y()));
    expectUnderMain();
}

TEST_F(KeypadDockingTest, FollowsTheMainWindowOnTheNextTick) {
    tick();
    moveMain({200, 150});
    EXPECT_NE(pad().top(), main().top() + main().height());
    tick();
    expectUnderMain();
    EXPECT_LE(std::abs(pad().center().x() - main().center().x()), 1);

    // Nothing changed: the step leaves the keypad where it is.
    keypad().move(5, 5);
    settle();
    tick();
    EXPECT_EQ(pad().topLeft(), QPoint(5, 5));

    moveMain({-40, 30});
    tick();
    expectUnderMain();
}

TEST_F(KeypadDockingTest, NewPlacementRecomputesTheOffset) {
    moveMain({100, 100});
    tick();
    state().keypadDock = kDockLeft;
    tick();
    EXPECT_EQ(keypad().docking().offset, 0);
    EXPECT_EQ(pad().left(), main().left());
    expectUnderMain();

    state().keypadDock = kDockRight;
    tick();
    EXPECT_EQ(pad().left() + pad().width(), main().left() + main().width());
    expectUnderMain();

    // A placement out of range keeps the offset it had.
    const int32_t offset = keypad().docking().offset;
    state().keypadDock = 9;
    tick();
    EXPECT_EQ(keypad().docking().offset, offset);
    EXPECT_EQ(keypad().docking().appliedDock, 9);
    EXPECT_EQ(pad().left() + pad().width(), main().left() + main().width());
}

TEST_F(KeypadDockingTest, AWidthChangeAloneMovesNothing) {
    state().keypadDock = kDockRight;
    tick();
    const QPoint docked = pad().topLeft();
    const int32_t offset = keypad().docking().offset;

    window->setFixedWidth(window->width() + 60);
    settle();
    tick();
    EXPECT_EQ(pad().topLeft(), docked);
    EXPECT_EQ(keypad().docking().offset, offset);

    // The next move keeps the old offset.
    moveMain({main().x() + 10, main().y()});
    tick();
    EXPECT_EQ(pad().left(), docked.x() + 10);
}

TEST_F(KeypadDockingTest, AHeightChangeDocksAgain) {
    // The window manager's frame arrives after the first docking and makes
    // the main window taller without moving its corner.
    tick();
    window->setFixedHeight(window->height() + 21);
    settle();
    tick();
    expectUnderMain();
}

TEST_F(KeypadDockingTest, PlacementOutOfRangeFromTheSettingsLeftAligns) {
    state().keypadDock = 0;
    StartProgram();  // the close keeps it in the settings file, the start reads it back
    ASSERT_EQ(state().keypadDock, 0);
    timer(QStringLiteral("ЧасыRND"))->stop();
    moveMain({300, 200});
    tick();
    EXPECT_EQ(keypad().docking().offset, 0);
    EXPECT_EQ(pad().left(), main().left());
    expectUnderMain();
}

// ---- whole on the screen ----

// The screen is the platform's; at QT_SCALE_FACTOR=2 a 1280 x 1024 screen is 640 x 512 logical pixels.
class KeypadOnScreenTest : public KeypadDockingTest {
protected:
    const QRect screen{0, 0, 640, 512};
    void expectOnScreen(const QRect& frame, const char* what) {
        EXPECT_TRUE(screen.contains(frame))
            << what << " " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    }
};

TEST_F(KeypadOnScreenTest, ASavedPlaceTooLowAndRightStartsWithThePairWhole) {
    platform.screen = screen.size();
    window->move(495, 370);  // where a run at scale 1 left it
    StartProgram();          // the close saves the place, the start reads it back
    timer(QStringLiteral("ЧасыRND"))->stop();
    tick();
    expectOnScreen(main(), "main window");
    expectOnScreen(pad(), "keypad");
    expectUnderMain();
    // Moved no further than needed: the pair's bottom or right edge lies within a guessed frame of the screen's.
    EXPECT_GE(pad().bottom() + 25, screen.bottom());
    EXPECT_GE(main().right() + 6, screen.right());

    // A place that fits is kept exactly.
    window->move(40, 30);
    StartProgram();
    EXPECT_EQ(main().topLeft(), QPoint(40, 30));
}

TEST_F(KeypadOnScreenTest, DraggedLowTheMainWindowStaysAndTheKeypadKeepsToTheScreen) {
    platform.screen = screen.size();
    moveMain({300, 400});
    tick();
    EXPECT_EQ(main().topLeft(), QPoint(300, 400));  // the player's drag is not undone
    expectOnScreen(pad(), "keypad");
    EXPECT_EQ(pad().bottom(), screen.bottom());
    EXPECT_LE(std::abs(pad().center().x() - main().center().x()), 1);  // still centred on the main window

    moveMain({560, 100});  // over the right edge
    tick();
    expectOnScreen(pad(), "keypad");
    EXPECT_EQ(pad().right(), screen.right());
    expectUnderMain();

    moveMain({100, 100});  // back: docked again
    tick();
    expectUnderMain();
    EXPECT_LE(std::abs(pad().center().x() - main().center().x()), 1);
}

}  // namespace
}  // namespace duel::testing
