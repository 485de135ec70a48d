// Where the records, about and prize windows stand: right-aligned with the main window, below its top.
#pragma once

#include <QSize>

class QWidget;

namespace duel {

class HostWindow;

// Puts `window`'s right edge on the main window's right edge and its top
// 500 twips below the main window's top.  Before the window manager has
// framed `window` its frame is taken to be as wide as the main window's.  With
// a `screen` size given, a window wider than the main window is kept on it.
void PlaceBesideHost(QWidget& window, const HostWindow& host, QSize screen = {});

// The same now, and once more shortly after the window is shown: some window
// managers place a new window by its client area and report its frame only
// once it is mapped.
void KeepBesideHost(QWidget& window, const HostWindow& host, QSize screen = {});

}  // namespace duel
