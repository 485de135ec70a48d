// SIGTERM, SIGINT, SIGHUP, the end of the desktop session and a close under a modal window turned into an orderly quit.
#pragma once

namespace duel {

class QtPlatform;

// From now on SIGTERM, SIGINT and SIGHUP, the desktop session's request to
// save (commitDataRequest) and the application's aboutToQuit each call
// platform.requestQuit() on the user-interface thread: open boxes close with
// their cancel answer and the main window closes and saves as by its close
// box.  The signal handler only writes a byte to a pipe that a socket
// notifier watches.  Call once, after the QApplication exists and before
// anything else connects to those two application signals.  On X11 the
// window manager's close request for the main window while a modal window
// blocks it (which Qt would drop) closes the main window all the same, and
// the main window takes that close as a quit.
void WatchQuitRequests(QtPlatform& platform);

}  // namespace duel
