// The command line: --help, --help-all and --version are answered before any window exists.
#pragma once

#include "deployment.h"

#include <cstdint>
#include <optional>
#include <string>

namespace duel {

inline constexpr char kApplicationName[] = "shelvy-zlyki";  // also names the config folder
inline constexpr char kApplicationVersion[] = DUEL_VERSION;

// What the command line asks of the duel over the network: --host [PORT], --join
// ADDRESS[:PORT] and --name NAME, each value checked as the window checks it.  With --account
// JID the duel goes through a Jabber server: --host waits for invitations on that account,
// --join FRIEND_JID invites that friend; --password-file, --server and --ca-file go with it.
struct NetworkRequest {
    enum class Mode { None, Host, Join };
    Mode mode = Mode::None;
    std::string
        address;  // Join: a host name or an IP address (IPv6 without brackets); through Jabber, the friend's address
    uint16_t port = 24747;                  // Host: the port to wait on; Join: the port to connect to
    std::optional<std::string> name;        // --name: the player's name for this run
    std::string account{};                  // --account: the player's Jabber address (empty: no Jabber)
    std::optional<std::string> password{};  // read from --password-file; never from the command line itself
    std::string server{};                   // --server: the Jabber server's host (empty: found from the account)
    uint16_t serverPort = 0;                // and its port (0: the usual)
    std::string caFile{};                   // --ca-file
    bool operator==(const NetworkRequest&) const = default;
};

// Sets the application's name and version, then reads the command line
// (argv as main() received it).  Returns the exit code when the program is to
// end at once: 0 after printing the help or the version to standard output,
// 1 when standard output could not take it, 2 after a message about a bad
// option or argument on standard error.  The texts are Russian when the
// locale asks for Russian, English otherwise.  Returns nothing when the game
// should start; Qt's own options (-style, -session, -platform ...) are left in
// argv for QApplication; the game's own options are taken out of it (Qt's X11 platform
// would take --name as the window's instance name) and, when `network` is given, put
// there.  `language`, when given, receives the language the game's windows are to speak: --lang's,
// else the locale's (GameLanguage() in terminal/terminal_texts.h).
std::optional<int> HandleCommandLine(int& argc, char** argv, NetworkRequest* network = nullptr,
                                     std::string* language = nullptr);

}  // namespace duel
