// A platform for measuring the windows: real event processing, dialogs answered by a script at once.
#pragma once

#include "platform/null_platform.h"
#include "rules/random_fractions.h"

#include <QString>

#include <functional>

namespace duel::bench {

// Like the program's platform in what costs time (pending events really run,
// so timers tick and windows paint), but no dialog waits for a person: the
// input box returns `numberToType` and a message box answers No.
class RealEventsPlatform final : public NullPlatform {
public:
    explicit RealEventsPlatform(QString folder) : folder_(std::move(folder)) {}

    QString numberToType = QStringLiteral("1234");
    // Runs first thing inside each input box: the benchmark takes its time stamp here.
    std::function<void()> onInputBox;
    int unexpectedBoxes = 0;  // message boxes and modal windows shown; a measurement expects none

    MsgAnswer messageBox(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons buttons) override;
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override;
    void showModal(QDialog& window) override;
    void processEvents() override;
    double secondsSinceMidnight() override;
    double monotonicSeconds() override;
    double randomFraction() override { return random_.next(); }
    QString programFolder() override { return folder_; }
    QString userConfigFolder() override { return folder_ + QStringLiteral("/config"); }

private:
    QString folder_;
    RandomFractions random_;  // the game's generator: the same draws every run
};

}  // namespace duel::bench
