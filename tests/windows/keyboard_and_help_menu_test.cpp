// Playing from the keyboard, and the "&Справка" menu with F1 and the about window.
#include "platform/help_viewer.h"
#include "tests/support/window_fixture.h"
#include "windows/keypad_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace duel::testing {
namespace {

class KeyboardPlayTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        timer(QStringLiteral("ЧасыRND"))->stop();
    }
    KeypadWindow& keypad() { return *findAs<KeypadWindow>(QStringLiteral("фрмЧифры")); }
    QString guess() const { return QString::fromStdString(state().composedGuess); }

    static void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &event);
    }
};

TEST_F(KeyboardPlayTest, DigitsBackspaceAndEnterPlayLikeTheMouse) {
    StartGame(QStringLiteral("5678"));
    press(window.get(), Qt::Key_1);
    press(button(QStringLiteral("кнп5")), Qt::Key_2, Qt::KeypadModifier);  // the number pad, keypad active
    EXPECT_EQ(guess(), QStringLiteral("12"));
    EXPECT_EQ(guessPictures(), QStringLiteral("0012"));

    press(window.get(), Qt::Key_1);  // refused as a click would be
    EXPECT_EQ(guess(), QStringLiteral("12"));
    EXPECT_EQ(platform.boxTexts(), (std::vector<QString>{QStringLiteral("Числа не должны повторяться !")}));

    // Backspace is Cancel, once Cancel is shown.
    press(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(guess(), QStringLiteral("12"));
    keypad().UpdateCancelButton();
    press(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(guess(), QStringLiteral("1"));

    // A held key does not repeat; Ctrl with a digit is not the game's.
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"), true);
    QApplication::sendEvent(window.get(), &repeated);
    press(window.get(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(guess(), QStringLiteral("1"));

    for (int key : {Qt::Key_2, Qt::Key_3, Qt::Key_5}) press(window.get(), key);  // the secret is 1234
    press(window.get(), Qt::Key_Return);                                         // the user's "--->"
    ASSERT_EQ(historyLines().size(), 1);
    EXPECT_TRUE(historyLines()[0].contains(QStringLiteral("1235")));
    EXPECT_TRUE(hidden("кнпСчитать"));
    ASSERT_FALSE(hidden("кнпДумать"));
    EXPECT_EQ(state().phase, Phase::ComputerToMove);

    press(&keypad(), Qt::Key_Enter);  // the computer's "--->"
    EXPECT_EQ(state().phase, Phase::UserToMove);
}

// Each digit key enters its own digit, on the main row and on the number pad.
TEST_F(KeyboardPlayTest, EveryDigitKeyEntersItsDigit) {
    StartGame(QStringLiteral("5678"));
    for (const Qt::KeyboardModifiers pad : {Qt::NoModifier, Qt::KeypadModifier}) {
        for (const QString& group : {QStringLiteral("1234"), QStringLiteral("5678"), QStringLiteral("9")}) {
            for (QChar digit : group) press(window.get(), Qt::Key_0 + digit.digitValue(), pad);
            EXPECT_EQ(guess(), group) << "number pad: " << (pad == Qt::KeypadModifier);
            for (qsizetype i = 0; i < group.size(); ++i) {
                keypad().UpdateCancelButton();
                press(window.get(), Qt::Key_Backspace);
            }
            ASSERT_EQ(guess(), QString());
        }
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(KeyboardPlayTest, NoKeyActsWithoutAGameOrWhileAModalWindowIsOpen) {
    press(window.get(), Qt::Key_Return);  // neither move button is shown
    press(window.get(), Qt::Key_5);       // the guess field is disabled
    EXPECT_EQ(state().phase, Phase::NoGame);
    EXPECT_EQ(guess(), QString());
    EXPECT_TRUE(platform.boxes.empty());

    StartGame(QStringLiteral("5678"));
    press(window.get(), Qt::Key_5);
    keypad().UpdateCancelButton();  // Cancel is shown
    QDialog modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    for (int key : {Qt::Key_6, Qt::Key_Backspace, Qt::Key_Return}) {
        press(window.get(), key);
        press(&keypad(), key);
        EXPECT_EQ(guess(), QStringLiteral("5")) << key;
    }
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(historyLines().isEmpty());
    modal.close();
    press(window.get(), Qt::Key_6);
    EXPECT_EQ(guess(), QStringLiteral("56"));
}

using HelpMenuTest = WindowTest;

TEST_F(HelpMenuTest, AboutWindowIsModalAndPlacedAgainstTheMainWindowEachTime) {
    for (const QPoint corner : {QPoint(200, 100), QPoint(420, 260)}) {
        window->move(corner);
        QApplication::processEvents();
        QRect placed;
        platform.modalScripts.push_back([&](QDialog& about) { placed = about.frameGeometry(); });
        find<QAction>(QStringLiteral("mnuInformationAbout"))->trigger();
        const QRect main = window->frameGeometry();
        EXPECT_EQ(placed.right(), main.right());
        EXPECT_EQ(placed.top(), main.top() + 33);  // 500 twips
    }
    EXPECT_EQ(platform.modalWindows,
              (std::vector<QString>{QStringLiteral("фрмО_программе"), QStringLiteral("фрмО_программе")}));
    EXPECT_EQ(platform.unscripted, 0);
}

TEST_F(HelpMenuTest, F1OpensTheGameHelpAndTheGameIsLeftAlone) {
    StartGame(QStringLiteral("5678"));
    window->activateWindow();
    QApplication::processEvents();
    if (!window->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &f1);
    find<QAction>(QStringLiteral("mnuInformationForR"))->trigger();
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{100, 500}));
    EXPECT_EQ(state().phase, Phase::UserToMove);
    EXPECT_TRUE(timer(QStringLiteral("TimerTimer"))->isActive());
}

// The keypad has the keyboard most of a game: F2 and F1 act from it as from
// the main window, and F2 from every window that is not modal: from the help
// window it starts a new game.
TEST_F(HelpMenuTest, F2AndF1WorkFromTheKeypadAndF2FromTheHelpWindow) {
    QWidget* keypad = find(QStringLiteral("фрмЧифры"));
    ASSERT_NE(keypad, nullptr);
    keypad->activateWindow();
    QApplication::processEvents();
    if (!keypad->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
    platform.inputs = {QStringLiteral("5678")};
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(keypad, &f2);
    EXPECT_EQ(platform.inputPrompts.size(), 1u);
    EXPECT_EQ(state().phase, Phase::UserToMove);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(keypad, &f1);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{100});

    HelpViewer help(platform);
    help.show();
    help.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(help.isActiveWindow());
    platform.inputs = {QStringLiteral("4321")};
    QKeyEvent again(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(&help, &again);
    EXPECT_EQ(platform.inputPrompts.size(), 2u);
    EXPECT_EQ(state().userNumber, "4321");
}

}  // namespace
}  // namespace duel::testing
