// The help window: topics as HTML files, one per context number, in the help folder.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QTextBrowser;
class QToolButton;

namespace duel {

class Platform;

// Name of the help folder inside each data folder.
inline constexpr const char* kHelpFolderName = "Шелвы и злыки.HLP";

// The readable topic file "<context>.html" in the help folder of the first
// data folder that has one; empty when no folder has it.
QString FindHelpTopic(const QStringList& dataFolders, int context);

// A browser window over the help topics with back and forward.  Links
// between topics stay in the window; mailto: and http: links go to the
// desktop through the platform.
class HelpViewer : public QWidget {
public:
    explicit HelpViewer(Platform& platform);

    // Opens the topic file; the window's title follows the topic's title.
    void ShowTopic(const QString& path);

private:
    void FollowLink(const QUrl& url);
    void UpdateTitle();

    Platform& platform_;
    QToolButton* backButton_ = nullptr;     // "back"
    QToolButton* forwardButton_ = nullptr;  // "forward"
    QTextBrowser* browser_ = nullptr;       // "browser"
};

// Shows the topic with the context number in `viewer` (built on first use and
// kept for the run), beside `owner`.  A topic that cannot be found is
// reported in a message box and leaves no empty window behind.
void ShowHelpTopic(Platform& platform, QWidget* owner, int context, std::unique_ptr<HelpViewer>& viewer);

}  // namespace duel
