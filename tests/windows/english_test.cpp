// The game in English: every window the player opens shows no Russian letter in a text the game wrote, and each
// label, button and frame title fits its width.
#include "gallery/gallery_sets.h"
#include "gallery/pack_set.h"
#include "platform/help_viewer.h"
#include "platform/qt_platform.h"
#include "platform/translation.h"
#include "tests/support/window_fixture.h"
#include "windows/picture_viewer.h"
#include "windows/prize_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>

namespace duel::testing {
namespace {

bool HasCyrillic(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x400 && c.unicode() <= 0x52F) return true;
    return false;
}

// The text as drawn: a single & marks the mnemonic and takes no room.
QString Shown(QString text) { return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&'); }

// The about window's author and place are the packager's deployment values (Russian by default), not the
// game's texts; "HomePage:" is the same text in both languages, in the place the Russian layout gives it.
bool PackagersText(const QObject* owner) {
    return owner->objectName() == u"lblFIO" || owner->objectName() == u"lblAdress";
}
bool SameInBothLanguages(const QObject* owner) { return owner->objectName() == u"lblHP"; }

// What is wrong with the texts of `top` and everything in it: a line for each Russian text and
// each text wider than its control.
QStringList TextProblems(QWidget* top) {
    QStringList problems;
    const auto russian = [&](const QObject* owner, const char* what, const QString& text) {
        if (HasCyrillic(text) && !PackagersText(owner))
            problems << QStringLiteral("%1 %2 %3: %4").arg(top->objectName(), owner->objectName(), what, text);
    };
    const auto fits = [&](const QWidget* owner, const QString& text, int room) {
        const int needed = owner->fontMetrics().horizontalAdvance(Shown(text));
        if (owner->isVisibleTo(top) && !text.isEmpty() && needed > room && !SameInBothLanguages(owner))
            problems << QStringLiteral("%1 %2 cut: \"%3\" needs %4 px, has %5")
                            .arg(top->objectName(), owner->objectName(), text)
                            .arg(needed)
                            .arg(room);
    };
    russian(top, "title", top->windowTitle());
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* widget : widgets) {
        russian(widget, "tip", widget->toolTip());
        russian(widget, "accessible name", widget->accessibleName());
        russian(widget, "accessible description", widget->accessibleDescription());
        for (QAction* action : widget->actions()) {
            russian(action, "action", action->text());
            russian(action, "action tip", action->toolTip());
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            russian(label, "text", label->text());
            if (!label->wordWrap() && label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()))
                fits(label, label->text(), label->contentsRect().width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            russian(button, "text", button->text());
            const int indicator = qobject_cast<QPushButton*>(button) ? 6 : 18;
            fits(button, button->text(), button->width() - indicator);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            russian(frame, "title", frame->title());
            fits(frame, frame->title(), frame->width() - 8);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                russian(view, "heading", model->headerData(column, Qt::Horizontal).toString());
                russian(view, "heading tip", model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
                for (int row = 0; row < model->rowCount(); ++row)
                    russian(view, "cell", model->index(row, column).data().toString());
            }
        }
    }
    return problems;
}

// A JPEG file of w x h pixels.
std::string Jpeg(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 60));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes.toStdString();
}

class EnglishTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_EQ(InstallTranslations(QStringLiteral("en"), QStringLiteral(DUEL_BUILD_FOLDER "/i18n")),
                  QStringLiteral("en"));
        ASSERT_TRUE(dataFolder.isValid());
        platform.userDataFolder = NativePath(dataFolder.path() + QStringLiteral("/shelvy-zlyki"));
        WindowTest::SetUp();
        QCoreApplication::processEvents();  // the journal opens
    }
    void TearDown() override {
        WindowTest::TearDown();
        RemoveTranslations();
    }
    // Opens the modal window of the menu item `name`, checks it while shown and closes it.
    void CheckModal(const char* item, const std::function<void(QDialog&)>& also = {}) {
        bool ran = false;
        platform.modalScripts.push_back([&](QDialog& dialog) {
            ran = true;
            EXPECT_EQ(TextProblems(&dialog), QStringList()) << item;
            if (also) also(dialog);
        });
        find<QAction>(QString::fromUtf8(item))->trigger();
        EXPECT_TRUE(ran) << item;
    }
    // The texts of every box, prompt and dialog title the game has shown.
    void ExpectEnglishBoxes() {
        for (const auto& box : platform.boxes) {
            EXPECT_FALSE(HasCyrillic(box.text)) << box.text.toStdString();
            EXPECT_FALSE(HasCyrillic(box.title)) << box.title.toStdString();
        }
    }
    QTemporaryDir dataFolder;
};

