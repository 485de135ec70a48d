// The scripted platform: dialogs answered from queues, clocks and draws set by the test.
#include "tests/support/fake_platform.h"

#include <QApplication>

#include <algorithm>

namespace duel::testing {

void FakePlatform::requestQuit() {
    quitRequested_ = true;
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
        QDialog* window = it->window;
        if (!window) continue;
        window->reject();
        if (window->isVisible()) window->hide();
    }
}

void FakePlatform::cancelModalsAbove(int depth) {
    for (size_t i = open_.size(); i > static_cast<size_t>(std::max(depth, 0)); --i) {
        Open& call = open_[i - 1];
        if (call.cancelled) continue;
        call.cancelled = true;
        ++modalsCancelled;
        if (call.window) {
            call.window->reject();
            if (call.window->isVisible()) call.window->hide();
        }
    }
}

template <typename Script>
bool FakePlatform::RunOpen(QDialog* window, Script&& script) {
    open_.push_back({window, false});
    script();
    const bool cancelled = open_.back().cancelled;
    open_.pop_back();
    return cancelled;
}

bool FakePlatform::answeredByQuit() {
    if (!quitRequested_) return false;
    if (++callsWhileQuitting >= 20) throw AskedAfterQuit();
    return true;
}

MsgAnswer FakePlatform::messageBox(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                                   MsgButtons buttons) {
    // While quitting no box is shown: OK for an OK box, No for a question, Cancel where offered.
    const MsgAnswer cancel = CancelAnswer(buttons);
    if (answeredByQuit()) return cancel;
    boxes.push_back({text, title, icon, buttons});
    sequence.push_back("box: " + text.toStdString());
    // A copy runs: the callback may replace itself.
    const RecordedBox shownBox = boxes.back();
    const std::function<void(const RecordedBox&)> callback = onMessageBox;
    const bool cancelled = callback && RunOpen(nullptr, [&] { callback(shownBox); });
    if (quitRequested_ || cancelled || buttons == MsgButtons::Ok) return cancel;
    if (answers.empty()) {
        ++unscripted;
        return MsgAnswer::Yes;
    }
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::inputBox(QWidget*, const QString& prompt, const QString& title, const QString& defaultText) {
    if (answeredByQuit()) return {};
    inputPrompts.push_back(prompt);
    inputTitles.push_back(title);
    sequence.push_back("input: " + prompt.toStdString());
    inputDefaults.push_back(defaultText);
    const std::function<void(const QString&)> callback = onInputBox;
    const bool cancelled = callback && RunOpen(nullptr, [&] { callback(prompt); });
    if (quitRequested_ || cancelled) return {};
    if (inputs.empty()) {
        ++unscripted;
        return defaultText;
    }
    QString text = inputs.front();
    inputs.pop_front();
    return text;
}

void FakePlatform::showModal(QDialog& window) {
    if (answeredByQuit()) return;
    modalWindows.push_back(window.objectName());
    sequence.push_back("window: " + window.objectName().toStdString());
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (!modalScripts.empty()) {
        auto script = std::move(modalScripts.front());
        modalScripts.pop_front();
        RunOpen(&window, [&] { script(window); });
    }
    if (quitRequested_) return;  // the quit has closed it
    // A window that refuses to close (it awaits input) is closed by force
    // so that a test never hangs; the test's script should have finished it.
    if (window.isVisible() && !window.close()) {
        ++unscripted;
        window.hide();
    }
}

void FakePlatform::processEvents() {
    ++processEventsCalls;
    if (onProcessEvents) onProcessEvents();
}

double FakePlatform::randomFraction() {
    ++randomDraws;
    if (fractions.empty()) return 0.0;
    const double f = fractions.front();
    fractions.pop_front();
    return f;
}

QString FakePlatform::saveFileName(QWidget*, const QString& title, const QString& filter, const QString& suggested) {
    suggestedSaveName = suggested;
    if (answeredByQuit()) return {};
    saveDialogs.push_back({title, filter, suggested});
    sequence.push_back("save: " + title.toStdString());
    if (saveNames.empty()) return {};
    QString name = saveNames.front();
    saveNames.pop_front();
    return name;
}

std::vector<std::string> FakePlatform::shown(const std::string& kind) const {
    std::vector<std::string> kept;
    for (const std::string& entry : sequence)
        if (entry.rfind(kind + ": ", 0) == 0) kept.push_back(entry);
    return kept;
}

std::vector<QString> FakePlatform::boxTexts() const {
    std::vector<QString> texts;
    for (const auto& box : boxes) texts.push_back(box.text);
    return texts;
}

}  // namespace duel::testing
