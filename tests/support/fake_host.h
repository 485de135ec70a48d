// A stand-in for the main window, for testing a window on its own.
#pragma once

#include "windows/host_window.h"

#include <QWidget>

namespace duel::testing {

// Records what the window asked of its host; the frame is set by the test.
class FakeHost final : public HostWindow {
public:
    QRect frame{100, 100, 300, 240};   // outer frame in pixels
    QRect client{104, 126, 290, 185};  // client area in pixels
    QIcon windowIcon;
    int refreshes = 0;

    QWidget* ownerWidget() override { return nullptr; }
    QRect frameRect() const override { return frame; }
    QRect clientRect() const override { return client; }
    QIcon icon() const override { return windowIcon; }
    void Refresh() override { ++refreshes; }
};

}  // namespace duel::testing
