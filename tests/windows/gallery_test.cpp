// The prize gallery in the running program: set choice, prize window, wins, viewer, files.
#include "deployment.h"
#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"
#include "gallery/pack_set.h"
#include "gallery/picture_store.h"
#include "main_window/status_panels.h"
#include "tests/support/window_fixture.h"
#include "windows/picture_viewer.h"
#include "windows/prize_window.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace duel::testing {
namespace {

constexpr int kTessa = 2, kMarla = 3, kDoria = 4, kLuna = 5;

// A JPEG file of w x h pixels in one colour.
std::string Jpeg(int w, int h, QColor colour = QColor(200, 120, 60)) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes.toStdString();
}

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class Gallery : public WindowTest {
protected:
    // Packs `count` pictures into the set `item` in the program folder;
    // picture k is 10 + k pixels wide, so the viewer's size tells which it shows.
    void InstallSet(int item, int count) {
        std::vector<std::string> pictures;
        for (int k = 1; k <= count; ++k) pictures.push_back(Jpeg(10 + k, 12));
        auto packed = PackPictures(pictures);
        ASSERT_TRUE(packed.ok());
        ASSERT_EQ(WritePackedSet(StemPath(item), packed.value), GalleryError::None);
    }
    std::filesystem::path StemPath(int item) const {
        return std::filesystem::path(folder.path().toStdString()) / std::string(GallerySetAt(item)->stem);
    }
    QString File(const QString& name) const { return folder.path() + "/" + name; }
    // The files in the program's folder whose names start with `prefix`.
    QStringList FilesStartingWith(const QString& prefix) const {
        return QDir(folder.path()).entryList({prefix + "*"}, QDir::Files | QDir::Hidden);
    }

    // What one shown viewer looked like.
    struct Seen {
        QString title;
        int pictureWidth = 0;
        bool fileThere = false;
        QString file;
    };
    // Scripts the next viewer to be looked at and closed.
    void ExpectViewer(std::vector<Seen>& seen) {
        platform.modalScripts.push_back([&seen](QDialog& dialog) {
            auto& viewer = dynamic_cast<PictureViewer&>(dialog);
            seen.push_back({viewer.windowTitle(), Control<QLabel>(viewer, "pctJpg")->pixmap().width(),
                            QFile::exists(viewer.pictureFile()), viewer.pictureFile()});
        });
    }
    // The gallery menu's item 1..6: "&Нету", then the five sets.
    QAction* Item(int item) const {
        static const char* const kNames[] = {"mnuAddBeautyNot",
                                             "mnuAddBeautyTessaQuorin",
                                             "mnuAddBeautyMarlaVentobrix",
                                             "mnuAddBeautyDoriaFelstrand",
                                             "mnuAddBeautyLunaPressvick",
                                             "mnuAddBeautyNinaCorveld"};
        return find<QAction>(QString::fromUtf8(kNames[item - 1]));
    }
    void Choose(int item) { Item(item)->trigger(); }
    // The item the menu shows checked, 0 for none; it must be the game state's choice.
    int Checked() const {
        int checked = 0;
        for (int item = 6; item >= 1; --item)
            if (Item(item)->isChecked()) checked = item;
        EXPECT_EQ(checked, state().galleryItem) << "the menu shows another choice than the game state holds";
        return checked;
    }
    template <typename T>
    static T* Control(QWidget& window, const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
};

TEST_F(Gallery, ALineOfFourShowsPicturesOneToFourThenTheEndMessageAndStartsAgain) {
    InstallSet(kLuna, 4);
    Choose(kLuna);
    ASSERT_EQ(Checked(), kLuna);
    platform.boxes.clear();

    std::vector<Seen> seen;
    for (int win = 1; win <= 5; ++win) {
        ExpectViewer(seen);
        session->prize().GiveWonPicture();
        ASSERT_EQ(seen.size(), static_cast<size_t>(win));
        const int picture = (win - 1) % 4 + 1;
        EXPECT_EQ(seen.back().title, QStringLiteral("Луна Прессвик  %1/4").arg(picture));
        EXPECT_EQ(seen.back().pictureWidth, 10 + picture);
        EXPECT_TRUE(seen.back().fileThere);
        EXPECT_FALSE(QFile::exists(seen.back().file)) << "the temporary picture outlives its viewer";
        EXPECT_EQ(platform.boxes.size(), win >= 4 ? 1u : 0u);
    }
    EXPECT_TRUE(seen[0].file.startsWith(File("LunaPressvick1.tmp."))) << seen[0].file.toStdString();
    EXPECT_EQ(seen[0].file.size(), File("LunaPressvick1.tmp.XXXXXX").size());
    EXPECT_EQ(platform.boxes[0].text, "Вы достигли конца галереи. Советуем переключиться на другую красотку !!!");
    EXPECT_EQ(state().beautyPicture, 2);
}

TEST_F(Gallery, AWinShowsThePictureAfterTheClockStopsAndBeforeTheRecords) {
    InstallSet(kTessa, 2);
    Choose(kTessa);
    EXPECT_EQ(Checked(), kTessa);
    StartGame();
    EXPECT_EQ(Checked(), kTessa);
    state().composedGuess = state().compNumber;
    bool clockStoppedFirst = false;
    platform.modalScripts.push_back([&](QDialog&) {
        clockStoppedFirst = state().gameStart == kClockStopped && hintPanel() == QString::fromUtf8(kNewGameHint);
    });
    window->кнпСчитать_Click();
    EXPECT_EQ(platform.modalWindows, (std::vector<QString>{"frmPrice", "frmSee", "фрмРекорды"}));
    EXPECT_TRUE(clockStoppedFirst);
    EXPECT_EQ(state().beautyPicture, 2);
}

// The won game's move button stands while its picture is shown and goes when
// the records window opens; nothing comes between the two windows.
TEST_F(Gallery, AWonGamesMoveButtonStandsUnderThePictureAndGoesWithTheRecords) {
    InstallSet(kTessa, 2);
    Choose(kTessa);
    StartGame();
    platform.sequence.clear();
    state().composedGuess = state().compNumber;
    bool shownUnderPicture = false, shownUnderRecords = true, guessPicturesUnderRecords = false;
    platform.modalScripts.push_back([&](QDialog&) { shownUnderPicture = !hidden("кнпСчитать"); });
    platform.modalScripts.push_back([&](QDialog&) {
        shownUnderRecords = !hidden("кнпСчитать") || !hidden("кнпДумать");
        guessPicturesUnderRecords = !picturesHidden("imgNumberMV");
    });
    window->кнпСчитать_Click();

    EXPECT_EQ(platform.sequence, (std::vector<std::string>{"window: frmSee", "window: фрмРекорды"}));
    EXPECT_TRUE(shownUnderPicture);
    EXPECT_FALSE(shownUnderRecords);
    EXPECT_TRUE(guessPicturesUnderRecords);  // the records window redraws them as 0000
    EXPECT_TRUE(hidden("кнпСчитать"));
    EXPECT_TRUE(picturesHidden("imgNumberMV"));
}

TEST_F(Gallery, ThePrizeWindowIntroducesTheSetBesideTheMainWindow) {
    InstallSet(kLuna, 4);
    window->move(200, 150);
    QRect prizeFrame, mainFrame = window->frameGeometry();
    platform.modalScripts.push_back([&](QDialog& dialog) {
        auto& prize = dynamic_cast<PrizeWindow&>(dialog);
        auto* count = Control<QLabel>(prize, "lblChF");
        auto* photo = Control<QLabel>(prize, "pctFoto");
        auto* playNow = Control<QPushButton>(prize, "cmdGame");
        auto* later = Control<QPushButton>(prize, "cmd");
        EXPECT_EQ(prize.windowTitle(), "Луна Прессвик");
        EXPECT_EQ(count->text(), "4 ФОТО");
        EXPECT_EQ(photo->pixmap().size(), QSize(kThumbnailWidth, kThumbnailHeight));
        EXPECT_TRUE(photo->accessibleName().contains("Луна Прессвик"));
        EXPECT_EQ(playNow->text(), "Играть сейчас");
        EXPECT_EQ(later->text(), "Позже");
        // One column right of the picture; "Позже" level with its bottom, "Играть сейчас" 7 px above.
        const QRect picture = photo->geometry();
        EXPECT_EQ(later->x(), picture.width() + 16);
        EXPECT_EQ(playNow->x(), later->x());
        EXPECT_EQ(count->x(), later->x());
        EXPECT_EQ(later->geometry().bottom(), picture.bottom());
        EXPECT_EQ(playNow->geometry().bottom() + 1 + 7, later->y());
        EXPECT_TRUE(prize.rect().contains(later->geometry()));
        prizeFrame = prize.frameGeometry();
    });
    Choose(kLuna);
    EXPECT_EQ(prizeFrame.right(), mainFrame.right());
    EXPECT_EQ(prizeFrame.top(), mainFrame.top() + 33);  // 500 twips
    EXPECT_TRUE(platform.boxes.empty());                // no picture was won: nothing to confirm
    EXPECT_EQ(state().beautyPicture, 1);
    EXPECT_EQ(Checked(), kLuna);

    // The checked item again: nothing at all.
    Choose(kLuna);
    EXPECT_EQ(platform.modalWindows.size(), 1u);
    EXPECT_EQ(Checked(), kLuna);
}

TEST_F(Gallery, SwitchingAwayAtPictureThreeAsksAndNoKeepsTheOldLine) {
    InstallSet(kLuna, 4);
    InstallSet(kDoria, 5);
    Choose(kLuna);
    state().beautyPicture = 3;

    platform.answers = {MsgAnswer::No};
    Choose(1);  // "&Нету"
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              "Вы дошли до 3 каринки на другой линии.\r\n"
              "Вы дейcтвительно хотите оборвать ту линию побед и перейти на другую ?");
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(Checked(), kLuna);
    EXPECT_EQ(state().beautyPicture, 3);
    std::vector<Seen> seen;
    ExpectViewer(seen);
    session->prize().GiveWonPicture();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Луна Прессвик  3/4");

    // "Играть сейчас" and No: the old line goes on, and a new game still starts.
    platform.answers = {MsgAnswer::No};
    platform.modalScripts.push_back([](QDialog& dialog) { dynamic_cast<PrizeWindow&>(dialog).cmdGame_Click(); });
    Choose(kDoria);
    EXPECT_EQ(platform.boxes.back().text.left(14), "Вы дошли до 4 ");
    EXPECT_EQ(Checked(), kLuna);
    EXPECT_EQ(state().beautyPicture, 4);
    EXPECT_TRUE(state().playNowRequested);
    platform.inputs.push_back("1234");
    window->ЧасыRND_Timer();
    EXPECT_EQ(state().phase, Phase::UserToMove);

    // Yes starts the new line at its first picture.
    platform.answers = {MsgAnswer::Yes};
    Choose(kDoria);
    EXPECT_EQ(Checked(), kDoria);
    EXPECT_EQ(state().beautyPicture, 1);
}

