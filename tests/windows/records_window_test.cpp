// Window tests of the records window: the table on screen, name entry, reset, the menu item and placement.
#include "windows/records_window.h"

#include "rules/records_table.h"
#include "rules/twips.h"
#include "tests/support/window_fixture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace duel::testing {
namespace {

class RecordsWindowTest : public WindowTest {
protected:
    QString text(const QString& labelName) const {
        auto* label = find<QLabel>(labelName);
        return label ? label->text() : QStringLiteral("<missing %1>").arg(labelName);
    }
    QLineEdit* nameField(int place) const { return find<QLineEdit>(QStringLiteral("тксП%1").arg(place)); }
    QPushButton* button(const char* name) const { return find<QPushButton>(QString::fromUtf8(name)); }

    static void press(QWidget* target, int key, const QString& typed = QString()) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(target, &up);
    }
    static void type(QWidget* target, const QString& typed) {
        for (QChar c : typed) press(target, Qt::Key_unknown, QString(c));
    }

    // Opens the records window the way the end of a game does, running
    // `inside` while it is shown.
    void openAtGameEnd(std::function<void(QDialog&)> inside) {
        platform.modalScripts.push_back(std::move(inside));
        session->screen().ShowRecords();
    }
};

TEST_F(RecordsWindowTest, ShowsTheTableAndTheLastResults) {
    state().records[0].name = "Аня";
    state().records[1].name = "<b>Bo</b>";  // shown as typed, never as markup
    state().records[2].name = "";
    state().records[0].tries = 3;
    state().records[1].tries = 7;
    state().records[2].tries = 12;
    state().records[0].number = "1234";
    state().records[1].number = "5678";
    state().records[2].number = "-";
    state().records[0].time = "01:02";
    state().records[1].time = "10:59";
    state().records[2].time = "-";
    state().lastComp.tries = "6";
    state().lastComp.number = "9876";
    state().lastComp.time = "03:04";
    state().lastUser.tries = "-";
    state().lastUser.number = "4321";
    state().lastUser.time = "02:00";
    state().newRecordPlace = 0;

    bool ran = false;
    openAtGameEnd([&](QDialog& d) {
        ran = true;
        EXPECT_EQ(d.objectName(), QStringLiteral("фрмРекорды"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Лучшие результаты"));
        EXPECT_EQ(d.size(), QSize(234, 201));
        EXPECT_EQ(d.minimumSize(), d.maximumSize());

        const QStringList expected = {"мткП1", "Аня",   "мткР1",       "3",       "мткЧ1", "1234",  "lblT1",
                                      "01:02", "мткП2", "<b>Bo</b>",   "мткР2",   "7",     "мткЧ2", "5678",
                                      "lblT2", "10:59", "мткП3",       "",        "мткР3", "12",    "мткЧ3",
                                      "-",     "lblT3", "-",           "мткПЛРК", "6",     "мткЧ4", "9876",
                                      "lblT4", "03:04", "мткПЛРВ",     "-",       "мткЧ5", "4321",  "lblT5",
                                      "02:00", "мтк4",  "Компьютер :", "мтк5",    "Вы  :"};
        for (int i = 0; i < expected.size(); i += 2) {
            EXPECT_EQ(text(expected[i]), expected[i + 1]) << expected[i].toStdString();
        }
        EXPECT_EQ(find<QLabel>("мткП2")->textFormat(), Qt::PlainText);
        for (int place = 1; place <= 3; ++place) EXPECT_TRUE(nameField(place)->isHidden());

        // Nothing awaited: "ОК" closes.
        button("кнпОК")->click();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(platform.unscripted, 0);
    EXPECT_EQ(platform.modalWindows, std::vector<QString>{QStringLiteral("фрмРекорды")});
}

TEST_F(RecordsWindowTest, AtTheEndOfAGameHidesBothMoveButtonsAndEmptiesTheGuess) {
    StartGame(QStringLiteral("5678"), 0.0);  // the secret is 1234
    state().composedGuess = "1234";
    ASSERT_FALSE(hidden("кнпСчитать"));
    bool ran = false;
    platform.modalScripts.push_back([&](QDialog& dialog) {
        if (dialog.objectName() != QStringLiteral("фрмРекорды")) return;
        ran = true;
        EXPECT_TRUE(hidden("кнпСчитать"));
        EXPECT_TRUE(hidden("кнпДумать"));
        EXPECT_EQ(state().composedGuess, "");
        EXPECT_EQ(guessPictures(), QStringLiteral("0000"));
    });
    window->кнпСчитать_Click();  // the user wins
    EXPECT_TRUE(ran);
    // The records window of a game's end leaves the turn marks to the next game.
    StartGame(QStringLiteral("5678"), 0.0);
    EXPECT_TRUE(isRed(QStringLiteral("lblMV")));
}

TEST_F(RecordsWindowTest, NewRecordHolderTypesANameWhileTheWindowRefusesToClose) {
    ResetRecords(state());
    RecordUserWin(state(), 5, "5678", "01:23");
    ASSERT_EQ(state().newRecordPlace, 2);

    bool ran = false;
    openAtGameEnd([&](QDialog& d) {
        ran = true;
        QLineEdit* field = nameField(2);
        EXPECT_FALSE(field->isHidden());
        EXPECT_EQ(d.focusWidget(), field);
        EXPECT_TRUE(nameField(1)->isHidden());
        EXPECT_TRUE(nameField(3)->isHidden());
        EXPECT_EQ(field->geometry(), find<QLabel>("мткП2")->geometry());
        EXPECT_EQ(text("мткП1"), QString());
        EXPECT_EQ(text("мткП2"), QString());
        EXPECT_EQ(text("мткП3"), QString());
        EXPECT_EQ(text("мткР2"), QStringLiteral("5"));
        EXPECT_EQ(text("мткЧ2"), QStringLiteral("5678"));
        EXPECT_EQ(text("lblT2"), QStringLiteral("01:23"));
        EXPECT_EQ(text("мткПЛРВ"), QStringLiteral("5"));

        // Every way out is refused while the name is awaited.
        button("кнпОК")->click();
        EXPECT_TRUE(d.isVisible());
        button("кнпСброс")->click();
        EXPECT_EQ(state().records[1].tries, 5);
        EXPECT_EQ(text("мткР2"), QStringLiteral("5"));
        EXPECT_FALSE(d.close());
        press(field, Qt::Key_Escape);
        d.reject();
        d.accept();
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(field->isHidden());

        type(field, QStringLiteral("Вася"));
        press(field, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "Enter confirms the name and leaves the window open";
        EXPECT_TRUE(field->isHidden());
        EXPECT_EQ(text("мткП1"), QStringLiteral("Профи"));
        EXPECT_EQ(text("мткП2"), QStringLiteral("Вася"));
        EXPECT_EQ(text("мткП3"), QStringLiteral("Балбес"));
        EXPECT_EQ(state().records[1].name, "Вася");
        EXPECT_EQ(state().newRecordPlace, 0);

        button("кнпОК")->click();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(platform.unscripted, 0);
}

TEST_F(RecordsWindowTest, EmptyNameIsAcceptedAndOutOfRangePlaceAsksForNone) {
    ResetRecords(state());
    RecordUserWin(state(), 2, "1234", "00:10");
    ASSERT_EQ(state().newRecordPlace, 1);
    openAtGameEnd([&](QDialog& d) {
        press(nameField(1), Qt::Key_Enter);
        EXPECT_EQ(state().records[0].name, "");
        EXPECT_EQ(text("мткП1"), QString());
        EXPECT_TRUE(d.close());
    });
    EXPECT_EQ(platform.unscripted, 0);

    state().newRecordPlace = 7;
    openAtGameEnd([&](QDialog& d) {
        for (int place = 1; place <= 3; ++place) EXPECT_TRUE(nameField(place)->isHidden());
        EXPECT_EQ(text("мткП2"), QStringLiteral("Бывалый"));
        EXPECT_TRUE(d.close());
    });
    EXPECT_EQ(platform.unscripted, 0);
}

TEST_F(RecordsWindowTest, NameFieldTakesEightStorableCharactersAtMost) {
    state().newRecordPlace = 3;
    openAtGameEnd([&](QDialog&) {
        QLineEdit* field = nameField(3);
        type(field, QStringLiteral("АннаМария"));
        EXPECT_EQ(field->text(), QStringLiteral("АннаМари"));

        field->clear();
        // A bell, a CJK letter, a Latin letter with macron and an emoji cannot be
        // stored; the euro sign and the numero sign can.
        field->insert(QStringLiteral("Я\u0007中\u0101€😀№"));
        EXPECT_EQ(field->text(), QStringLiteral("Я€№"));

        field->clear();
        field->insert(QStringLiteral("123456789ABC"));
        EXPECT_EQ(field->text(), QStringLiteral("12345678"));

        press(field, Qt::Key_Return);
    });
    EXPECT_EQ(state().records[2].name, "12345678");
    EXPECT_EQ(platform.unscripted, 0);
}

TEST_F(RecordsWindowTest, ResetRestoresTheFirstTableOnScreenAndInTheState) {
    state().records[0].name = "A";
    state().records[1].name = "B";
    state().records[2].name = "C";
    state().records[0].tries = 1;
    state().records[1].tries = 2;
    state().records[2].tries = 3;
    state().records[0].number = state().records[1].number = state().records[2].number = "1234";
    state().records[0].time = state().records[1].time = state().records[2].time = "00:01";
    state().lastComp.tries = state().lastUser.tries = "5";
    state().lastComp.number = state().lastUser.number = "5678";
    state().lastComp.time = state().lastUser.time = "09:09";
    state().newRecordPlace = 0;

    openAtGameEnd([&](QDialog& d) {
        button("кнпСброс")->click();
        EXPECT_TRUE(d.isVisible());
        const QStringList expected = {
            "мткП1",   "Профи", "мткР1", "4", "мткЧ1", "-",      "lblT1",   "-", "мткП2", "Бывалый", "мткР2", "6",
            "мткЧ2",   "-",     "lblT2", "-", "мткП3", "Балбес", "мткР3",   "9", "мткЧ3", "-",       "lblT3", "-",
            "мткПЛРК", "-",     "мткЧ4", "-", "lblT4", "-",      "мткПЛРВ", "-", "мткЧ5", "-",       "lblT5", "-"};
        for (int i = 0; i < expected.size(); i += 2) {
            EXPECT_EQ(text(expected[i]), expected[i + 1]) << expected[i].toStdString();
        }
    });
    EXPECT_EQ(state().records[1].name, "Бывалый");
    EXPECT_EQ(state().records[0].tries, 4);
    EXPECT_EQ(state().records[1].tries, 6);
    EXPECT_EQ(state().records[2].tries, 9);
    EXPECT_EQ(state().records[2].number, "-");
    EXPECT_EQ(state().records[0].time, "-");
    for (const std::string* last : {&state().lastComp.tries, &state().lastComp.number, &state().lastComp.time,
                                    &state().lastUser.tries, &state().lastUser.number, &state().lastUser.time}) {
        EXPECT_EQ(*last, "-");
    }
}

TEST_F(RecordsWindowTest, OpenedFromTheMenuOnTheUsersTurnKeepsTheMoveButtons) {
    StartGame(QStringLiteral("1234"));
    button("кнп5")->click();
    button("кнп6")->click();
    ASSERT_EQ(guessPictures(), QStringLiteral("0056"));
    bool ran = false;
    platform.modalScripts.push_back([&](QDialog&) {
        ran = true;
        EXPECT_EQ(state().composedGuess, "");
        EXPECT_EQ(guessPictures(), QStringLiteral("0000"));
        EXPECT_FALSE(hidden("кнпСчитать"));
        EXPECT_EQ(fontSize("lblMV"), 8.25);
        EXPECT_EQ(fontSize("lblVK"), 8.25);
        EXPECT_TRUE(picturesHidden("imgNumberVK"));
    });
    window->mnuGameWins_Click();
    EXPECT_TRUE(ran);
    // Closed, the window gives the turn marks back.
    EXPECT_EQ(fontSize("lblMV"), 9.75);
    EXPECT_TRUE(isRed(QStringLiteral("lblMV")));
    EXPECT_FALSE(hidden("кнпСчитать"));
    EXPECT_EQ(fontSize("lblMV"), 9.75);
    EXPECT_EQ(fontSize("lblVK"), 8.25);
}

TEST_F(RecordsWindowTest, OpenedFromTheMenuOnTheComputersTurnShowsItsGuessAgainAfter) {
    StartGame(QString());  // hidden number: the user must see the guess to score it
    state().composedGuess = "5678";
    window->кнпСчитать_Click();
    const QString guess = QString::fromStdString(state().compGuess);
    ASSERT_EQ(guess.size(), 4);
    ASSERT_FALSE(hidden("кнпДумать"));

    platform.modalScripts.push_back([&](QDialog&) {
        EXPECT_TRUE(picturesHidden("imgNumberVK"));
        EXPECT_FALSE(hidden("кнпДумать"));
    });
    window->mnuGameWins_Click();
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(hidden(QStringLiteral("imgNumberVK%1").arg(i)));
    EXPECT_EQ(computerGuessPictures(), guess);
    EXPECT_EQ(fontSize("lblVK"), 9.75);
    EXPECT_EQ(fontSize("lblMV"), 8.25);
}

TEST_F(RecordsWindowTest, StandsAtTheMainWindowsRightEdgeBelowItsTop) {
    window->move(140, 90);
    const QRect main = window->frameGeometry();
    openAtGameEnd([&](QDialog& d) {
        const QRect own = d.frameGeometry();
        EXPECT_EQ(own.right(), main.right());
        EXPECT_EQ(own.top(), main.top() + TwipsToPixels(500));
        EXPECT_EQ(d.windowIcon().cacheKey(), window->windowIcon().cacheKey());
    });
}

}  // namespace
}  // namespace duel::testing
