// How long a move of the duel over the network takes: a guess sent and its answer back over loopback.
//
//   network_benchmark [MOVES]
//       a host and a joining side in one process, both real links over TCP on 127.0.0.1; the
//       sides guess in turn (numbers that never end the duel) and each guess is timed from the
//       call that sends it to the signal that brings its answer.  Prints the median, the 99th
//       percentile and the worst of MOVES moves (1,000 by default); never asserts.
#include "network/duel_host.h"
#include "round_trips.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;

    duel::net::DuelHost host("Хозяин");
    if (!host.Listen(0)) {
        std::fprintf(stderr, "%s\n", host.errorText().toLocal8Bit().constData());
        return 1;
    }
    duel::net::RoundTrips trips(app, moves);
    trips.WatchHost(host);
    trips.Join(duel::net::DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Гость"));
    const std::vector<double> seconds = trips.Run();
    if (seconds.empty()) return 1;
    std::printf(
        "a move over loopback (guess sent, answer back), %zu moves: median %.3f ms, 99th %.3f ms, worst %.3f ms\n",
        seconds.size(), seconds[seconds.size() / 2] * 1e3, seconds[seconds.size() * 99 / 100] * 1e3,
        seconds.back() * 1e3);
    return 0;
}
