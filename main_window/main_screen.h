// The main window's side that the session shows its game through: drawing, the thinking, records and picture windows.
#pragma once

#include "session/session_screen.h"

#include <memory>

namespace duel {

class HostWindow;
class Session;
class ThinkingWindow;

// Opens the windows a step asks for, over the main window, and has the main
// window redraw itself from the state.
class MainScreen final : public SessionScreen {
public:
    MainScreen(Session& session, HostWindow& host);
    ~MainScreen() override;

    QWidget* ownerWidget() override;
    void Refresh() override;
    void OpenThinking(int maximum) override;
    void SetThinkingProgress(int value) override;
    void CloseThinking() override;
    void ShowRecords() override;
    bool ShowPicture(HeldFile picture, std::unique_ptr<QTemporaryDir> privateFolder) override;
    TwipPoint windowPlace() const override;

private:
    Session& session_;
    HostWindow& host_;
    std::unique_ptr<ThinkingWindow> thinkingWindow_;  // фрмЗагрузка, while it shows
};

}  // namespace duel
