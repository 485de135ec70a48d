// Answers a display platform that Qt cannot open with a Russian message and exit code 1.
#include "app/display_failure.h"

#include "terminal/terminal_texts.h"

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
    // Said before Qt can translate anything: in Russian, or in English for any other language.
    const bool russian = GameLanguage() == "ru";
    const QByteArray lead = russian ? "shelvy: нет дисплея, на котором можно показать игру"
                                    : "shelvy: there is no display to show the game on";
    if (platform.isEmpty() || platform.startsWith("xcb")) {
        QByteArray display = OptionValue(argc, argv, "display");
        if (display.isEmpty()) display = qgetenv("DISPLAY");
        if (display.isEmpty())
            return lead + (russian ? ": переменная DISPLAY не задана.\n" : ": the variable DISPLAY is not set.\n");
        return lead + (russian ? ": не удалось подключиться к дисплею X «" : ": could not connect to the X display '") +
               display + (russian ? "».\n" : "'.\n");
    }
    return lead + (russian ? ": не удалось открыть платформу Qt «" : ": could not open the Qt platform '") + platform +
           (russian ? "».\n" : "'.\n");
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