TEST_F(EnglishTest, TheMainWindowItsMenusKeypadAndArrowsSpeakEnglishAndFit) {
    StartGame(QStringLiteral("1234"));
    state().composedGuess = "5678";
    window->кнпСчитать_Click();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        EXPECT_EQ(TextProblems(top), QStringList());
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Shelvy and Zlyki v 2.0"));
    for (QAction* menu : window->menuBar()->actions()) {
        EXPECT_FALSE(HasCyrillic(menu->text())) << menu->text().toStdString();
        // No two items of one menu share an accelerator letter.
        QSet<QChar> letters;
        for (QAction* item : menu->menu()->actions()) {
            EXPECT_FALSE(HasCyrillic(item->text())) << item->text().toStdString();
            const qsizetype at = item->text().indexOf(u'&');
            if (at < 0 || at + 1 >= item->text().size()) continue;
            const QChar letter = item->text()[at + 1].toLower();
            EXPECT_FALSE(letters.contains(letter)) << item->text().toStdString();
            letters.insert(letter);
        }
    }
    // The number prompt and the answers' words.
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("рмкЗлыки"))->title(), QStringLiteral("Hits:"));
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("рмкШелвы"))->title(), QStringLiteral("Strays:"));
    ExpectEnglishBoxes();
    ASSERT_FALSE(platform.inputPrompts.empty());
    EXPECT_EQ(platform.inputPrompts.front(), QStringLiteral("Think of a number:"));
    EXPECT_EQ(platform.inputTitles.front(), QStringLiteral("Shelvy and Zlyki v 2.0"));
}

TEST_F(EnglishTest, RecordsAboutNetworkDuelAndHelpSpeakEnglish) {
    CheckModal("mnuGameWins", [&](QDialog& records) {
        // The starting names are the game's own words; a kept "стоим" is shown in English too.
        EXPECT_EQ(records.findChild<QLabel*>(QStringLiteral("мткП1"))->text(), QStringLiteral("Pro"));
    });
    CheckModal("mnuInformationAbout");
    CheckModal("mnuGameNetwork", [&](QDialog& duel) {
        // The way through Jabber: its fields, their tips and the problem told for an empty account.
        duel.findChild<QAbstractButton*>(QStringLiteral("optJabber"))->click();
        duel.findChild<QAbstractButton*>(QStringLiteral("optJoin"))->click();
        duel.findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click();
        QCoreApplication::processEvents();
        EXPECT_FALSE(duel.findChild<QLabel*>(QStringLiteral("lblProblem"))->text().isEmpty());
        EXPECT_FALSE(HasCyrillic(duel.findChild<QLineEdit*>(QStringLiteral("txtServer"))->placeholderText()));
        EXPECT_EQ(TextProblems(&duel), QStringList());
    });
    ExpectEnglishBoxes();
    for (const QString& title : platform.inputTitles) EXPECT_FALSE(HasCyrillic(title)) << title.toStdString();
}

