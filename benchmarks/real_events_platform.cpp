// The measuring platform: Qt's own event processing and clocks, scripted dialogs.
#include "real_events_platform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTime>

#include <chrono>

namespace duel::bench {

MsgAnswer RealEventsPlatform::messageBox(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons buttons) {
    ++unexpectedBoxes;
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
}

QString RealEventsPlatform::inputBox(QWidget*, const QString&, const QString&, const QString&) {
    if (onInputBox) onInputBox();
    return numberToType;
}

void RealEventsPlatform::showModal(QDialog& window) {
    ++unexpectedBoxes;
    window.show();
    if (!window.close()) window.hide();
}

void RealEventsPlatform::processEvents() { QCoreApplication::processEvents(); }

double RealEventsPlatform::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double RealEventsPlatform::monotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace duel::bench
