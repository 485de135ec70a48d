// The second placement once a window is framed: run when the frame arrives, never on a later move of the player's.
#include "platform/on_screen.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

TEST(OnceFramed, RunsWhenTheFrameArrivesAndNeverOnALaterMove) {
    QWidget window;
    window.resize(200, 100);
    int runs = 0;
    OnceFramed(window, [&] { ++runs; });
    EXPECT_EQ(runs, 0);  // not shown, so not framed

    window.show();
    QApplication::processEvents();
    ASSERT_NE(window.frameGeometry(), window.geometry());  // the offscreen platform frames a shown window
    EXPECT_EQ(runs, 1);

    // The player moves and resizes the window: nothing runs again.
    window.move(300, 200);
    window.resize(260, 120);
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);

    // A window framed already: at once.
    OnceFramed(window, [&] { ++runs; });
    EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace duel::testing
