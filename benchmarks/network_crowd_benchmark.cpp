// What a crowd of connections costs a host that plays a duel: memory, open descriptors, and its moves meanwhile.
//
//   network_crowd_benchmark [CONNECTIONS] [SECONDS]
//       a host and a joining side in one process play a duel over loopback; once it runs, a
//       child process opens CONNECTIONS connections to the host (300 by default), greets on
//       each, keeps them all open for SECONDS (5) and never closes one itself.  The host's
//       resident memory and open descriptors are sampled every 50 ms and its moves timed
//       meanwhile.  Prints the figures before, the most while the crowd stands and after it has
//       gone; never asserts.
#include "network/duel_host.h"
#include "network/duel_link.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <netinet/in.h>
#include <signal.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using duel::net::DuelHost;
using duel::net::DuelLink;

long ResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

int OpenDescriptors() {
    int count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(folder))
            if (entry->d_name[0] != '.') ++count;
        closedir(folder);
        --count;  // the folder's own
    }
    return count;
}

// The crowd, in a process of its own so that its sockets are not the host's: CONNECTIONS
// connections, each greeting as a player would, all held open for SECONDS.
pid_t StartCrowd(quint16 port, int connections, int seconds) {
    const pid_t child = fork();
    if (child != 0) return child;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::vector<int> sockets;
    const char hello[] = "HELLO 1 Толпа\n";
    for (int i = 0; i < connections; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) break;
        (void)!write(fd, hello, sizeof hello - 1);
        sockets.push_back(fd);
    }
    std::fprintf(stderr, "the crowd holds %zu connections\n", sockets.size());
    sleep(static_cast<unsigned>(seconds));
    _exit(0);
}

struct Sample {
    long kib = 0;
    int descriptors = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int connections = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    DuelHost host("Хозяин");
    if (!host.Listen(0)) {
        std::fprintf(stderr, "%s\n", host.errorText().toLocal8Bit().constData());
        return 1;
    }
    DuelLink* hostLink = nullptr;
    std::unique_ptr<DuelLink> guest;
    std::vector<double> crowdMoves;
    Clock::time_point sent;
    bool crowdStands = false;
    Sample before, most, after;
    pid_t crowd = 0;

    const auto guess = [&](DuelLink* side, const char* number) {
        sent = Clock::now();
        side->Guess(number);
    };
    const auto answered = [&](DuelLink* next, const char* number) {
        if (crowdStands) crowdMoves.push_back(std::chrono::duration<double>(Clock::now() - sent).count());
        // The next move after a pause, so that the duel runs at a person's pace, only faster.
        QTimer::singleShot(20, &app, [&guess, next, number] { guess(next, number); });
    };
    QObject::connect(&host, &DuelHost::peerAsks, &app, [&](DuelLink* link, const QString&, const QString&) {
        hostLink = link;
        QObject::connect(link, &DuelLink::answerReceived, &app, [&] { answered(guest.get(), "9871"); });
        QObject::connect(link, &DuelLink::ended, &app, [&] { app.exit(1); });
        QObject::connect(link, &DuelLink::peerCommitted, &app, [&] {
            QTimer::singleShot(0, &app, [&] { guess(hostLink, "9872"); });
            // The duel runs: a moment later the crowd comes.
            QTimer::singleShot(500, &app, [&] {
                before = {ResidentKib(), OpenDescriptors()};
                most = before;
                crowd = StartCrowd(host.port(), connections, seconds);
                crowdStands = true;
            });
            QTimer::singleShot(500 + seconds * 1000, &app, [&] { crowdStands = false; });
            QTimer::singleShot(1500 + seconds * 1000, &app, [&] {
                after = {ResidentKib(), OpenDescriptors()};
                app.quit();
            });
        });
        link->Accept();
        link->Commit("1234");
    });
    guest.reset(DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Гость"));
    QObject::connect(guest.get(), &DuelLink::accepted, &app, [&] { guest->Commit("5678"); });
    QObject::connect(guest.get(), &DuelLink::answerReceived, &app, [&] { answered(hostLink, "9872"); });
    QObject::connect(guest.get(), &DuelLink::ended, &app, [&] { app.exit(1); });
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, &app, [&] {
        if (!crowdStands) return;
        most.kib = std::max(most.kib, ResidentKib());
        most.descriptors = std::max(most.descriptors, OpenDescriptors());
    });
    sampler.start(50);

    const int result = app.exec();
    if (crowd > 0) {
        kill(crowd, SIGTERM);
        waitpid(crowd, nullptr, 0);
    }
    if (result != 0) {
        std::fprintf(stderr, "the duel ended while the crowd stood\n");
        return 1;
    }
    std::sort(crowdMoves.begin(), crowdMoves.end());
    std::printf("%d connections to a host in a duel, held %d s:\n", connections, seconds);
    std::printf("  resident memory: %ld kB before, %ld kB at most (+%ld kB), %ld kB after\n", before.kib, most.kib,
                most.kib - before.kib, after.kib);
    std::printf("  open descriptors: %d before, %d at most, %d after\n", before.descriptors, most.descriptors,
                after.descriptors);
    if (!crowdMoves.empty())
        std::printf("  the duel's moves meanwhile: %zu, median %.3f ms, worst %.3f ms\n", crowdMoves.size(),
                    crowdMoves[crowdMoves.size() / 2] * 1e3, crowdMoves.back() * 1e3);
    guest->Leave();
    return 0;
}
