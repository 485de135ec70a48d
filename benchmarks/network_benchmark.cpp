// How long a move of the duel over the network takes: a guess sent and its answer back over loopback.
//
//   network_benchmark [MOVES]
//       a host and a joining side in one process, both real links over TCP on 127.0.0.1; the
//       sides guess in turn (numbers that never end the duel) and each guess is timed from the
//       call that sends it to the signal that brings its answer.  Prints the median, the 99th
//       percentile and the worst of MOVES moves (1,000 by default); never asserts.
#include "network/duel_host.h"
#include "network/duel_link.h"

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
using duel::net::DuelHost;
using duel::net::DuelLink;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;

    DuelHost host("Хозяин");
    if (!host.Listen(0)) {
        std::fprintf(stderr, "%s\n", host.errorText().toLocal8Bit().constData());
        return 1;
    }
    DuelLink* hostLink = nullptr;
    std::unique_ptr<DuelLink> guest;
    std::vector<double> seconds;
    Clock::time_point sent;

    // Each side's guess misses the other's number, so the duel goes on as long as asked.
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
        // The other side's turn came with the answer; its guess is the next move timed.
        QTimer::singleShot(0, &app, [&guess, next, number] { guess(next, number); });
    };

    QObject::connect(&host, &DuelHost::peerAsks, &app, [&](DuelLink* link, const QString&, const QString&) {
        hostLink = link;
        QObject::connect(link, &DuelLink::answerReceived, &app, [&] { timed(guest.get(), "9871"); });
        QObject::connect(link, &DuelLink::ended, &app, [&] { app.exit(seconds.size() >= size_t(moves) ? 0 : 1); });
        // Both have committed once the host has the guest's commitment: the host moves first.
        QObject::connect(link, &DuelLink::peerCommitted, &app,
                         [&] { QTimer::singleShot(0, &app, [&] { guess(hostLink, "9872"); }); });
        link->Accept();
        link->Commit("1234");
    });
    guest.reset(DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Гость"));
    QObject::connect(guest.get(), &DuelLink::accepted, &app, [&] { guest->Commit("5678"); });
    QObject::connect(guest.get(), &DuelLink::answerReceived, &app, [&] { timed(hostLink, "9872"); });
    QObject::connect(guest.get(), &DuelLink::ended, &app, [&] { app.exit(1); });

    const int result = app.exec();
    if (result != 0 || seconds.empty()) {
        std::fprintf(stderr, "the duel ended after %zu moves\n", seconds.size());
        return 1;
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf(
        "a move over loopback (guess sent, answer back), %zu moves: median %.3f ms, 99th %.3f ms, worst %.3f ms\n",
        seconds.size(), seconds[seconds.size() / 2] * 1e3, seconds[seconds.size() * 99 / 100] * 1e3,
        seconds.back() * 1e3);
    guest->Leave();
    return 0;
}
