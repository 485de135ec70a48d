// Where the records, about and prize windows stand: right-aligned with the main window, below its top, on the screen.
#pragma once

#include <QMargins>

class QWidget;

namespace duel {

class HostWindow;
class Platform;

// What the window manager's frame adds around the main window's client area:
// the guess for the frame of a window of the game not framed yet.
QMargins HostFrameMargins(const HostWindow& host);

// Puts `window`'s right edge on the main window's right edge and its top
// 500 twips below the main window's top; where that would take its frame off
// the screen's available area (the main window near or over an edge), the
// window goes as little away from that place as keeps it whole on the area.
// Before the window manager has framed `window` its frame is taken to be the
// main window's.
void PlaceBesideHost(QWidget& window, const HostWindow& host, Platform& platform);

// The same now, and once more shortly after the window is shown: some window
// managers place a new window by its client area and report its frame only
// once it is mapped.
void KeepBesideHost(QWidget& window, const HostWindow& host, Platform& platform);

}  // namespace duel
