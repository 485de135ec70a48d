// The platform as the program uses it: Qt dialogs, clocks, shell and screen.
#pragma once

#include "platform/platform.h"
#include "rules/random_fractions.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QSystemTrayIcon;

namespace duel {

class HelpViewer;

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    bool quitting() const override { return quitting_; }
    bool modalOpen() const override;
    int modalDepth() const override;
    void cancelModalsAbove(int depth) override;
    MsgAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& defaultText) override;
    void showModal(QDialog& window) override;
    void processEvents() override;
    double secondsSinceMidnight() override;
    QDateTime localDateTime() override;
    double monotonicSeconds() override;
    double randomFraction() override;
    uint64_t randomKey() override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& suggested) override;
    void showHelp(QWidget* owner, int context) override;
    void openAddress(const QString& address) override;
    void addTrayIcon(const QIcon& icon, const QString& tip) override;
    void deleteTrayIcon() override;
    QString programFolder() override;
    QString userConfigFolder() override;
    std::filesystem::path programFolderPath() override;
    std::filesystem::path userConfigFolderPath() override;
    std::filesystem::path userDataFolderPath() override;
    bool installed() override;
    QStringList dataFolders() override;
    QSize screenSize() override;
    QRect screenArea(const QRect& window) override;

    // Begins the quit: every open modal window and box closes with its cancel
    // answer, later modal calls answer at once, and once the handlers have
    // returned the main window is closed as by its close box (it saves the
    // settings), which ends the program.  Further calls do nothing.
    void requestQuit() override;

private:
    // Runs `window` application-modally unless the program is quitting; a
    // quit that begins meanwhile closes it.  The window's result, or nothing
    // when it was not run or was cut short by a quit.
    std::optional<int> execModal(QDialog& window);

    bool quitting_ = false;
    std::vector<QPointer<QDialog>> openModals_;  // innermost last
    RandomFractions random_;
    QElapsedTimer monotonic_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<HelpViewer> help_;  // built at the first help asked for, kept for the run
};

}  // namespace duel