// The prize window closed with "Позже" or its close box while a line is under
// way asks the line-switch question; No keeps the old set where it was.  A
// close request for the main window while the question is open is a quit:
// the question answers No and the old choice is what the close saves.
TEST_F(Gallery, LaterOrTheCloseBoxAsksAndNoOrAQuitKeepsTheOldLine) {
    InstallSet(kLuna, 4);
    InstallSet(kDoria, 5);
    Choose(kLuna);
    state().beautyPicture = 3;
    platform.boxes.clear();

    platform.answers = {MsgAnswer::No};
    platform.modalScripts.push_back([](QDialog& prize) { Control<QPushButton>(prize, "cmd")->click(); });
    Choose(kDoria);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith("Вы дошли до 3 каринки"));
    EXPECT_EQ(Checked(), kLuna);
    EXPECT_EQ(state().beautyPicture, 3);
    EXPECT_FALSE(state().playNowRequested);

    platform.answers = {MsgAnswer::No};
    platform.modalScripts.push_back([](QDialog& prize) { prize.close(); });  // its close box
    Choose(kDoria);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(Checked(), kLuna);

    platform.onMessageBox = [this](const RecordedBox&) {
        QCloseEvent request;
        QApplication::sendEvent(window.get(), &request);
    };
    platform.modalScripts.push_back([](QDialog& prize) { Control<QPushButton>(prize, "cmd")->click(); });
    Choose(kDoria);
    EXPECT_EQ(platform.boxes.size(), 3u);
    EXPECT_TRUE(platform.quitting());
    EXPECT_EQ(Checked(), kLuna);
    EXPECT_EQ(state().beautyPicture, 3);
    window->close();
    StartProgram();
    EXPECT_EQ(Checked(), kLuna);
}

