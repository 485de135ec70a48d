// What the Jabber tests share: the run's server, its accounts, and links made on them.
#pragma once

#include "network/jabber_account.h"
#include "network/jabber_host.h"
#include "tests/network/loopback.h"
#include "tests/support/prosody_server.h"

#include <memory>
#include <string>

namespace duel::testing {

extern ProsodyServer* theServer;

// The account `name` of the run's server, with its password and the server's authority.
inline net::JabberAccount Account(const std::string& name, const std::string& password) {
    net::JabberAccount account;
    account.jid = name + "@" + ProsodyServer::Domain();
    account.password = password;
    account.server = "127.0.0.1";
    account.port = theServer ? theServer->port() : 0;
    account.caFile = theServer ? theServer->caFile() : std::string();
    return account;
}
inline net::JabberAccount Alice() { return Account("alice", "секрет-алисы"); }
inline net::JabberAccount Bob() { return Account("bob", "bobs secret"); }
inline net::JabberAccount Carol() { return Account("carol", "carol"); }
inline net::JabberAccount Dave() { return Account("dave", "dave"); }
inline QString Jid(const std::string& name) { return QString::fromStdString(name + "@" + ProsodyServer::Domain()); }

inline net::LinkTimeouts JabberTimeouts() {
    net::LinkTimeouts timeouts = net::testing::FastTimeouts();
    timeouts.greetingMs = 5000;
    timeouts.silenceMs = 5000;
    timeouts.jabberLoginMs = 10000;
    timeouts.jabberAnswerMs = 5000;
    return timeouts;
}

}  // namespace duel::testing
