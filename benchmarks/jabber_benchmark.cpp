// How long a move of the duel through a Jabber server takes: a guess sent and its answer back.
//
//   jabber_benchmark [MOVES]
//       starts the tests' own prosody on a free loopback port (tests/support/start_prosody.sh),
//       a host waiting on one account and a joining side on another in one process, both real
//       links through the server; the sides guess in turn (numbers that never end the duel) and
//       each guess is timed from the call that sends it to the signal that brings its answer.
//       Prints the median and the worst of MOVES moves (200 by default); never asserts.
#include "network/jabber_host.h"
#include "tests/support/prosody_server.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using duel::net::DuelLink;
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
    DuelLink* hostLink = nullptr;
    std::unique_ptr<DuelLink> guest;
    std::vector<double> seconds;
    Clock::time_point sent;

    const auto guess = [&](DuelLink* side, const char* number) {
        sent = Clock::now();
        if (!side->Guess(number)) {
            std::fprintf(stderr, "a guess out of turn\n");
            app.exit(1);
        }
    };
    const auto timed = [&](DuelLink* next, const char* number) {
        seconds.push_back(std::chrono::duration<double>(Clock::now() - sent).count());
        if (static_cast<int>(seconds.size()) >= moves) {
            app.quit();
            return;
        }
        QTimer::singleShot(0, &app, [&guess, next, number] { guess(next, number); });
    };

    QObject::connect(&host, &JabberHost::failed, &app, [&](const QString& text) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        app.exit(1);
    });
    QObject::connect(&host, &JabberHost::peerAsks, &app, [&](DuelLink* link, const QString&, const QString&) {
        hostLink = link;
        QObject::connect(link, &DuelLink::answerReceived, &app, [&] { timed(guest.get(), "9871"); });
        QObject::connect(link, &DuelLink::ended, &app, [&] { app.exit(seconds.size() >= size_t(moves) ? 0 : 1); });
        QObject::connect(link, &DuelLink::peerCommitted, &app,
                         [&] { QTimer::singleShot(0, &app, [&] { guess(hostLink, "9872"); }); });
        link->Accept();
        link->Commit("1234");
    });
    // The guest invites once the host waits.
    QObject::connect(&host, &JabberHost::waiting, &app, [&] {
        if (guest) return;
        guest.reset(duel::net::JoinThroughJabber(Account(server, "guest"), host.jid(), "Гость"));
        QObject::connect(guest.get(), &DuelLink::accepted, &app, [&] { guest->Commit("5678"); });
        QObject::connect(guest.get(), &DuelLink::answerReceived, &app, [&] { timed(hostLink, "9872"); });
        QObject::connect(guest.get(), &DuelLink::ended, &app, [&] { app.exit(1); });
    });
    host.Start(Account(server, "host"));

    const int result = app.exec();
    if (result != 0 || seconds.empty()) {
        std::fprintf(stderr, "the duel ended after %zu moves\n", seconds.size());
        return 1;
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf(
        "a move through a local Jabber server (guess sent, answer back), %zu moves: median %.3f ms, "
        "worst %.3f ms\n",
        seconds.size(), seconds[seconds.size() / 2] * 1e3, seconds.back() * 1e3);
    guest->Leave();
    return 0;
}