TEST_F(Gallery, OpeningTheMenuGreysMissingSetsAndOffersTheDownloadOnce) {
    InstallSet(kTessa, 2);
    InstallSet(kMarla, 2);
    QFile::remove(File("MarlaVentobrix.txt"));  // half a set is no set
    Choose(kMarla);                             // chosen earlier, then its file went
    platform.answers = {MsgAnswer::Yes};

    emit find<QMenu>("mnuAdd")->aboutToShow();
    EXPECT_TRUE(platform.boxes.empty()) << "no box while the menu opens";
    QCoreApplication::processEvents();
    EXPECT_TRUE(Item(1)->isEnabled());
    EXPECT_TRUE(Item(kTessa)->isEnabled());
    for (int item : {kMarla, kDoria, kLuna, 6}) EXPECT_FALSE(Item(item)->isEnabled()) << item;
    EXPECT_TRUE(Item(kMarla)->isChecked());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text.toStdString(), kDownloadOfferText);
    EXPECT_EQ(platform.addresses, (std::vector<QString>{QStringLiteral("http://" DUEL_HOME_HOST)}));

    emit find<QMenu>("mnuAdd")->aboutToShow();
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.boxes.size(), 1u);

    // A disabled set cannot be chosen.
    Item(kLuna)->trigger();
    EXPECT_EQ(Checked(), kMarla);
}

