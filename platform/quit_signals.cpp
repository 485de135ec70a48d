// The self-pipe that carries quit signals into the event loop, and the session's end.
#include "platform/quit_signals.h"

#include "platform/qt_platform.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace duel {

namespace {

int quitPipe[2] = {-1, -1};

// Async-signal-safe: one write to a non-blocking pipe, errno kept.  A full
// pipe already holds a pending quit, so a lost byte loses nothing.
void OnQuitSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void WatchQuitRequests(QtPlatform& platform) {
    auto* app = QCoreApplication::instance();
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, app,
                     [&platform](QSessionManager&) { platform.requestQuit(); });
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [&platform] { platform.requestQuit(); });

    if (quitPipe[0] >= 0 || ::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [&platform] {
        char bytes[64];
        while (::read(quitPipe[0], bytes, sizeof bytes) > 0) {
        }
        platform.requestQuit();
    });

    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace duel
