// The keypad's arrow windows: hover zones, clicks, following the keypad, going away.
#include "rules/dock_geometry.h"
#include "rules/twips.h"
#include "tests/support/window_fixture.h"
#include "windows/arrow_window.h"
#include "windows/keypad_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

namespace duel::testing {
namespace {

class ArrowWindowsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        timer(QStringLiteral("ЧасыRND"))->stop();  // the test runs the ticks itself
        window->move(300, 200);
        settle();
        tick();
    }

    KeypadWindow& keypad() { return *findAs<KeypadWindow>(QStringLiteral("фрмЧифры")); }
    ArrowWindow& leftArrow() { return *findAs<ArrowWindow>(QStringLiteral("frmLButton")); }
    ArrowWindow& rightArrow() { return *findAs<ArrowWindow>(QStringLiteral("frmRButton")); }
    // The arrow window's one button, cmdLeft or cmdRight.
    static QPushButton* arrowButton(ArrowWindow& arrow) { return arrow.findChild<QPushButton*>(); }
    QRect main() const { return window->frameGeometry(); }
    QRect pad() { return keypad().frameGeometry(); }

    static void settle() { QApplication::processEvents(); }
    void tick() {
        window->ЧасыRND_Timer();
        settle();
    }
    void placeAt(int32_t dock) {
        state().keypadDock = dock;
        tick();
    }

    // A pointer move with no button held, at twips of `target`'s client area.
    static void moveTo(QWidget& target, double xTwips, double yTwips) {
        const QPointF at(xTwips / PixelsToTwips(1), yTwips / PixelsToTwips(1));
        QMouseEvent move(QEvent::MouseMove, at, target.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &move);
    }
    void hoverLeftStrip() { moveTo(keypad(), 10, 600); }
    void hoverRightStrip() { moveTo(keypad(), 2640, 600); }

    // The arrow window stands beside the keypad on its side, centred on it.
    void expectBesideKeypad(ArrowWindow& arrow) {
        const QRect own = arrow.frameGeometry();
        if (arrow.side() == ArrowSide::Left)
            EXPECT_EQ(own.right() + 1, pad().left());
        else
            EXPECT_EQ(own.left(), pad().right() + 1);
        EXPECT_LE(std::abs((own.top() - pad().top()) - (pad().bottom() - own.bottom())), 1);
    }
};

