// The platform as the program uses it: Qt dialogs, clocks, shell and screen.
#pragma once

#include "core/random_fractions.h"
#include "platform/platform.h"

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

class QSystemTrayIcon;

namespace duel {

class HelpViewer;

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MsgAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    void showModal(QDialog& window) override;
    void processEvents() override;
    double secondsSinceMidnight() override;
    double monotonicSeconds() override;
    double randomFraction() override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter) override;
    void showHelp(QWidget* owner, int context) override;
    void openAddress(const QString& address) override;
    void addTrayIcon(const QIcon& icon, const QString& tip) override;
    void deleteTrayIcon() override;
    QString programFolder() override;
    QString userConfigFolder() override;
    QStringList dataFolders() override;
    QSize screenSize() override;

private:
    RandomFractions random_;
    QElapsedTimer monotonic_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    QPointer<HelpViewer> help_;
};

}  // namespace duel
