// Text from outside the program is shown as written in every window: markup planted in each source
// (a peer's name and address, a name found on the network, a record holder's name, the journal's
// contents) is found as typed, every label of the game is plain, and the game goes on.
#include "journal/journal.h"
#include "network/game_finder.h"
#include "platform/qt_platform.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

// A picture from a file without end (Qt would read it until memory runs out), a heading, an
// entity: each passes the name rules.
constexpr const char* kEndless = "<img src=/dev/zero>";
constexpr const char* kHeading = "<h1>Зло</h1>";
constexpr const char* kEntity = "Том&amp;Джерри";

// What a player reads of a tooltip: Qt reads one that looks like markup as markup.
QString ReadTip(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

// The games on the network as the test says.
class PlantedFinder : public net::GameFinder {
public:
    bool available() const override { return true; }
    std::vector<net::FoundGame> games() const override { return {{kEndless, "192.168.1.5", 24747}}; }
};

class PlainTextTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataFolder.isValid());
        platform.userDataFolder = NativePath(dataFolder.path() + QStringLiteral("/shelvy-zlyki"));
        WindowTest::SetUp();
        QCoreApplication::processEvents();  // the journal opens
    }
    // Every label of `top` shows its text as written.  Checked before anything from outside is
    // planted, so that a label that would read markup fails here, not by reading /dev/zero.
    static void ExpectPlainLabels(const QWidget* top) {
        for (const QLabel* label : top->findChildren<QLabel*>()) {
            // Qt's own tooltip reads markup: PlainToolTip escapes what goes into it.
            if (label->objectName() == QLatin1String("qtooltip_label")) continue;
            ASSERT_EQ(label->textFormat(), Qt::PlainText)
                << top->objectName().toStdString() << ": " << label->objectName().toStdString() << " «"
                << label->text().toStdString() << "»";
        }
    }
    // Runs `inside` while the window the menu item `action` opens is shown.
    void WhileOpen(const char* action, std::function<void(QDialog&)> inside) {
        bool ran = false;
        platform.modalScripts.push_back([&](QDialog& dialog) {
            ran = true;
            inside(dialog);
        });
        find<QAction>(QString::fromLatin1(action))->trigger();
        EXPECT_TRUE(ran) << action;
    }

    QTemporaryDir dataFolder;
};

TEST_F(PlainTextTest, APeersNameAndAddressAreShownAsWrittenAndTheGameGoesOn) {
    for (QWidget* top : QApplication::topLevelWidgets()) ASSERT_NO_FATAL_FAILURE(ExpectPlainLabels(top));
    StartGame(QStringLiteral("1234"));
    state().opponentName = kEndless;
    state().opponentAddress = kHeading;
    state().phase = Phase::OpponentToMove;
    window->Refresh();
    EXPECT_EQ(hintPanel(), QStringLiteral("Ход соперника: <img src=/dev/zero>"));
    EXPECT_TRUE(label(QStringLiteral("lblVK"))->text().startsWith(QStringLiteral("Вариант «<img")));

    // A name too long for the panel: the whole text is its tooltip.  (A tooltip has no format to
    // check first, so no endless file is planted in it: a tooltip read as markup would take the
    // test's memory with it.)
    state().opponentName = std::string(kHeading) + kEntity;
    window->Refresh();
    auto* panel = label(QStringLiteral("StatusBarPanel1"));
    EXPECT_EQ(panel->text(), QStringLiteral("Ход соперника: <h1>Зло</h1>Том&amp;Джерри"));
    ASSERT_LT(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(panel->text()));
    QHelpEvent tip(QEvent::ToolTip, panel->rect().center(), panel->mapToGlobal(panel->rect().center()));
    QApplication::sendEvent(panel, &tip);
    EXPECT_EQ(ReadTip(QToolTip::text()), panel->text());
    QToolTip::hideText();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        ASSERT_NO_FATAL_FAILURE(ExpectPlainLabels(top));
        if (top->isVisible()) top->grab();  // drawn, with every text as it is
    }
}

TEST_F(PlainTextTest, NamesFromTheJournalTheRecordsAndTheNetworkAreShownAsWritten) {
    {
        Journal journal = Journal::Open(NativePath(dataFolder.path() + QStringLiteral("/shelvy-zlyki/journal.sqlite")),
                                        "20250301-100000");
        GameBegin duel{"2025-03-01 09:00:00", GameMode::Network, 0, "1234", "5678"};
        duel.opponentName = kEndless;
        duel.opponentAddress = kHeading;
        const auto id = journal.BeginGame(duel, {});
        ASSERT_TRUE(id);
        ASSERT_TRUE(journal.EndGame(*id, {"2025-03-01 09:10:00", Outcome::OpponentForfeited, 3, 3, 90}));
    }
    WhileOpen("mnuGameStatistics", [&](QDialog& window) {
        ASSERT_NO_FATAL_FAILURE(ExpectPlainLabels(&window));
        const auto* games = find<QTableView>(QStringLiteral("tblGames"));
        EXPECT_EQ(games->model()->index(0, 8).data().toString(), QStringLiteral("<img src=/dev/zero> (<h1>Зло</h1>)"));
        window.grab();
    });

    state().records[0].name = "<b>Ёж";
    state().records[1].name = "&amp;";
    WhileOpen("mnuGameWins", [&](QDialog& window) {
        ASSERT_NO_FATAL_FAILURE(ExpectPlainLabels(&window));
        EXPECT_EQ(find<QLabel>(QStringLiteral("мткП1"))->text(), QStringLiteral("<b>Ёж"));
        EXPECT_EQ(find<QLabel>(QStringLiteral("мткП2"))->text(), QStringLiteral("&amp;"));
        window.grab();
    });

    session->SetNetworkParts(nullptr, [] { return std::make_unique<PlantedFinder>(); });
    WhileOpen("mnuGameNetwork", [&](QDialog& window) {
        find<QRadioButton>(QStringLiteral("optJoin"))->click();
        ASSERT_NO_FATAL_FAILURE(ExpectPlainLabels(&window));
        const auto* found = find<QListWidget>(QStringLiteral("lstGames"));
        ASSERT_EQ(found->count(), 1);
        EXPECT_EQ(found->item(0)->text(), QStringLiteral("<img src=/dev/zero> — 192.168.1.5:24747"));
        window.grab();
    });

    WhileOpen("mnuInformationAbout", [&](QDialog& window) { ASSERT_NO_FATAL_FAILURE(ExpectPlainLabels(&window)); });
}

// The program's own input box reads no markup either (its boxes are tested in the journal's window tests).
TEST_F(PlainTextTest, TheInputBoxShowsItsPromptAsWritten) {
    QtPlatform desktop;
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>()) {
            format = label->textFormat();
            shown = label->text();
        }
        box->reject();
    });
    desktop.inputBox(nullptr, QString::fromUtf8(kEntity), QStringLiteral("t"), QString());
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, QString::fromUtf8(kEntity));
}

}  // namespace
}  // namespace duel::testing
