// The self-pipe that carries quit signals into the event loop, the session's end, and a close request under a modal
// window.
#include "platform/quit_signals.h"

#include "platform/qt_platform.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

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

// The window manager's close request (WM_DELETE_WINDOW, sent for its close
// box, alt+F4 or a task bar's "close") never reaches a window that a modal
// window blocks: Qt drops it.  This filter sees it first and closes the main
// window as its close box does; the main window takes that as a quit.
class CloseUnderModalFilter final : public QAbstractNativeEventFilter {
public:
    explicit CloseUnderModalFilter(xcb_connection_t* connection) : connection_(connection) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) return false;
        // Unblocked windows get the request from Qt itself.
        if (!QGuiApplication::modalWindow()) return false;
        const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (client->format != 32 || !IsDeleteRequest(client->type, client->data.data32[0])) return false;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* main = qobject_cast<QMainWindow*>(top);
            if (!main || !main->isVisible() || main->internalWinId() != client->window) continue;
            QTimer::singleShot(0, main, [main] { main->close(); });
            return true;
        }
        return false;
    }

private:
    // Looked up at the first client message, not at start-up.
    bool IsDeleteRequest(xcb_atom_t type, xcb_atom_t protocol) {
        if (protocols_ == XCB_ATOM_NONE) {
            protocols_ = Atom("WM_PROTOCOLS");
            deleteWindow_ = Atom("WM_DELETE_WINDOW");
        }
        return type == protocols_ && protocol == deleteWindow_ && protocol != XCB_ATOM_NONE;
    }
    xcb_atom_t Atom(const char* name) {
        const xcb_intern_atom_cookie_t cookie =
            xcb_intern_atom(connection_, 1, static_cast<uint16_t>(std::strlen(name)), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }

    xcb_connection_t* connection_;
    xcb_atom_t protocols_ = XCB_ATOM_NONE;
    xcb_atom_t deleteWindow_ = XCB_ATOM_NONE;
};

}  // namespace

void WatchQuitRequests(QtPlatform& platform) {
    auto* app = QCoreApplication::instance();
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, app,
                     [&platform](QSessionManager&) { platform.requestQuit(); });
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [&platform] { platform.requestQuit(); });
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        static CloseUnderModalFilter closeUnderModal(x11->connection());
        app->installNativeEventFilter(&closeUnderModal);
    }

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
