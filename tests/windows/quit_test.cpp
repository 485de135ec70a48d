// Quitting from any state, and results saved when they are made: the prompt loop, the records window, the file on disk.
#include "rules/records_table.h"
#include "storage/settings_file.h"
#include "tests/support/window_fixture.h"
#include "windows/records_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace duel::testing {
namespace {

class Quit : public WindowTest {
protected:
    // The settings as a fresh start would read them from the program's folder.
    GameState Saved() {
        GameState saved;
        const SettingsLoad load = LoadSettings({platform.programFolderPath()}, saved);
        EXPECT_TRUE(load.source.has_value()) << "no settings file in the program's folder";
        return saved;
    }
    QLineEdit* nameField(int place) const { return find<QLineEdit>(QStringLiteral("тксП%1").arg(place)); }
    static void type(QWidget* target, const QString& typed) {
        for (QChar c : typed) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &down);
        }
    }
    static void enter(QWidget* target) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &down);
    }
    // New game with the secret 1234, then the user guesses it at once.
    void WinAtOnce() {
        StartGame(QStringLiteral("5678"), 0.0);
        state().composedGuess = "1234";
        window->кнпСчитать_Click();
    }
};

// A quit that arrives while New game waits in one of its boxes: the box
// answers "cancel", New game gives up without asking again, and the window
// closes and saves without showing anything more.
enum class Where { Prompt, HideQuestion, ErrorBox };

class QuitDuringNewGame : public Quit, public ::testing::WithParamInterface<Where> {};

TEST_P(QuitDuringNewGame, NewGameGivesUpAndTheCloseSaves) {
    const Where where = GetParam();
    const QString settings = folder.filePath(QString::fromUtf8(kSettingsFileName.data()));
    QFile::remove(settings);
    if (where == Where::Prompt) {
        platform.onInputBox = [this](const QString&) { platform.requestQuit(); };
    } else {
        platform.inputs = {where == Where::HideQuestion ? QString() : QStringLiteral("12")};
        platform.onMessageBox = [this](const RecordedBox&) { platform.requestQuit(); };
    }
    window->mnuGameNew_Click();  // returns: nothing loops

    const size_t boxesShown = where == Where::Prompt ? 0u : 1u;
    EXPECT_EQ(platform.inputPrompts.size(), 1u) << "the prompt came again after the quit";
    EXPECT_EQ(platform.boxes.size(), boxesShown);
    EXPECT_EQ(state().phase, Phase::NoGame);
    EXPECT_FALSE(timer("TimerTimer")->isActive());
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);

    window->close();
    EXPECT_TRUE(QFile::exists(settings));
    EXPECT_EQ(platform.boxes.size(), boxesShown);
}

INSTANTIATE_TEST_SUITE_P(Boxes, QuitDuringNewGame,
                         ::testing::Values(Where::Prompt, Where::HideQuestion, Where::ErrorBox),
                         [](const ::testing::TestParamInfo<Where>& info) {
                             return info.param == Where::Prompt         ? std::string("Prompt")
                                    : info.param == Where::HideQuestion ? std::string("HideQuestion")
                                                                        : std::string("ErrorBox");
                         });

// A win reaches the disk before the records window opens (a crash or a lost
// display afterwards loses nothing), with no name for the new place rather
// than the earlier holder's; the name and a reset are saved as they are made.
TEST_F(Quit, ResultsAreOnDiskAsSoonAsTheyAreMade) {
    ResetRecords(state());
    bool checked = false;
    platform.modalScripts.push_back([&](QDialog& dialog) {
        const GameState onDisk = Saved();
        EXPECT_EQ(onDisk.records[0].tries, 1);
        EXPECT_EQ(onDisk.records[0].number, "1234");
        EXPECT_EQ(onDisk.records[0].name, "") << "the new place was stored under the earlier holder's name";
        EXPECT_EQ(onDisk.lastUser.tries, "1");

        type(nameField(1), QStringLiteral("Ира"));
        enter(nameField(1));
        EXPECT_EQ(Saved().records[0].name, "Ира");

        dialog.findChild<QPushButton*>(QStringLiteral("кнпСброс"))->click();
        EXPECT_EQ(Saved().records[0].name, "Профи");
        EXPECT_EQ(Saved().lastUser.tries, "-");
        checked = true;
    });
    WinAtOnce();
    EXPECT_TRUE(checked);
    EXPECT_EQ(platform.unscripted, 0);
}

// The program quits while the winner is typing: the window closes, and the
// place keeps the name typed so far, filtered, on disk too.
TEST_F(Quit, WhileANameIsAwaitedTheNameTypedSoFarIsKept) {
    ResetRecords(state());
    platform.modalScripts.push_back([&](QDialog& dialog) {
        nameField(1)->insert(QStringLiteral("П\u0007е😀"));
        platform.requestQuit();
        EXPECT_FALSE(dialog.isVisible());
    });
    WinAtOnce();
    EXPECT_EQ(state().records[0].name, "Пе");
    EXPECT_EQ(state().newRecordPlace, 0);
    EXPECT_EQ(Saved().records[0].name, "Пе");
    EXPECT_EQ(Saved().records[0].tries, 1);
    EXPECT_EQ(platform.unscripted, 0);
}

// Pasted text is filtered before it is cut to eight characters.
TEST_F(Quit, PastedEmojiDoNotUseUpTheNameField) {
    state().newRecordPlace = 2;
    platform.modalScripts.push_back([&](QDialog&) {
        QLineEdit* field = nameField(2);
        field->insert(QStringLiteral("😀😀😀😀Петя"));
        EXPECT_EQ(field->text(), QStringLiteral("Петя"));
        field->insert(QStringLiteral("😀Иванович"));
        EXPECT_EQ(field->text(), QStringLiteral("ПетяИван"));
        enter(field);
    });
    session->screen().ShowRecords();
    EXPECT_EQ(state().records[1].name, "ПетяИван");
}

// The window manager's close request for the main window while a modal
// window is open over it (here the about window) is a quit: the modal window
// closes with its cancel answer and the main window then closes, saving.
TEST_F(Quit, ACloseRequestWhileAModalWindowIsOpenIsAQuit) {
    const QString settings = folder.filePath(QString::fromUtf8(kSettingsFileName.data()));
    QFile::remove(settings);
    bool asked = false;
    platform.modalScripts.push_back([&](QDialog& about) {
        asked = true;
        QCloseEvent request;
        QApplication::sendEvent(window.get(), &request);
        EXPECT_FALSE(request.isAccepted()) << "the main window closed under the open window";
        EXPECT_TRUE(platform.quitting());
        EXPECT_FALSE(about.isVisible());
    });
    find<QAction>(QStringLiteral("mnuInformationAbout"))->trigger();
    ASSERT_TRUE(asked);
    EXPECT_TRUE(platform.quitting());

    // What the platform does once the handler has returned.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(settings));
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(platform.unscripted, 0);
}

// A save that fails while quitting shows no box (it goes to the terminal);
// the notice stays for a normal close.
TEST_F(Quit, AFailedSaveShowsNoBoxWhileQuitting) {
    QFile blocker(folder.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform.folder = folder.filePath(QStringLiteral("blocker/program"));
    platform.configFolder = folder.filePath(QStringLiteral("blocker/config"));

    window->close();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(QStringLiteral("Не удалось сохранить")));

    StartProgram();
    platform.boxes.clear();
    platform.requestQuit();
    window->close();
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace duel::testing