TEST_F(EnglishTest, TheHelpOpensTheEnglishTopicWhereThereIsOneAndTheRussianOneElse) {
    QTemporaryDir data;
    const QString help = QDir(data.path()).filePath(QString::fromUtf8(kHelpFolderName));
    ASSERT_TRUE(QDir().mkpath(help + QStringLiteral("/en")));
    const auto write = [](const QString& path, const char* title) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<html><head><title>") + title + "</title></head><body>" + title + "</body></html>");
    };
    write(help + QStringLiteral("/100.html"), "Игра");
    write(help + QStringLiteral("/en/100.html"), "The game");
    write(help + QStringLiteral("/500.html"), "Реклама");
    EXPECT_EQ(FindHelpTopic({data.path()}, 100), help + QStringLiteral("/en/100.html"));
    EXPECT_EQ(FindHelpTopic({data.path()}, 500), help + QStringLiteral("/500.html"));  // not translated yet

    // The build's own help in English, with the window's controls in English.  The topic's text names
    // the files on disk ("Шелвы и злыки.ini"), whose names are the same in every language: the topic's
    // own words are checked by the help's translation test.
    std::unique_ptr<HelpViewer> viewer;
    platform.dataFolderList = {QStringLiteral(DUEL_BUILD_FOLDER)};
    ShowHelpTopic(platform, nullptr, 100, viewer);
    ASSERT_NE(viewer, nullptr);
    const auto* browser = viewer->findChild<QTextBrowser*>();
    EXPECT_TRUE(browser->source().path().endsWith(QStringLiteral("/en/100.html")))
        << browser->source().path().toStdString();
    EXPECT_FALSE(HasCyrillic(browser->documentTitle()));
    EXPECT_FALSE(HasCyrillic(viewer->windowTitle()));
    EXPECT_EQ(TextProblems(viewer.get()), QStringList());
    EXPECT_FALSE(HasCyrillic(viewer->findChild<QAbstractButton*>(QStringLiteral("back"))->text()));
}

TEST_F(EnglishTest, TheStatisticsTheLessonAndTheExportSpeakEnglish) {
    StartGame(QStringLiteral("5678"));
    platform.fractions = {0.0};
    state().composedGuess = "5679";
    window->кнпСчитать_Click();
    window->кнпДумать_Click();
    state().composedGuess = "1234";
    window->кнпСчитать_Click();
    StartGame(QStringLiteral("5678"));  // the first game ends; the second is listed as it runs
    const QString csv = dataFolder.path() + QStringLiteral("/list.csv");
    CheckModal("mnuGameStatistics", [&](QDialog& statistics) {
        auto* games = statistics.findChild<QTableView*>(QStringLiteral("tblGames"));
        ASSERT_GT(games->model()->rowCount(), 0);
        games->selectRow(0);
        QCoreApplication::processEvents();
        EXPECT_EQ(TextProblems(&statistics), QStringList());
        platform.saveNames.push_back(csv);
        statistics.findChild<QPushButton*>(QStringLiteral("cmdExport"))->click();
    });
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Date,Mode,Result,Your moves"))) << text.toStdString();
    EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
    ExpectEnglishBoxes();
}

TEST_F(EnglishTest, ThePrizeWindowAndTheViewerSpeakEnglish) {
    std::vector<std::string> pictures = {Jpeg(11, 12), Jpeg(12, 12), Jpeg(13, 12), Jpeg(14, 12)};
    auto packed = PackPictures(pictures);
    ASSERT_TRUE(packed.ok());
    ASSERT_EQ(WritePackedSet(std::filesystem::path(folder.path().toStdString()) / std::string(GallerySetAt(5)->stem),
                             packed.value),
              GalleryError::None);
    bool prizeSeen = false;
    platform.modalScripts.push_back([&](QDialog& prize) {
        prizeSeen = true;
        EXPECT_EQ(prize.windowTitle(), QStringLiteral("Luna Pressvick"));
        EXPECT_EQ(TextProblems(&prize), QStringList());
    });
    find<QAction>(QStringLiteral("mnuAddBeautyLunaPressvick"))->trigger();
    EXPECT_TRUE(prizeSeen);
    bool viewerSeen = false;
    platform.modalScripts.push_back([&](QDialog& viewer) {
        viewerSeen = true;
        EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Luna Pressvick  1/4"));
        EXPECT_EQ(TextProblems(&viewer), QStringList());
    });
    session->prize().GiveWonPicture();
    EXPECT_TRUE(viewerSeen);
    ExpectEnglishBoxes();
}

}  // namespace
}  // namespace duel::testing
