// An opponent a test writes the script of: its number, its guesses, whether it answers and guesses at once or later.
#pragma once

#include "duel/duel.h"
#include "duel/opponent.h"
#include "rules/number_rules.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace duel::testing {

// Answers the user's guesses by its number and guesses from its queue, at
// once, or later (answersLater, guessesLater) when the test hands the answer
// or the guess over through the session.  It writes down what it was told.
class ScriptedOpponent final : public Opponent {
public:
    std::string number = "1234";         // the user's guesses are scored against it
    std::deque<std::string> guesses;     // its guesses at the user's number, in turn
    bool answersLater = false;           // the answer to a guess waits for the test
    bool guessesLater = false;           // its guess waits for the test
    bool hiddenAllowed = true;           // the user may keep the number hidden
    int contradictionAtAnswer = 0;       // the n-th answer taken leaves no number (0: never)
    std::vector<std::string> heard;      // "prepare", "guess 5678", "my guess", "answer 2468 1/2", "ended 2"
    std::optional<std::string> waiting;  // the user's guess whose answer the test has yet to hand over

    bool isComputer() const override { return true; }
    bool allowsHiddenNumber() const override { return hiddenAllowed; }

    bool PrepareGame(Duel& duel) override {
        heard.push_back("prepare");
        duel.state.compNumber = number;
        answersTaken_ = 0;
        return true;
    }
    std::optional<Score> AnswerGuess(Duel&, const std::string& guess) override {
        heard.push_back("guess " + guess);
        if (answersLater) {
            waiting = guess;
            return std::nullopt;
        }
        return ScoreGuess(guess, number);
    }
    std::optional<std::string> MakeGuess(Duel&) override {
        heard.push_back("my guess");
        if (guessesLater || guesses.empty()) return std::nullopt;
        std::string guess = guesses.front();
        guesses.pop_front();
        return guess;
    }
    AfterAnswer TakeAnswer(Duel& duel, const Move& answered) override {
        heard.push_back("answer " + answered.guess + " " + std::to_string(answered.answer.exact) + "/" +
                        std::to_string(answered.answer.partial));
        if (answered.answer.exact == 4) return AfterAnswer::Won;
        if (++answersTaken_ == contradictionAtAnswer) return AfterAnswer::Contradiction;
        HandTurnToPlayer(duel);
        return AfterAnswer::TurnBack;
    }
    void GameEnded(Duel&, Outcome outcome) override {
        heard.push_back("ended " + std::to_string(static_cast<int>(outcome)));
    }

    // The score the test hands over for the guess that waits.
    Score AnswerToWaitingGuess() const { return ScoreGuess(*waiting, number); }

private:
    int answersTaken_ = 0;
};

}  // namespace duel::testing