TEST_F(ArrowWindowsTest, AreSmallFramelessToolWindowsThatNeverTakeTheFocus) {
    for (ArrowWindow* arrow : {&leftArrow(), &rightArrow()}) {
        EXPECT_EQ(arrow->size(), QSize(40, 40));                          // 600 x 600 twips
        EXPECT_EQ(arrowButton(*arrow)->geometry(), QRect(0, 0, 41, 41));  // 615 x 615 twips
        EXPECT_TRUE(arrow->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(arrow->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        EXPECT_TRUE(arrow->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_EQ(arrowButton(*arrow)->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(arrowButton(*arrow)->icon().isNull());
        EXPECT_FALSE(arrow->isVisible());
    }
    EXPECT_EQ(find<QWidget>("frmLButton"), &leftArrow());
    EXPECT_EQ(find<QPushButton>("cmdLeft")->accessibleName(), QStringLiteral("Влево"));
    EXPECT_EQ(find<QPushButton>("cmdRight")->accessibleName(), QStringLiteral("Вправо"));

    // They close with the keypad.
    hoverLeftStrip();
    hoverRightStrip();
    ASSERT_TRUE(leftArrow().isVisible() && rightArrow().isVisible());
    window->close();
    EXPECT_FALSE(leftArrow().isVisible());
    EXPECT_FALSE(rightArrow().isVisible());
}

TEST_F(ArrowWindowsTest, CentredOneLeftClickLeftAlignsWithinATick) {
    ASSERT_EQ(state().keypadDock, kDockCentre);
    hoverLeftStrip();
    ASSERT_TRUE(leftArrow().isVisible());
    EXPECT_FALSE(rightArrow().isVisible());
    EXPECT_TRUE(keypad().docking().leftArrowShown);
    expectBesideKeypad(leftArrow());

    arrowButton(leftArrow())->click();
    EXPECT_EQ(state().keypadDock, kDockLeft);
    EXPECT_FALSE(leftArrow().isVisible());
    tick();
    EXPECT_EQ(pad().left(), main().left());

    hoverLeftStrip();  // no room left
    EXPECT_FALSE(leftArrow().isVisible());
}

TEST_F(ArrowWindowsTest, FromTheRightTwoLeftClicksWithTheArrowFollowing) {
    placeAt(kDockRight);
    hoverRightStrip();  // no room right
    EXPECT_FALSE(rightArrow().isVisible());

    hoverLeftStrip();
    ASSERT_TRUE(leftArrow().isVisible());
    expectBesideKeypad(leftArrow());
    arrowButton(leftArrow())->click();
    EXPECT_EQ(state().keypadDock, kDockCentre);
    EXPECT_TRUE(leftArrow().isVisible());
    tick();
    EXPECT_LE(std::abs(pad().center().x() - main().center().x()), 1);
    expectBesideKeypad(leftArrow());

    arrowButton(leftArrow())->click();
    EXPECT_EQ(state().keypadDock, kDockLeft);
    EXPECT_FALSE(leftArrow().isVisible());
    tick();
    EXPECT_EQ(pad().left(), main().left());
}

TEST_F(ArrowWindowsTest, RightZoneReachesBelowThePaintedStripTheLeftOneDoesNot) {
    moveTo(keypad(), 10, 850);
    EXPECT_FALSE(leftArrow().isVisible());
    EXPECT_FALSE(keypad().docking().leftArrowShown);
    moveTo(keypad(), 2637, 850);
    ASSERT_TRUE(rightArrow().isVisible());
    expectBesideKeypad(rightArrow());

    arrowButton(rightArrow())->click();
    EXPECT_EQ(state().keypadDock, kDockRight);
    EXPECT_FALSE(rightArrow().isVisible());
    tick();
    EXPECT_EQ(pad().right(), main().right());
}

TEST_F(ArrowWindowsTest, GoAwayOverADigitAndOnActivationButNotOverCancel) {
    StartGame(QStringLiteral("5678"));
    find<QPushButton>("кнп1")->click();
    keypad().UpdateCancelButton();
    ASSERT_TRUE(find<QPushButton>("кнпОтмена")->isVisible());
    auto bothShown = [this] { return leftArrow().isVisible() && rightArrow().isVisible(); };

    hoverLeftStrip();
    hoverRightStrip();
    ASSERT_TRUE(bothShown());
    moveTo(*find<QPushButton>("кнпОтмена"), 200, 200);
    EXPECT_TRUE(bothShown());
    moveTo(*find<QPushButton>("кнп7"), 200, 200);
    EXPECT_FALSE(leftArrow().isVisible());
    EXPECT_FALSE(rightArrow().isVisible());

    // Activation of either window sends them away too.
    for (QWidget* activated : {static_cast<QWidget*>(&keypad()), static_cast<QWidget*>(window.get())}) {
        hoverLeftStrip();
        hoverRightStrip();
        ASSERT_TRUE(bothShown());
        activated->activateWindow();
        settle();
        if (!activated->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
        EXPECT_FALSE(leftArrow().isVisible()) << activated->objectName().toStdString();
        EXPECT_FALSE(rightArrow().isVisible());
    }
}

TEST_F(ArrowWindowsTest, MovingTheMainWindowDragsBothArrowsAlong) {
    hoverLeftStrip();
    hoverRightStrip();
    window->move(120, 90);
    settle();
    tick();
    EXPECT_EQ(pad().top(), main().bottom() + 1);
    expectBesideKeypad(leftArrow());
    expectBesideKeypad(rightArrow());
}

TEST_F(ArrowWindowsTest, StandBesideTheKeypadWhereTheScreensEdgeHoldsIt) {
    platform.screen = QSize(640, 512);
    hoverLeftStrip();
    hoverRightStrip();
    window->move(200, 420);  // the keypad's docked place is below the screen
    settle();
    tick();
    EXPECT_EQ(pad().bottom(), 511);
    expectBesideKeypad(leftArrow());
    expectBesideKeypad(rightArrow());
}

TEST_F(ArrowWindowsTest, APlacementOutOfRangeNeverShowsAnArrow) {
    // A settings file with a placement no arrow leads to: a new keypad starts at offset 0.
    state().keypadDock = 7;
    StartProgram();  // the close keeps it in the settings file, the start reads it back
    ASSERT_EQ(state().keypadDock, 7);
    timer(QStringLiteral("ЧасыRND"))->stop();
    window->move(300, 200);
    settle();
    tick();
    EXPECT_EQ(pad().left(), main().left());
    for (int y = 0; y <= 1215; y += 15) {
        for (int x = 0; x <= 2655; x += 15) moveTo(keypad(), x, y);
    }
    moveTo(keypad(), 2637, 850);
    EXPECT_FALSE(leftArrow().isVisible());
    EXPECT_FALSE(rightArrow().isVisible());
    EXPECT_FALSE(keypad().docking().leftArrowShown || keypad().docking().rightArrowShown);
}

}  // namespace
}  // namespace duel::testing
