// Set-up shared by the test and benchmark programs that run real windows without a display.
#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace duel::testing {

// Chooses the offscreen platform (unless one is set) and silences its warnings
// about every raise() and size hint.  Call before the QApplication is built.
inline void UseQuietOffscreenPlatform() {
    static QtMessageHandler standardHandler = nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
            if (standardHandler)
                standardHandler(type, context, message);
            else
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
}

}  // namespace duel::testing