TEST_F(Gallery, TheChoiceComesBackAfterARestartAtPictureOne) {
    InstallSet(kDoria, 5);
    Choose(kDoria);
    state().beautyPicture = 4;
    window->close();
    StartProgram();
    EXPECT_EQ(Checked(), kDoria);
    EXPECT_EQ(state().beautyPicture, 1);
    EXPECT_EQ(state().beautyPrevLine, kDoria);
}

TEST_F(Gallery, PicturesAndSavesFromACrashedRunAreRemovedAtStartUp) {
    WriteFile(File("LunaPressvick2.tmp"), "x");        // an older version's name
    WriteFile(File("TessaQuorin8.tmp.Ab12Cd"), "x");   // a killed game's own
    WriteFile(File("Шелвы и злыки.tmp.Zz9yX8"), "x");  // a save cut short
    WriteFile(File("notes.tmp"), "keep");
    StartProgram();
    EXPECT_FALSE(QFile::exists(File("LunaPressvick2.tmp")));
    EXPECT_FALSE(QFile::exists(File("TessaQuorin8.tmp.Ab12Cd")));
    EXPECT_FALSE(QFile::exists(File("Шелвы и злыки.tmp.Zz9yX8")));
    EXPECT_TRUE(QFile::exists(File("notes.tmp")));
}

