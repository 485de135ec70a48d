// Qt implementation of the platform: modal dialogs, clocks, shell, screen.
#include "platform/qt_platform.h"

#include "platform/help_viewer.h"
#include "platform/plain_text.h"
#include "storage/program_folder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace duel {

QtPlatform::QtPlatform() { monotonic_.start(); }

QtPlatform::~QtPlatform() = default;

std::optional<int> QtPlatform::execModal(QDialog& window) {
    if (quitting_) return std::nullopt;
    window.setWindowModality(Qt::ApplicationModal);
    openModals_.emplace_back(&window);
    const int result = window.exec();
    std::erase_if(openModals_, [&](const QPointer<QDialog>& open) { return !open || open == &window; });
    if (quitting_) return std::nullopt;
    return result;
}

bool QtPlatform::modalOpen() const { return !openModals_.empty() || QGuiApplication::modalWindow(); }

int QtPlatform::modalDepth() const { return static_cast<int>(openModals_.size()); }

void QtPlatform::cancelModalsAbove(int depth) {
    const std::vector<QPointer<QDialog>> open(openModals_.begin() + std::clamp(depth, 0, modalDepth()),
                                              openModals_.end());
    for (auto window = open.rbegin(); window != open.rend(); ++window) {
        if (*window) (*window)->reject();
        if (*window && (*window)->isVisible()) (*window)->hide();
    }
}

void QtPlatform::requestQuit() {
    if (quitting_) return;
    quitting_ = true;
    // Innermost first: each window gets the close a person's Cancel gives it
    // (and may run its own unload steps); one that refuses is hidden, which
    // ends its modal loop all the same.
    const std::vector<QPointer<QDialog>> open(openModals_.rbegin(), openModals_.rend());
    for (const QPointer<QDialog>& window : open) {
        if (window) window->reject();
        if (window && window->isVisible()) window->hide();
    }
    // Once the handlers that opened them have returned, close the main window
    // as its close box does.  A main window that is busy closes itself when
    // its work ends; with nothing left open the program ends here.
    QTimer::singleShot(0, qApp, [] {
        bool open = false;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(top) && top->isVisible() && !top->close()) open = true;
        }
        if (!open) QCoreApplication::exit(0);
    });
}

MsgAnswer QtPlatform::messageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) {
    const MsgAnswer cancel = CancelAnswer(buttons);
    if (quitting_) return cancel;
    QMessageBox box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    // Every text of the game's boxes is plain: a file name such as "<i>U.csv" is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(icon == MsgIcon::Information   ? QMessageBox::Information
                : icon == MsgIcon::Exclamation ? QMessageBox::Warning
                                               : QMessageBox::NoIcon);
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDefaultNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return execModal(box) == QMessageBox::Yes ? MsgAnswer::Yes : cancel;
    }
    if (buttons == MsgButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const std::optional<int> pressed = execModal(box);
        if (pressed == QMessageBox::Yes) return MsgAnswer::Yes;
        return pressed == QMessageBox::No ? MsgAnswer::No : cancel;
    }
    box.setStandardButtons(QMessageBox::Ok);
    execModal(box);
    return MsgAnswer::Ok;
}

QString QtPlatform::inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& defaultText) {
    if (quitting_) return {};
    QInputDialog box(owner);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    for (QLabel* label : box.findChildren<QLabel*>()) MakePlain(label);
    box.setTextValue(defaultText);
    if (execModal(box) != QDialog::Accepted) return {};
    return box.textValue();
}

void QtPlatform::showModal(QDialog& window) { execModal(window); }

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

double QtPlatform::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QDateTime QtPlatform::localDateTime() { return QDateTime::currentDateTime(); }

double QtPlatform::monotonicSeconds() { return monotonic_.elapsed() / 1000.0; }

double QtPlatform::randomFraction() { return random_.next(); }

uint64_t QtPlatform::randomKey() { return QRandomGenerator::system()->generate64(); }

QString QtPlatform::saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& suggested) {
    if (quitting_) return {};
    QFileDialog dialog(owner, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!suggested.isEmpty()) {
        dialog.setDirectory(QFileInfo(suggested).absolutePath());
        dialog.selectFile(QFileInfo(suggested).fileName());
    }
    if (execModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    // Qt's own dialog reads a typed name with double quotes as a list of
    // quoted names (say "hi".csv gives hi.csv in the working folder); a save
    // takes the name as it was typed, in the dialog's folder.
    const auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (typed != nullptr && typed->text().contains(QLatin1Char('"')) && !typed->text().contains(QLatin1Char('/')))
        return dialog.directory().filePath(typed->text());
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::showHelp(QWidget* owner, int context) { ShowHelpTopic(*this, owner, context, help_); }

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

QString QtPlatform::userConfigFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

std::filesystem::path QtPlatform::programFolderPath() {
    std::filesystem::path folder = ExecutableFolder();
    return folder.empty() ? NativePath(programFolder()) : folder;
}

std::filesystem::path QtPlatform::userConfigFolderPath() { return NativePath(userConfigFolder()); }

// The folder dataFolders() searches second; nothing when the system names no data folder.
static QString UserDataFolder() {
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return generic.isEmpty() ? QString() : generic + QStringLiteral("/shelvy-zlyki");
}

std::filesystem::path QtPlatform::userDataFolderPath() { return NativePath(UserDataFolder()); }

// The installed data folder is found from the executable, so that a game
// installed under any prefix finds its own data.
static QString InstalledDataFolder(const QString& program) {
    return QDir::cleanPath(program + QStringLiteral("/../share/shelvy-zlyki"));
}

bool QtPlatform::installed() { return QFileInfo(InstalledDataFolder(programFolder())).isDir(); }

QStringList QtPlatform::dataFolders() {
    const QString program = programFolder();
    return {program,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/shelvy-zlyki"),
            InstalledDataFolder(program)};
}

QSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QRect QtPlatform::screenArea(const QRect& window) {
    const QScreen* best = QGuiApplication::primaryScreen();
    long long bestShown = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->geometry().intersected(window);
        const long long area = shown.isEmpty() ? 0 : 1LL * shown.width() * shown.height();
        if (area > bestShown) {
            best = screen;
            bestShown = area;
        }
    }
    return best ? best->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace duel
