// The about window: its place against the main window, the links' hover colours and targets.
#include "windows/about_window.h"

#include "deployment.h"
#include "rules/twips.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace duel::testing {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// A mouse move with no button held, delivered the way a real one is: to
// the widget under the pointer, passed on to its parent if it ignores it.
void MoveOver(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void Click(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest() {
        QPixmap picture(32, 32);
        picture.fill(Qt::darkGreen);
        host.windowIcon = QIcon(picture);
    }

    // A control of the window by its name.
    template <typename T = QLabel>
    static T* control(AboutWindow& about, const char* name) {
        return about.findChild<T*>(QString::fromUtf8(name));
    }

    FakePlatform platform;
    FakeHost host;
};

TEST_F(AboutWindowTest, OpensAgainstTheMainWindowsCurrentPlaceEachTime) {
    AboutWindow about(platform, host);
    EXPECT_EQ(about.objectName(), QStringLiteral("фрмО_программе"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе \"Шелвы и злыки v 2.0\""));
    EXPECT_EQ(about.size(), QSize(TwipsToPixels(AboutWindow::kWidthTwips), TwipsToPixels(AboutWindow::kHeightTwips)));

    for (const QPoint mainCorner : {QPoint(100, 50), QPoint(640, 333)}) {
        host.frame.moveTopLeft(mainCorner);
        host.client.moveTopLeft(mainCorner + QPoint(4, 26));
        QRect placed;
        platform.modalScripts.push_back([&](QDialog& window) { placed = window.frameGeometry(); });
        platform.showModal(about);
        EXPECT_EQ(placed.x() + placed.width(), host.frame.x() + host.frame.width()) << mainCorner.x();
        EXPECT_EQ(placed.y(), mainCorner.y() + 33);  // 500 twips
    }
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindowTest, MovesBackOntoTheScreenOnlyWhereTheMainWindowsPlaceWouldTakeItOff) {
    const QRect screen(0, 0, 640, 512);  // 1280 x 1024 at QT_SCALE_FACTOR=2
    platform.screen = screen.size();
    AboutWindow about(platform, host);
    struct Case {
        const char* what;
        QPoint mainCorner;
    };
    for (const Case& c : {Case{"the described place fits", {300, 100}}, Case{"over the bottom-right edge", {500, 400}},
                          Case{"over the left edge, the window wider than the main one", {-100, 50}}}) {
        host.frame.moveTopLeft(c.mainCorner);
        host.client.moveTopLeft(c.mainCorner + QPoint(4, 26));
        QRect placed;
        platform.modalScripts.push_back([&](QDialog& window) { placed = window.frameGeometry(); });
        platform.showModal(about);
        EXPECT_TRUE(screen.contains(placed)) << c.what;
        // As near the described place as the screen lets it be.
        const int right = std::min(host.frame.right(), screen.right());
        EXPECT_EQ(placed.right(), std::max(right, screen.left() + placed.width() - 1)) << c.what;
        EXPECT_EQ(placed.top(), std::min(c.mainCorner.y() + 33, screen.bottom() + 1 - placed.height())) << c.what;
    }
}

TEST_F(AboutWindowTest, ShowsTheProgramsIconTwiceAndTheDeploymentsTexts) {
    AboutWindow about(platform, host);
    about.show();
    const QImage expected = host.windowIcon.pixmap(32).toImage();
    EXPECT_EQ(control(about, "изб1")->pixmap().toImage(), expected);
    EXPECT_EQ(control(about, "изб2")->pixmap().toImage(), expected);
    EXPECT_EQ(about.windowIcon().pixmap(32).toImage(), expected);

    EXPECT_EQ(control(about, "lblFIO")->text(), QString::fromUtf8(DUEL_AUTHOR_NAME " , " DUEL_AUTHOR_DATE));
    EXPECT_TRUE(control(about, "lblAdress")->text().startsWith(QString::fromUtf8(DUEL_COUNTRY)));
    EXPECT_EQ(control(about, "lblMail")->text(), QStringLiteral("E-mail:"));
    EXPECT_EQ(control(about, "lblHP")->text(), QStringLiteral("HomePage:"));
    EXPECT_EQ(control(about, "lblMailAdress")->text(), QString::fromUtf8(DUEL_EMAIL));
    EXPECT_EQ(control(about, "lblHPAdress")->text(), QString::fromUtf8(DUEL_HOME_HOST));
    for (QLabel* link : {control(about, "lblMailAdress"), control(about, "lblHPAdress")}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(TextColour(link), kBlue);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(control<QPushButton>(about, "кнпОК")->text(), QStringLiteral("ОК"));
    EXPECT_EQ(control<QPushButton>(about, "кнпОК")->toolTip(), QStringLiteral("Выход"));
    control<QPushButton>(about, "кнпОК")->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindowTest, TheLinkUnderThePointerTurnsRedUntilThePointerReachesTheFreeArea) {
    AboutWindow about(platform, host);
    about.show();
    QLabel* home = control(about, "lblHPAdress");
    QLabel* mail = control(about, "lblMailAdress");

    MoveOver(home);
    EXPECT_EQ(TextColour(home), kRed);
    EXPECT_EQ(TextColour(mail), kBlue);
    // The author's line, the pictures and the button change nothing.
    for (QWidget* still :
         {static_cast<QWidget*>(control(about, "lblFIO")), static_cast<QWidget*>(control(about, "изб1")),
          static_cast<QWidget*>(control(about, "изб2")), static_cast<QWidget*>(control<QPushButton>(about, "кнпОК"))}) {
        MoveOver(still);
        EXPECT_EQ(TextColour(home), kRed) << still->objectName().toStdString();
    }
    MoveOver(mail);
    EXPECT_EQ(TextColour(home), kBlue);
    EXPECT_EQ(TextColour(mail), kRed);
    for (QWidget* plain :
         {static_cast<QWidget*>(&about), static_cast<QWidget*>(control(about, "lblAdress")),
          static_cast<QWidget*>(control(about, "lblHP")), static_cast<QWidget*>(control(about, "lblMail"))}) {
        MoveOver(mail);
        MoveOver(plain);
        EXPECT_EQ(TextColour(mail), kBlue) << plain->objectName().toStdString();
        EXPECT_EQ(TextColour(home), kBlue);
    }
}

TEST_F(AboutWindowTest, LinksOpenTheMailProgramAndTheHomePage) {
    AboutWindow about(platform, host);
    about.show();
    Click(control(about, "lblMailAdress"));
    Click(control(about, "lblHPAdress"));
    Click(control(about, "lblMail"));  // the caption is no link
    EXPECT_EQ(platform.addresses,
              (std::vector<QString>{QStringLiteral("mailto:") + QString::fromUtf8(DUEL_EMAIL),
                                    QStringLiteral("http://") + QString::fromUtf8(DUEL_HOME_HOST)}));
    EXPECT_TRUE(about.isVisible());
}

}  // namespace
}  // namespace duel::testing
