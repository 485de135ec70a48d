// Program entry: command line, Qt set-up, Russian standard dialogs, the main window, orderly shut-down.
#include "app/command_line.h"
#include "app/display_failure.h"
#include "app/network_module.h"
#include "main_window/main_window.h"
#include "network/input_checks.h"
#include "platform/qt_platform.h"
#include "platform/quit_signals.h"
#include "platform/translation.h"
#include "session/session.h"
#include "windows/game_style.h"
#include "windows/network_duel_window.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <optional>

namespace {

void UseClassicFonts() {
    // The layout is measured for the classic Windows UI fonts; map them to
    // metric-compatible fonts where those are installed.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

// The duel over the network the command line asks for: hosted on its port or
// joined at its address, under the name it gives for this run (else the name
// kept from the last time, else "Игрок").
void StartNetworkDuel(duel::Session& session, duel::MainWindow& window, const duel::NetworkRequest& request) {
    const std::string& kept = session.state().playerName;
    const bool keptFits = !kept.empty() && !duel::net::CheckPlayerName(kept);
    const std::string name = request.name ? *request.name : keptFits ? kept : duel::Tr("app", "Игрок").toStdString();
    if (!request.account.empty()) {
        duel::net::JabberAccount account;
        account.jid = request.account;
        account.server = request.server;
        account.port = request.serverPort;
        account.caFile = request.caFile;
        if (!request.password) {
            // The password is asked in the window "Дуэль по сети", filled in with the rest.
            duel::NetworkDuelStart start;
            start.name = name;
            start.jabber = true;
            start.join = request.mode == duel::NetworkRequest::Mode::Join;
            start.jid = request.account;
            const bool ipv6 = request.server.find(':') != std::string::npos;
            const std::string host = ipv6 && request.serverPort ? "[" + request.server + "]" : request.server;
            start.server = request.serverPort ? host + ":" + std::to_string(request.serverPort) : host;
            start.friendJid = request.address;
            start.caFile = request.caFile;
            window.OpenNetworkDuel(start);
            return;
        }
        account.password = *request.password;
        if (request.mode == duel::NetworkRequest::Mode::Host)
            session.HostJabberDuel(account, name);
        else
            session.JoinJabberDuel(account, request.address, name);
    } else if (request.mode == duel::NetworkRequest::Mode::Host)
        session.HostNetworkDuel(request.port, name);
    else
        session.JoinNetworkDuel(request.address, request.port, name);
    window.Refresh();
}

}  // namespace

int main(int argc, char** argv) {
    // --help, --version and bad options are answered before any window or
    // display connection exists.
    duel::NetworkRequest network;
    std::string language;
    if (const std::optional<int> exitCode = duel::HandleCommandLine(argc, argv, &network, &language)) return *exitCode;

    // Under Wayland a program cannot place its own windows; the keypad and
    // the dialogs are placed against the main window, so run through X11.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    // The menus stay in the window, where its layout and the keypad docked
    // under it expect them, and asking the session bus for a global menu
    // bar is no longer a step of the start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // No display to show the game on: a Russian message and exit code 1, not Qt's abort.
    std::optional<duel::DisplayFailureAnswer> displayFailure(std::in_place, argc, argv);
    QApplication app(argc, argv);
    displayFailure.reset();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.shelvy_zlyki"));
    QApplication::setOrganizationName(QString());
    // Russian, the game's own language, as it always was; any other language through the catalogues.
    QTranslator qtTranslations;
    if (duel::InstallTranslations(QString::fromStdString(language)) == QLatin1String("ru")) {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        if (qtTranslations.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTranslations);
    } else {
        QLocale::setDefault(QLocale(duel::PlayerLanguage()));
    }
    UseClassicFonts();
    QApplication::setStyle(new duel::GameStyle);

    duel::QtPlatform platform;
    duel::NetworkModule networkModule;  // loaded only when a duel over the network is first asked for
    duel::Session session(platform);
    session.SetNetworkParts(networkModule.duelMaker(), networkModule.finderMaker());
    duel::MainWindow window(session);
    window.SetKeyringMaker(networkModule.keyringMaker());

    // Signals and the session's end close the main window (which saves) from any state.
    duel::WatchQuitRequests(platform);
    // Ending the desktop session or quitting otherwise still saves.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&] { session.SaveSettings(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&] { window.Form_Unload(); });

    window.Form_Load();
    if (network.mode != duel::NetworkRequest::Mode::None) {
        // After the start-up: the window, its keypad and the journal come first (the journal
        // tells whether an unfinished game waits, which the player is asked about).
        session.AfterStartUp([&] { StartNetworkDuel(session, window, network); });
    }
    return app.exec();
}
