// The help window: topics looked up in the data folders, links, back and forward, a missing topic, its place.
#include "platform/help_viewer.h"

#include "tests/support/fake_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

void WriteTopic(const QString& folder, int context, const QString& title, const QString& body) {
    const QString help = QDir(folder).filePath(QString::fromUtf8(kHelpFolderName));
    ASSERT_TRUE(QDir().mkpath(help));
    QFile file(help + QStringLiteral("/%1.html").arg(context));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>%2</body></html>")
                   .arg(title, body)
                   .toUtf8());
}

class HelpViewerTest : public ::testing::Test {
protected:
    // The help window's controls by their names.
    QTextBrowser* browser() const { return viewer->findChild<QTextBrowser*>(QStringLiteral("browser")); }
    QToolButton* back() const { return viewer->findChild<QToolButton*>(QStringLiteral("back")); }
    QToolButton* forward() const { return viewer->findChild<QToolButton*>(QStringLiteral("forward")); }

    FakePlatform platform;
    std::unique_ptr<HelpViewer> viewer;
};

TEST_F(HelpViewerTest, TheFirstDataFolderThatHasTheTopicWins) {
    QTemporaryDir program, user, installed;
    WriteTopic(user.path(), 100, QStringLiteral("user"), QString());
    WriteTopic(installed.path(), 100, QStringLiteral("installed"), QString());
    WriteTopic(installed.path(), 500, QStringLiteral("installed"), QString());
    const QStringList folders{program.path(), user.path(), installed.path()};
    EXPECT_TRUE(FindHelpTopic(folders, 100).startsWith(user.path()));
    EXPECT_TRUE(FindHelpTopic(folders, 500).startsWith(installed.path()));
    EXPECT_TRUE(FindHelpTopic(folders, 7).isEmpty());
    // A folder in the place of a topic is no topic.
    ASSERT_TRUE(QDir(program.path()).mkpath(QString::fromUtf8(kHelpFolderName) + QStringLiteral("/100.html")));
    EXPECT_TRUE(FindHelpTopic(folders, 100).startsWith(user.path()));
}

TEST_F(HelpViewerTest, TopicsLinkToEachOtherWithBackAndForward) {
    QTemporaryDir data;
    WriteTopic(data.path(), 100, QStringLiteral("Игра"),
               QStringLiteral("<p>о шелвах</p><a href=\"500.html\">реклама</a>"));
    WriteTopic(data.path(), 500, QStringLiteral("Реклама"), QStringLiteral("<p>рекламы нет</p>"));
    platform.dataFolderList = {data.path()};

    ShowHelpTopic(platform, nullptr, 100, viewer);
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Игра"));
    EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("о шелвах")));
    EXPECT_FALSE(back()->isEnabled());
    EXPECT_EQ(back()->toolTip(), QStringLiteral("Назад (Alt+Влево)"));
    EXPECT_EQ(forward()->toolTip(), QStringLiteral("Вперёд (Alt+Вправо)"));
    EXPECT_EQ(forward()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));

    emit browser()->anchorClicked(QUrl(QStringLiteral("500.html")));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Реклама"));
    ASSERT_TRUE(back()->isEnabled());
    back()->click();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Игра"));
    ASSERT_TRUE(forward()->isEnabled());
    forward()->click();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Реклама"));

    // The menu's second request reuses the window.
    HelpViewer* first = viewer.get();
    ShowHelpTopic(platform, nullptr, 100, viewer);
    EXPECT_EQ(viewer.get(), first);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Игра"));

    // Addresses go to the desktop, not into the help window.
    emit browser()->anchorClicked(QUrl(QStringLiteral("mailto:team@example.org")));
    EXPECT_EQ(platform.addresses, (std::vector<QString>{QStringLiteral("mailto:team@example.org")}));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Игра"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(HelpViewerTest, AMissingTopicIsReportedInsteadOfAnEmptyWindow) {
    QTemporaryDir empty;
    platform.dataFolderList = {empty.path()};
    ShowHelpTopic(platform, nullptr, 500, viewer);
    EXPECT_FALSE(viewer);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.contains(QStringLiteral("500.html")));
    EXPECT_TRUE(platform.boxes[0].text.contains(QString::fromUtf8(kHelpFolderName)));
    EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Шелвы и злыки"));
}

TEST_F(HelpViewerTest, TheBuiltHelpFolderHoldsBothTopics) {
    platform.dataFolderList = {QStringLiteral(DUEL_BUILD_FOLDER)};
    ShowHelpTopic(platform, nullptr, 100, viewer);
    ASSERT_TRUE(viewer);
    const QString game = browser()->toPlainText();
    for (const char* words : {"шелвы", "злыки", "F2", "shelvy-pack", "Backspace", "Enter", "~/.config/shelvy-zlyki/"})
        EXPECT_TRUE(game.contains(QString::fromUtf8(words))) << words;
    ShowHelpTopic(platform, nullptr, 500, viewer);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Предложение рекламодателям"));
    EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("бесплатная")));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(HelpViewerTest, OpensDownAndRightOfItsOwnerWholeOnTheScreen) {
    QTemporaryDir data;
    WriteTopic(data.path(), 100, QStringLiteral("Игра"), QStringLiteral("<p>о шелвах</p>"));
    platform.dataFolderList = {data.path()};
    QWidget owner;
    owner.setGeometry(300, 250, 290, 185);

    // Room enough: 40 pixels down and right of the owner's corner.
    ShowHelpTopic(platform, &owner, 100, viewer);
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->frameGeometry().topLeft(), QPoint(340, 290));

    // A small screen: moved up and left and made smaller, whole on it, even once framed.
    viewer.reset();
    const QRect screen(0, 0, 500, 400);
    platform.screen = screen.size();
    ShowHelpTopic(platform, &owner, 100, viewer);
    ASSERT_TRUE(viewer);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QRect frame = viewer->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                        << frame.height();
    EXPECT_GE(viewer->width(), viewer->minimumSizeHint().width());
}

}  // namespace
}  // namespace duel::testing
