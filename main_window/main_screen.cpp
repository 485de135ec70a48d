// The windows a step opens over the main window: the thinking window, the records window and the picture viewer.
#include "main_window/main_screen.h"

#include "rules/twips.h"
#include "session/session.h"
#include "windows/host_window.h"
#include "windows/picture_viewer.h"
#include "windows/records_window.h"
#include "windows/thinking_window.h"

#include <QTemporaryDir>

namespace duel {

MainScreen::MainScreen(Session& session, HostWindow& host) : session_(session), host_(host) {}

MainScreen::~MainScreen() = default;

QWidget* MainScreen::ownerWidget() { return host_.ownerWidget(); }

void MainScreen::Refresh() { host_.Refresh(); }

void MainScreen::OpenThinking(int maximum) {
    if (!thinkingWindow_) {
        thinkingWindow_ = std::make_unique<ThinkingWindow>();
        thinkingWindow_->setWindowIcon(host_.icon());
        if (QWidget* main = host_.ownerWidget()) thinkingWindow_->Form_Load(*main, session_.platform());
    }
    thinkingWindow_->SetMaximum(maximum);
    thinkingWindow_->show();
}

void MainScreen::SetThinkingProgress(int value) {
    if (thinkingWindow_) thinkingWindow_->SetProgress(value);
}

void MainScreen::CloseThinking() {
    thinkingWindow_.reset();  // the next opening builds and places it anew
}

void MainScreen::ShowRecords() {
    RecordsWindow window(session_.state(), session_.events(), session_.platform(), host_);
    window.Form_Load();
    session_.platform().showModal(window);
}

bool MainScreen::ShowPicture(HeldFile picture, std::unique_ptr<QTemporaryDir> privateFolder) {
    PictureViewer viewer(session_.state(), session_.platform(), host_, std::move(picture), std::move(privateFolder));
    if (!viewer.Form_Load()) return false;  // the viewer removes the file
    session_.platform().showModal(viewer);
    return true;
}

TwipPoint MainScreen::windowPlace() const {
    const QRect frame = host_.frameRect();
    return {PixelsToTwips(frame.x()), PixelsToTwips(frame.y())};
}

}  // namespace duel