// A second game started in the same folder while the first shows its prize,
// winning the same picture: neither its start nor the close of its viewer
// touches the first game's picture, which the first game can still save.
TEST_F(Gallery, TwoGamesInOneFolderEachKeepTheirOwnPicture) {
    InstallSet(kLuna, 4);
    Choose(kLuna);
    QTemporaryDir pics;
    const QString saved = pics.path() + "/first.jpg";
    QString first, second;
    platform.modalScripts.push_back([&](QDialog& dialog) {
        auto& viewer = dynamic_cast<PictureViewer&>(dialog);
        first = viewer.pictureFile();
        const std::string picture = ReadAll(first);

        FakePlatform other;
        other.folder = folder.path();
        other.configFolder = configFolder.path() + "/other";
        Session otherSession(other);
        MainWindow otherGame(otherSession);
        otherGame.Form_Load();
        FinishStartUp();
        EXPECT_TRUE(QFile::exists(first)) << "the second game's start removed the first game's picture";
        otherSession.state().galleryItem = kLuna;
        otherSession.state().beautyPicture = 1;
        other.modalScripts.push_back(
            [&](QDialog& otherViewer) { second = dynamic_cast<PictureViewer&>(otherViewer).pictureFile(); });
        otherSession.prize().GiveWonPicture();
        otherGame.close();
        EXPECT_NE(second, first);
        EXPECT_FALSE(QFile::exists(second));
        EXPECT_EQ(ReadAll(first), picture) << "the second game's viewer took the first game's picture with it";

        platform.saveNames = {saved};
        viewer.cmdSave_Click();
        EXPECT_EQ(ReadAll(saved), picture);
        EXPECT_TRUE(platform.boxes.empty());
    });
    session->prize().GiveWonPicture();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(FilesStartingWith("LunaPressvick1.tmp"), QStringList());
}

TEST_F(Gallery, DamagedSetsShowNoPictureAndKeepTheLine) {
    InstallSet(kLuna, 4);
    Choose(kLuna);
    state().beautyPicture = 2;
    state().beautySet = "TessaQuorin";

    // A store shorter than its size list says.
    const QString store = File("LunaPressvick.dat");
    const std::string whole = ReadAll(store);
    WriteFile(store, whole.substr(0, 10));
    platform.boxes.clear();
    session->prize().GiveWonPicture();
    EXPECT_TRUE(platform.modalWindows.size() == 1);  // only the prize window, long ago
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.contains("Луна Прессвик"));
    EXPECT_EQ(state().beautyPicture, 2);
    EXPECT_EQ(state().beautySet, "TessaQuorin");

    // A picture that starts like a JPEG file and is none.
    auto packed = PackPictures({Jpeg(10, 10), std::string("\xFF\xD8\xFF") + std::string(300, 'z')});
    ASSERT_TRUE(packed.ok());
    ASSERT_EQ(WritePackedSet(StemPath(kLuna), packed.value), GalleryError::None);
    session->prize().GiveWonPicture();
    EXPECT_EQ(platform.modalWindows.size(), 1u);
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(state().beautyPicture, 2);
    EXPECT_EQ(FilesStartingWith("LunaPressvick2.tmp"), QStringList());

    // The files gone since the menu was opened.
    QFile::remove(store);
    session->prize().GiveWonPicture();
    EXPECT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(state().beautyPicture, 2);
}

class Viewer : public Gallery {
protected:
    // Opens the viewer on a w x h picture as picture 1 of Луна Прессвик and runs `look` in it.
    void Show(int w, int h, const std::function<void(PictureViewer&)>& look) {
        auto held = WriteTemporaryPicture({folder.path().toStdString()}, "LunaPressvick", 1, Jpeg(w, h));
        ASSERT_TRUE(held.ok());
        state().beautySet = "LunaPressvick";
        state().beautyPicture = 1;
        PictureViewer viewer(state(), platform, *window, std::move(held.value));
        const QString file = viewer.pictureFile();
        ASSERT_TRUE(viewer.Form_Load());
        platform.modalScripts.push_back([&](QDialog&) { look(viewer); });
        platform.showModal(viewer);
        EXPECT_FALSE(QFile::exists(file));
    }
};

