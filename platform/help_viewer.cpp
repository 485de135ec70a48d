// The help window and the look-up of help topics in the data folders.
#include "platform/help_viewer.h"

#include "platform/dialogs.h"
#include "platform/platform.h"

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

QString FindHelpTopic(const QStringList& dataFolders, int context) {
    const QString name = QStringLiteral("%1.html").arg(context);
    for (const QString& folder : dataFolders) {
        if (folder.isEmpty()) continue;
        const QFileInfo topic(QDir(folder).filePath(QString::fromUtf8(kHelpFolderName) + u'/' + name));
        if (topic.isFile() && topic.isReadable()) return topic.absoluteFilePath();
    }
    return {};
}

HelpViewer::HelpViewer(Platform& platform) : platform_(platform) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Справка"));
    // An open help window does not keep the program running once the main
    // window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    back = new QToolButton(this);
    back->setObjectName(QStringLiteral("back"));
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    back->setText(QStringLiteral("Назад"));
    back->setToolTip(QStringLiteral("Назад (Alt+Влево)"));
    back->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back->setEnabled(false);

    forward = new QToolButton(this);
    forward->setObjectName(QStringLiteral("forward"));
    forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    forward->setText(QStringLiteral("Вперёд"));
    forward->setToolTip(QStringLiteral("Вперёд (Alt+Вправо)"));
    forward->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward->setEnabled(false);

    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("browser"));
    browser->setOpenLinks(false);  // every link goes through FollowLink

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(browser);
    resize(560, 480);

    // Escape closes the help, as it closes a dialog.
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    connect(back, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { FollowLink(url); });
    connect(browser, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });
}

void HelpViewer::ShowTopic(const QString& path) {
    const QFileInfo topic(path);
    browser->setSearchPaths({topic.absolutePath()});
    const QUrl url = QUrl::fromLocalFile(topic.absoluteFilePath());
    if (browser->source() == url)
        browser->reload();
    else
        browser->setSource(url);
    UpdateTitle();
}

void HelpViewer::FollowLink(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == u"mailto" || scheme == u"http" || scheme == u"https") {
        platform_.openAddress(url.toString());
        return;
    }
    if (url.path().isEmpty() && url.hasFragment()) {
        browser->scrollToAnchor(url.fragment());
        return;
    }
    // Another topic: relative to the topic shown.
    const QUrl target = browser->source().resolved(url);
    const QString file = target.toLocalFile();
    if (!target.isLocalFile() || !QFileInfo(file).isFile()) {
        Notice(platform_, this, QStringLiteral("Раздел справки «%1» не найден.").arg(url.toString()),
               MsgIcon::Exclamation);
        return;
    }
    browser->setSource(target);
}

void HelpViewer::UpdateTitle() {
    const QString title = browser->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Справка") : title);
}

void ShowHelpTopic(Platform& platform, QWidget* owner, int context, std::unique_ptr<HelpViewer>& viewer) {
    const QString topic = FindHelpTopic(platform.dataFolders(), context);
    if (topic.isEmpty()) {
        Notice(platform, owner,
               QStringLiteral("Не найден раздел справки %1: нет файла «%1.html» в папке «%2» "
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
    if (fresh && owner) viewer->move(owner->frameGeometry().topLeft() + QPoint(40, 40));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace duel
