// A stand-in for the main window as the duel's steps and the session see it: it records what they asked of it.
#pragma once

#include "duel/game_events.h"
#include "duel/prize.h"
#include "rules/game_state.h"
#include "session/session_screen.h"

#include <QTemporaryDir>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace duel::testing {

// The screen, the prize of a won game and the keeper of the results in one:
// every call goes into one list, so that a test sees their order.
class FakeScreen final : public SessionScreen, public Prize, public GameEvents {
public:
    // What the steps asked for, in order: "thinking 8888", "records",
    // "won picture", "save" (the results changed and would be written),
    // "close thinking", "picture <file name>"; refreshes are only counted.
    std::vector<std::string> calls;
    int refreshes = 0;
    bool thinkingOpen = false;
    int thinkingMaximum = 0;
    int thinkingProgress = 0;  // the furthest progress shown
    // Runs inside the records window, as its player would (types a name).
    std::function<void()> onRecords;
    // Whether the picture viewer can show the picture it is given.
    bool picturesShow = true;
    TwipPoint place{1500, 1200};

    QWidget* ownerWidget() override { return nullptr; }
    void Refresh() override { ++refreshes; }
    void OpenThinking(int maximum) override {
        calls.push_back("thinking " + std::to_string(maximum));
        thinkingOpen = true;
        thinkingMaximum = maximum;
        thinkingProgress = 0;
    }
    void SetThinkingProgress(int value) override {
        if (thinkingOpen && value > thinkingProgress) thinkingProgress = value;
    }
    void CloseThinking() override {
        if (thinkingOpen) calls.push_back("close thinking");
        thinkingOpen = false;
    }
    void ShowRecords() override {
        calls.push_back("records");
        if (onRecords) onRecords();
    }
    bool ShowPicture(HeldFile picture, std::unique_ptr<QTemporaryDir>) override {
        calls.push_back("picture " + picture.path().filename().string());
        return picturesShow;
    }
    TwipPoint windowPlace() const override { return place; }

    void GiveWonPicture() override { calls.push_back("won picture"); }
    void ResultsChanged(const GameState&) override { calls.push_back("save"); }

    // The calls other than the thinking window's.
    std::vector<std::string> endings() const {
        std::vector<std::string> kept;
        for (const std::string& call : calls)
            if (call.rfind("thinking", 0) != 0 && call != "close thinking") kept.push_back(call);
        return kept;
    }
};

// A listener that writes down every event as one line of text.
class RecordingEvents final : public GameEvents {
public:
    std::vector<std::string> lines;

    void GameStarted(const GameState& state) override {
        lines.push_back("started " + std::string(state.hideAnswer ? "hidden" : "typed") + " " + state.compNumber + " " +
                        state.userNumber);
    }
    void MoveMade(const GameState&, Side side, const Move& move, int64_t clockSeconds) override {
        lines.push_back(std::string(side == Side::User ? "user " : "computer ") + move.guess + " " +
                        std::to_string(move.answer.exact) + "/" + std::to_string(move.answer.partial) + " at " +
                        std::to_string(clockSeconds));
    }
    void GameEnded(const GameState&, Outcome outcome) override {
        static const char* const kNames[] = {
            "unfinished", "user won", "computer won",       "user won after computer", "answers contradicted",
            "abandoned",  "draw",     "opponent forfeited", "connection lost",         "user forfeited"};
        const auto index = static_cast<size_t>(outcome);
        lines.push_back(std::string("ended: ") + (index < std::size(kNames) ? kNames[index] : "?"));
    }
};

}  // namespace duel::testing
