// The help window and the look-up of help topics in the data folders.
#include "platform/help_viewer.h"

#include "platform/dialogs.h"
#include "platform/on_screen.h"
#include "platform/platform.h"
#include "platform/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace duel {

namespace {

// A step through the topics already read: a tool button with its arrow, its
// caption beside it and its Alt+arrow key; off until there is a step to take.
QToolButton* HistoryButton(QWidget* parent, const char* name, QStyle::StandardPixmap arrow, const QString& caption,
                           const QString& keyName, Qt::Key key) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setIcon(parent->style()->standardIcon(arrow));
    button->setText(caption);
    button->setToolTip(QStringLiteral("%1 (Alt+%2)").arg(caption, keyName));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setShortcut(QKeySequence(Qt::ALT | key));
    button->setEnabled(false);
    return button;
}

}  // namespace

QString FindHelpTopic(const QStringList& dataFolders, int context) {
    const QString name = QStringLiteral("%1.html").arg(context);
    // The topics in the player's language are in a folder named for it inside the help folder
    // ("en/100.html"); a topic not translated yet is shown in Russian rather than not at all.
    QStringList places;
    if (!PlayerLanguageIsRussian()) places << PlayerLanguage() + u'/' + name;
    places << name;
    for (const QString& place : places) {
        for (const QString& folder : dataFolders) {
            if (folder.isEmpty()) continue;
            const QFileInfo topic(QDir(folder).filePath(QString::fromUtf8(kHelpFolderName) + u'/' + place));
            if (topic.isFile() && topic.isReadable()) return topic.absoluteFilePath();
        }
    }
    return {};
}

HelpViewer::HelpViewer(Platform& platform) : platform_(platform) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(Tr("platform", "Справка"));
    // An open help window does not keep the program running once the main
    // window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    backButton_ = HistoryButton(this, "back", QStyle::SP_ArrowBack, Tr("platform", "Назад"), Tr("platform", "Влево"),
                                Qt::Key_Left);
    forwardButton_ = HistoryButton(this, "forward", QStyle::SP_ArrowForward, Tr("platform", "Вперёд"),
                                   Tr("platform", "Вправо"), Qt::Key_Right);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("browser"));
    browser_->setOpenLinks(false);  // every link goes through FollowLink

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton_);
    buttons->addWidget(forwardButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(560, 480);

    // Escape closes the help, as it closes a dialog.
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    connect(backButton_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { FollowLink(url); });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });
}

void HelpViewer::ShowTopic(const QString& path) {
    const QFileInfo topic(path);
    browser_->setSearchPaths({topic.absolutePath()});
    const QUrl url = QUrl::fromLocalFile(topic.absoluteFilePath());
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url);
    UpdateTitle();
}

void HelpViewer::FollowLink(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == u"mailto" || scheme == u"http" || scheme == u"https") {
        platform_.openAddress(url.toString());
        return;
    }
    if (url.path().isEmpty() && url.hasFragment()) {
        browser_->scrollToAnchor(url.fragment());
        return;
    }
    // Another topic: relative to the topic shown.
    const QUrl target = browser_->source().resolved(url);
    const QString file = target.toLocalFile();
    if (!target.isLocalFile() || !QFileInfo(file).isFile()) {
        Notice(platform_, this, Tr("platform", "Раздел справки «%1» не найден.").arg(url.toString()),
               MsgIcon::Exclamation);
        return;
    }
    browser_->setSource(target);
}

void HelpViewer::UpdateTitle() {
    const QString title = browser_->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? Tr("platform", "Справка") : title);
}

void ShowHelpTopic(Platform& platform, QWidget* owner, int context, std::unique_ptr<HelpViewer>& viewer) {
    const QString topic = FindHelpTopic(platform.dataFolders(), context);
    if (topic.isEmpty()) {
        Notice(platform, owner,
               Tr("platform",
                  "Не найден раздел справки %1: нет файла «%1.html» в папке «%2» "
                  "ни рядом с программой, ни в папках её данных.")
                   .arg(context)
                   .arg(QString::fromUtf8(kHelpFolderName)),
               MsgIcon::Exclamation);
        return;
    }
    const bool fresh = !viewer;
    if (fresh) viewer = std::make_unique<HelpViewer>(platform);
    if (owner) viewer->setWindowIcon(owner->windowIcon());
    viewer->ShowTopic(topic);
    if (fresh && owner) {
        // Down and right of its owner, framed as the owner is, and whole on the screen.
        HelpViewer& shown = *viewer;
        const QPoint corner = owner->frameGeometry().topLeft() + QPoint(40, 40);
        const QMargins guess = FrameMarginsOf(*owner, {});
        PlaceNowAndWhenFramed(shown,
                              [&shown, &platform, corner, guess] { MoveOntoScreen(shown, platform, corner, guess); });
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace duel
