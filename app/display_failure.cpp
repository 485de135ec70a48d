// Answers a display platform that Qt cannot open with a Russian message and exit code 1.
#include "app/display_failure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace duel {

namespace {

// A message of Qt's held back while the display opens.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

// The handler is a plain function, so what it needs lives here, for the one
// DisplayFailureAnswer alive at a time.
std::mutex heldMutex;
std::vector<HeldMessage> held;
QByteArray failureText;
QtMessageHandler previousHandler = nullptr;

void HoldOrAnswer(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt gives up on its platform and would abort: nothing has started yet,
        // so nothing is to be saved.
        std::fputs(failureText.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMutex);
    held.push_back({type, context.file, context.function, context.category, context.line, text});
}

// The value after the last `-name value` (or --name value) in argv, or nothing.
QByteArray OptionValue(int argc, char** argv, const char* name) {
    QByteArray value;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == QByteArray("-") + name || argument == QByteArray("--") + name) value = argv[++i];
    }
    return value;
}

// Why there is no display, in the words a player understands.
QByteArray Explanation(int argc, char** argv) {
    QByteArray platform = OptionValue(argc, argv, "platform");
    if (platform.isEmpty()) platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray lead = "shelvy: нет дисплея, на котором можно показать игру";
    if (platform.isEmpty() || platform.startsWith("xcb")) {
        QByteArray display = OptionValue(argc, argv, "display");
        if (display.isEmpty()) display = qgetenv("DISPLAY");
        if (display.isEmpty()) return lead + ": переменная DISPLAY не задана.\n";
        return lead + ": не удалось подключиться к дисплею X «" + display + "».\n";
    }
    return lead + ": не удалось открыть платформу Qt «" + platform + "».\n";
}

}  // namespace

DisplayFailureAnswer::DisplayFailureAnswer(int argc, char** argv) {
    failureText = Explanation(argc, argv);
    previousHandler = qInstallMessageHandler(HoldOrAnswer);
}

DisplayFailureAnswer::~DisplayFailureAnswer() {
    qInstallMessageHandler(previousHandler);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldMutex);
        messages.swap(held);
    }
    for (const HeldMessage& message : messages) {
        const auto text = [](const QByteArray& bytes) { return bytes.isNull() ? nullptr : bytes.constData(); };
        const QMessageLogContext context(text(message.file), message.line, text(message.function),
                                         text(message.category));
        previousHandler(message.type, context, message.text);
    }
}

}  // namespace duel
