// A platform that does nothing: the base of the scripted platforms of the tests and benchmarks.
#pragma once

#include "platform/platform.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace duel {

// Every call returns at once with the answer of a person who cancels: OK for
// an OK box, No for a question, an empty text for the input box and the save
// dialog.  Clocks stand still, every draw is 0.  Subclasses override only
// what they script.
class NullPlatform : public Platform {
public:
    bool quitting() const override { return false; }
    void requestQuit() override {}
    bool modalOpen() const override { return false; }
    int modalDepth() const override { return 0; }
    void cancelModalsAbove(int) override {}
    MsgAnswer messageBox(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons buttons) override {
        return CancelAnswer(buttons);
    }
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void showModal(QDialog& window) override;
    void processEvents() override {}
    double secondsSinceMidnight() override { return 0; }
    QDateTime localDateTime() override { return QDateTime(QDate(2000, 1, 1), QTime(0, 0)); }
    double monotonicSeconds() override { return 0; }
    double randomFraction() override { return 0; }
    uint64_t randomKey() override { return 0x9e3779b97f4a7c15ULL; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void showHelp(QWidget*, int) override {}
    void openAddress(const QString&) override {}
    void addTrayIcon(const QIcon&, const QString&) override {}
    void deleteTrayIcon() override {}
    QString programFolder() override { return {}; }
    QString userConfigFolder() override { return {}; }
    // The display texts in the system's file name encoding.
    std::filesystem::path programFolderPath() override { return NativePath(programFolder()); }
    std::filesystem::path userConfigFolderPath() override { return NativePath(userConfigFolder()); }
    std::filesystem::path userDataFolderPath() override { return {}; }
    bool installed() override { return false; }
    QStringList dataFolders() override { return {programFolder()}; }
    QSize screenSize() override { return {1280, 1024}; }
    // The whole screen, with no panels.
    QRect screenArea(const QRect&) override { return {QPoint(0, 0), screenSize()}; }
};

}  // namespace duel
