// Qt implementation of the platform: modal dialogs, clocks, shell, screen.
#include "platform/qt_platform.h"

#include "platform/help_viewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTime>
#include <QUrl>

namespace duel {

QtPlatform::QtPlatform() { monotonic_.start(); }

QtPlatform::~QtPlatform() {
    delete help_.data();
}

MsgAnswer QtPlatform::messageBox(QWidget* owner, const QString& text, const QString& title,
                                 MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon == MsgIcon::Information   ? QMessageBox::Information
                : icon == MsgIcon::Exclamation ? QMessageBox::Warning
                                               : QMessageBox::NoIcon);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

QString QtPlatform::inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& defaultText) {
    QInputDialog box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (box.exec() != QDialog::Accepted) return {};
    return box.textValue();
}

void QtPlatform::showModal(QDialog& window) {
    window.setWindowModality(Qt::ApplicationModal);
    window.exec();
}

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

double QtPlatform::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double QtPlatform::monotonicSeconds() { return monotonic_.elapsed() / 1000.0; }

double QtPlatform::randomFraction() { return random_.next(); }

QString QtPlatform::saveFileName(QWidget* owner, const QString& title, const QString& filter) {
    return QFileDialog::getSaveFileName(owner, title, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void QtPlatform::showHelp(QWidget* owner, int context) {
    ShowHelpTopic(*this, owner, context, help_);
}

void QtPlatform::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));  // the result is not examined
}

void QtPlatform::addTrayIcon(const QIcon& icon, const QString& tip) {
    if (tray_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
    tray_ = std::make_unique<QSystemTrayIcon>(icon);
    tray_->setToolTip(tip);
    tray_->show();
}

void QtPlatform::deleteTrayIcon() { tray_.reset(); }

QString QtPlatform::programFolder() { return QCoreApplication::applicationDirPath(); }

QString QtPlatform::userConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QStringList QtPlatform::dataFolders() {
    // The installed data folder is found from the executable, so that a game
    // installed under any prefix finds its own data.
    const QString program = programFolder();
    return {program,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/shelvy-zlyki"),
            QDir::cleanPath(program + QStringLiteral("/../share/shelvy-zlyki"))};
}

QSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace duel
