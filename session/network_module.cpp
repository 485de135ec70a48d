// The network module's two doors, looked up by name when the program loads it: a duel over the network, a finder.
#include "network/game_discovery.h"
#include "network/qt_keyring.h"
#include "platform/translation.h"
#include "session/network_duel.h"

#include <QtGlobal>

extern "C" {

// The duel over the network for `session`, its links waiting as `timeouts` say.
Q_DECL_EXPORT duel::NetworkDuelPart* shelvy_network_duel(duel::NetworkDuelSession* session,
                                                         const duel::net::LinkTimeouts* timeouts) {
    duel::UseQtWording();  // this module's copy of the Qt-free folders words through the program's translators
    return new duel::NetworkDuel(*session, *timeouts);
}

// The finder of the games hosts announce on the local network (Avahi).
Q_DECL_EXPORT duel::net::GameFinder* shelvy_game_finder() {
    duel::UseQtWording();
    return new duel::net::GameBrowser();
}

// The desktop's keyring for the Jabber password (QtKeychain), which says itself whether one answers.
Q_DECL_EXPORT duel::net::PasswordKeyring* shelvy_password_keyring() {
    duel::UseQtWording();
    return new duel::net::QtKeyring();
}
}
