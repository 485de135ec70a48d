// A scripted platform for window tests: records every dialog and answers from queues.
#pragma once

#include "platform/null_platform.h"
#include "tests/support/qt_printers.h"

#include <QDialog>
#include <QIcon>
#include <QString>

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace duel::testing {

struct RecordedBox {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakePlatform final : public NullPlatform {
public:
    // --- scripts ---
    std::deque<MsgAnswer> answers;  // for Yes/No boxes; empty: Yes
    std::deque<QString> inputs;     // for input boxes; empty: the default text
    std::deque<double> fractions;   // random draws; empty: 0.0
    std::deque<QString> saveNames;  // save dialog; empty: Cancel
    QString suggestedSaveName;      // what the last save dialog offered
    uint64_t keysDrawn = 0;         // random keys drawn
    // Runs inside each modal window before it is closed (the dialog is shown
    // and its load steps have run).  Empty: the window is closed at once.
    std::deque<std::function<void(QDialog&)>> modalScripts;
    // Runs whenever pending events are let run (re-entrancy tests).
    std::function<void()> onProcessEvents;
    // Runs inside each message box, before it answers.
    std::function<void(const RecordedBox&)> onMessageBox;
    // Runs inside each input box, before it answers (given its prompt).
    std::function<void(const QString&)> onInputBox;

    double midnightSeconds = 36000;                  // the wall clock
    QDateTime now{QDate(2025, 3, 1), QTime(10, 0)};  // the wall clock's date and time
    double monotonic = 1000;                         // the monotonic clock
    QString folder;                                  // program folder
    QString configFolder;                            // per-user config folder
    QStringList dataFolderList;                      // read-only data; empty: the program folder alone
    std::filesystem::path userDataFolder;            // the user's data folder (the journal of games); empty: none
    QSize screen{1280, 1024};

    // --- records ---
    std::vector<RecordedBox> boxes;
    std::vector<QString> inputPrompts;
    std::vector<QString> inputTitles;
    std::vector<QString> inputDefaults;
    std::vector<QString> modalWindows;  // objectName of each modal window shown
    struct RecordedSaveDialog {
        QString title;
        QString filter;
        QString suggested;
    };
    std::vector<RecordedSaveDialog> saveDialogs;
    // Every box, input box, save dialog and modal window in the order shown:
    // "box: <text>", "input: <prompt>", "save: <title>", "window: <objectName>".
    std::vector<std::string> sequence;
    std::vector<int> helpContexts;
    std::vector<QString> addresses;
    int processEventsCalls = 0;
    int randomDraws = 0;
    int unscripted = 0;  // dialogs answered without a script
    bool trayShown = false;
    QString trayTip;

    // Begins the quit, as a signal or the session's end does for the program:
    // from now on every modal call gives its cancel answer at once, and a
    // call that is open when this runs (from its script) answers the same.
    // Open modal windows are closed as a Cancel closes them.
    void requestQuit() override;
    bool quitting() const override { return quitRequested_; }
    // True inside a modal window's script and inside a box's or input box's callback.
    bool modalOpen() const override { return !open_.empty(); }
    // The calls whose script or callback runs now, one inside another.
    int modalDepth() const override { return static_cast<int>(open_.size()); }
    // Those above `depth` give their cancel answer once their script or callback returns (no
    // scripted answer is taken); their windows are closed as a Cancel closes them.
    void cancelModalsAbove(int depth) override;
    int modalsCancelled = 0;  // calls so closed

    MsgAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& defaultText) override;
    void showModal(QDialog& window) override;
    void processEvents() override;
    double secondsSinceMidnight() override { return midnightSeconds; }
    QDateTime localDateTime() override { return now; }
    double monotonicSeconds() override { return monotonic; }
    double randomFraction() override;
    uint64_t randomKey() override { return ++keysDrawn * 0x9e3779b97f4a7c15ULL; }
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& suggested) override;
    void showHelp(QWidget*, int context) override { helpContexts.push_back(context); }
    void openAddress(const QString& address) override { addresses.push_back(address); }
    void addTrayIcon(const QIcon&, const QString& tip) override {
        trayShown = true;
        trayTip = tip;
    }
    void deleteTrayIcon() override { trayShown = false; }
    QString programFolder() override { return folder; }
    QString userConfigFolder() override { return configFolder; }
    std::filesystem::path userDataFolderPath() override { return userDataFolder; }
    QStringList dataFolders() override { return dataFolderList.isEmpty() ? QStringList{folder} : dataFolderList; }
    QSize screenSize() override { return screen; }

    // Texts of the boxes shown so far, in order.
    std::vector<QString> boxTexts() const;
    // The entries of `sequence` that begin with `kind` ("box", "window" ...), in order.
    std::vector<std::string> shown(const std::string& kind) const;

    // Modal calls answered "cancel" because the program was quitting.  A
    // handler that keeps asking after a quit would loop for ever: the
    // 20th such call throws AskedAfterQuit, which fails the test instead.
    int callsWhileQuitting = 0;
    struct AskedAfterQuit : std::runtime_error {
        AskedAfterQuit() : std::runtime_error("a modal call kept coming after the quit") {}
    };

private:
    // Counts a call answered "cancel" because of the quit; true when it was.
    bool answeredByQuit();

    // A call whose script or callback runs: its window (if it is one), and whether it was cancelled meanwhile.
    struct Open {
        QDialog* window = nullptr;
        bool cancelled = false;
    };
    // Runs `script` as the modal call `window` (nullptr for a box); true when it was cancelled meanwhile.
    template <typename Script>
    bool RunOpen(QDialog* window, Script&& script);

    bool quitRequested_ = false;
    std::vector<Open> open_;
};

}  // namespace duel::testing
