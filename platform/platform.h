// The one door to everything that blocks a handler or leaves the process.
//
// Windows call dialogs, clocks, randomness, the shell and the screen only
// through this interface: QtPlatform serves the program; NullPlatform does
// nothing and is the base of the tests' scripted FakePlatform and of the
// benchmarks' platform.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>

class QDialog;
class QIcon;
class QWidget;

namespace duel {

enum class MsgIcon { None, Information, Exclamation };
// YesNoDefaultNo: Yes and No with No as the default button, for a question
// whose Yes destroys something (replacing a file), so that Enter keeps it.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// The answer a box gives when it closes without a choice (a quit, Escape):
// OK for an OK box, No for a question, Cancel where Cancel is offered.
inline MsgAnswer CancelAnswer(MsgButtons buttons) {
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::No;
}

class Platform {
public:
    virtual ~Platform() = default;

    // Every modal call below (message box, input box, modal window, save
    // dialog) gives its cancel answer at once while the program is quitting:
    // OK for an OK box, No for a question, an empty text, the window closed.
    // A quit that begins while one is open closes it the same way.  Handlers
    // that ask in a loop check quitting() after each answer and stop.

    // True once the program has begun to quit on its own accord (a signal,
    // the end of the desktop session, the application leaving its event
    // loop); stays true.  A close by the player's close box is not such a
    // quit: it may still show boxes.
    virtual bool quitting() const = 0;

    // Begins the quit that a signal or the session's end begins: every open
    // modal call closes with its cancel answer, later ones answer at once,
    // and the main window then closes and saves.  Further calls do nothing.
    virtual void requestQuit() = 0;

    // True while a modal call (message box, input box, modal window, save
    // dialog) is open.  A close request for the main window meanwhile is
    // taken as a quit.
    virtual bool modalOpen() const = 0;

    // How many modal calls are open, one inside another.
    virtual int modalDepth() const = 0;
    // Closes the modal calls open above `depth` (those opened since
    // modalDepth() gave it) with their cancel answer, innermost first, as a
    // quit would close them, but without quitting: what they asked has lost
    // its point (the player who asked to play has left).
    virtual void cancelModalsAbove(int depth) = 0;

    // Modal message box; returns the button pressed (Ok for an OK box).
    virtual MsgAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) = 0;

    // Modal input box; returns the text typed, or an empty text on Cancel.
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // Shows a window application-modally and returns when it has closed.
    virtual void showModal(QDialog& window) = 0;

    // Lets pending window events (painting, timers, input) run once.
    virtual void processEvents() = 0;

    // Wall clock: seconds elapsed since local midnight.
    virtual double secondsSinceMidnight() = 0;

    // Wall clock: the local date and time, for the dates the journal of games keeps.
    virtual QDateTime localDateTime() = 0;

    // Monotonic clock in seconds from an arbitrary origin; never goes back.
    virtual double monotonicSeconds() = 0;

    // The game's one random generator: a uniform fraction, 0 <= f < 1.
    // Never seeded, so every run starts from the same state.
    virtual double randomFraction() = 0;

    // A random 64-bit value from the system's entropy, apart from the game's
    // generator (whose draws stay as they were): the key that masks an
    // unfinished game's numbers in the journal of games.
    virtual uint64_t randomKey() = 0;

    // Save-file dialog; returns the chosen path or an empty text on Cancel.
    // `suggested`, when given, is the folder and file name the dialog offers.
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& suggested = {}) = 0;

    // Shows the help topic with the given context number.
    virtual void showHelp(QWidget* owner, int context) = 0;

    // Hands a mailto: or http: address to the desktop; failures are silent.
    virtual void openAddress(const QString& address) = 0;

    // Notification-area icon for the length of the run; absent without a tray.
    virtual void addTrayIcon(const QIcon& icon, const QString& tip) = 0;
    virtual void deleteTrayIcon() = 0;

    // Folder of the program's executable (settings and gallery files live here).
    virtual QString programFolder() = 0;

    // Per-user configuration folder of this program, used when the program's
    // folder cannot be written.
    virtual QString userConfigFolder() = 0;

    // The same two folders as the system names them, for file access: every
    // byte of the path kept, whatever its length.  The texts above are for
    // display.
    virtual std::filesystem::path programFolderPath() = 0;
    virtual std::filesystem::path userConfigFolderPath() = 0;

    // The user's data folder of this program (~/.local/share/shelvy-zlyki),
    // where the journal of games is kept, as the system names it; it may not
    // exist yet.  Empty when the system gives no such folder.
    virtual std::filesystem::path userDataFolderPath() = 0;

    // True when the program runs from an installed prefix (its data folder
    // stands beside its own folder, as in <prefix>/bin and <prefix>/share).
    // Its folder then belongs to the package manager: the program writes
    // nothing there, even when it could (as root).
    virtual bool installed() = 0;

    // Folders that may hold read-only data (gallery sets, help topics), in the
    // order they are searched: the program's folder, the user's data folder,
    // the installed data folder.
    virtual QStringList dataFolders() = 0;

    // Size of the screen in logical pixels.
    virtual QSize screenSize() = 0;

    // The part of a screen that windows may cover (the screen less its panels
    // and docks), in logical pixels: of the screen that shows the most of
    // `window`, or of the primary screen when none shows any of it (or
    // `window` is empty).
    virtual QRect screenArea(const QRect& window) = 0;
};

// A folder's display text in the system's file name encoding.
std::filesystem::path NativePath(const QString& folder);

}  // namespace duel
