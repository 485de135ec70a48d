// Entry point of the window tests: one offscreen QApplication for all of them.
#include "tests/support/offscreen_app.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    duel::testing::UseQuietOffscreenPlatform();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