TEST_F(Viewer, APictureTallerThanTheScreenScrollsToItsBottom) {
    platform.screen = QSize(1280, 1024);
    const auto picture = [](PictureViewer& v) { return Control<QLabel>(v, "pctJpg"); };
    const auto frame = [](PictureViewer& v) { return Control<QFrame>(v, "Frame"); };
    const auto vertical = [](PictureViewer& v) { return Control<QScrollBar>(v, "VScroll"); };
    const auto horizontal = [](PictureViewer& v) { return Control<QScrollBar>(v, "HScroll"); };
    Show(40, 40000, [&](PictureViewer& v) {  // beyond a 16-bit scroll range
        EXPECT_TRUE(vertical(v)->isVisible());
        EXPECT_LE(v.frameGeometry().height(), 1024);
        EXPECT_EQ(picture(v)->y(), 6);
        vertical(v)->setValue(vertical(v)->maximum());
        EXPECT_GT(vertical(v)->maximum(), 32767);
        EXPECT_NEAR(picture(v)->geometry().bottom(), frame(v)->height() - 1, 1);
        EXPECT_EQ(Control<QPushButton>(v, "cmdSave")->accessibleName(), "Сохранить картинку");
        EXPECT_TRUE(picture(v)->accessibleName().contains("Луна Прессвик"));
    });
    Show(2000, 100, [&](PictureViewer& v) {
        EXPECT_FALSE(vertical(v)->isVisible());
        EXPECT_TRUE(horizontal(v)->isVisible());
        EXPECT_LE(v.width(), 1280);
        horizontal(v)->setValue(horizontal(v)->maximum());
        EXPECT_NEAR(picture(v)->geometry().right(), frame(v)->width() - 1, 1);
    });
    Show(300, 200, [&](PictureViewer& v) {
        EXPECT_EQ(v.windowTitle(), "Луна Прессвик  1/4");
        EXPECT_FALSE(vertical(v)->isVisible());
        EXPECT_FALSE(horizontal(v)->isVisible());
        EXPECT_EQ(v.width(), 300 + 15);                  // the picture and 225 twips
        EXPECT_NEAR(v.geometry().center().x(), 640, 4);  // centred as a whole window
    });
}

TEST_F(Viewer, SavingWritesTheJpgNameAndNeverDeletesOrSilentlyReplaces) {
    QTemporaryDir pics;
    const QString chosen = pics.path() + "/my.photo.png";
    const QString target = pics.path() + "/my.jpg";
    WriteFile(chosen, "the player's own file");
    Show(30, 20, [&](PictureViewer& v) {
        const std::string picture = ReadAll(v.pictureFile());
        platform.saveNames = {chosen};
        v.cmdSave_Click();
        EXPECT_EQ(ReadAll(target), picture);
        EXPECT_EQ(ReadAll(chosen), "the player's own file");
        EXPECT_TRUE(platform.boxes.empty());

        WriteFile(target, "older");
        platform.saveNames = {chosen};
        platform.answers = {MsgAnswer::No};
        v.cmdSave_Click();
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(ReadAll(target), "older");
        platform.saveNames = {target};
        platform.answers = {MsgAnswer::Yes};
        v.cmdSave_Click();
        EXPECT_EQ(ReadAll(target), picture);

        platform.boxes.clear();
        v.cmdSave_Click();  // cancelled: silent
        EXPECT_TRUE(platform.boxes.empty());
        platform.saveNames = {pics.path() + "/no/such/folder/x.png"};
        v.cmdSave_Click();
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
        EXPECT_TRUE(v.isVisible());
    });
}

TEST_F(Gallery, AnUnwritableProgramFolderGetsThePictureIntoAPrivateFolder) {
    InstallSet(kTessa, 1);
    Choose(kTessa);
    platform.folder = folder.path() + "/not-a-folder";  // cannot be written
    platform.dataFolderList = {folder.path()};
    WriteFile(platform.folder, "plain file");
    std::vector<Seen> seen;
    ExpectViewer(seen);
    session->prize().GiveWonPicture();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].fileThere);
    EXPECT_FALSE(seen[0].file.startsWith(folder.path()));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(seen[0].file).path())) << "the private folder outlives the viewer";
}

}  // namespace
}  // namespace duel::testing
