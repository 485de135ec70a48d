// How long a move of the duel through a Jabber server takes: a guess sent and its answer back.
//
//   jabber_benchmark [MOVES]
//       starts the tests' own prosody on a free loopback port (tests/support/start_prosody.sh),
//       a host waiting on one account and a joining side on another in one process, both real
//       links through the server; the sides guess in turn (numbers that never end the duel) and
//       each guess is timed from the call that sends it to the signal that brings its answer.
//       Prints the median and the worst of MOVES moves (200 by default); never asserts.
#include "network/jabber_host.h"
#include "round_trips.h"
#include "tests/support/prosody_server.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using duel::net::JabberHost;

duel::net::JabberAccount Account(const duel::testing::ProsodyServer& server, const char* name) {
    duel::net::JabberAccount account;
    account.jid = std::string(name) + "@" + duel::testing::ProsodyServer::Domain();
    account.password = name;
    account.server = "127.0.0.1";
    account.port = server.port();
    account.caFile = server.caFile();
    return account;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;

    duel::testing::ProsodyServer server({"host:host", "guest:guest"});
    if (!server.Start()) {
        std::fprintf(stderr, "%s\n", server.why().c_str());
        return 1;
    }
    JabberHost host("Хозяин");
    duel::net::RoundTrips trips(app, moves);
    trips.WatchHost(host);
    QObject::connect(&host, &JabberHost::failed, &app, [&](const QString& text) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        app.exit(1);
    });
    // The guest invites once the host waits.
    QObject::connect(&host, &JabberHost::waiting, &app, [&] {
        if (!trips.joined()) trips.Join(duel::net::JoinThroughJabber(Account(server, "guest"), host.jid(), "Гость"));
    });
    host.Start(Account(server, "host"));

    const std::vector<double> seconds = trips.Run();
    if (seconds.empty()) return 1;
    std::printf(
        "a move through a local Jabber server (guess sent, answer back), %zu moves: median %.3f ms, "
        "worst %.3f ms\n",
        seconds.size(), seconds[seconds.size() / 2] * 1e3, seconds.back() * 1e3);
    return 0;
}
