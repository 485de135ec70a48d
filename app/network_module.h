// The module of the duel over the network, loaded the first time a duel is hosted or joined or games are looked for.
#pragma once

#include "network/password_keyring.h"
#include "session/network_duel_port.h"

#include <QLibrary>

namespace duel {

// Qt Network and Avahi are in the module alone (session/CMakeLists.txt), so
// that the program's start never loads them.  The module is looked for beside
// the program (a build folder), then where an installation puts it (the
// library folder of its prefix, cmake/deployment.cmake).  It must outlive
// every session that uses it, and stays loaded to the end of the run.
class NetworkModule {
public:
    NetworkModule() = default;
    NetworkModule(const NetworkModule&) = delete;
    NetworkModule& operator=(const NetworkModule&) = delete;

    // Each loads the module on its first call; nothing comes when it cannot be loaded.
    NetworkDuelMaker duelMaker();
    GameFinderMaker finderMaker();
    // The keyring for the Jabber password; nothing when the module cannot be loaded.
    std::function<std::unique_ptr<net::PasswordKeyring>()> keyringMaker();

private:
    bool Load();

    using DuelFunction = NetworkDuelPart* (*)(NetworkDuelSession*, const net::LinkTimeouts*);
    using FinderFunction = net::GameFinder* (*)();
    using KeyringFunction = net::PasswordKeyring* (*)();

    QLibrary library_;
    bool tried_ = false;
    DuelFunction makeDuel_ = nullptr;
    FinderFunction makeFinder_ = nullptr;
    KeyringFunction makeKeyring_ = nullptr;
};

}  // namespace duel
