// Starting and stopping the tests' Jabber server through tests/support/start_prosody.sh.
#include "tests/support/prosody_server.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace duel::testing {

namespace {

quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return probe.serverPort();
}

bool Accepts(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

}  // namespace

ProsodyServer::ProsodyServer(std::vector<std::string> accounts) : accounts_(std::move(accounts)) {}

ProsodyServer::~ProsodyServer() { Kill(); }

std::string ProsodyServer::caFile() const { return folder_.filePath(QStringLiteral("ca.pem")).toStdString(); }

bool ProsodyServer::Start() {
    if (!folder_.isValid()) {
        why_ = "no temporary folder";
        return false;
    }
    port_ = FreePort();
    QStringList arguments{QStringLiteral(DUEL_TESTS_SOURCE "/support/start_prosody.sh"), folder_.path(),
                          QString::number(port_)};
    for (const std::string& account : accounts_) arguments << QString::fromStdString(account);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    // The server goes with the tests, also when they are killed.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start(QStringLiteral("bash"), arguments);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        if (process_.state() == QProcess::NotRunning) {
            why_ = "prosody ended: " + process_.readAll().toStdString();
            return false;
        }
        if (Accepts(port_)) return true;
        process_.waitForFinished(100);
    }
    why_ = "prosody did not take connections within 60 s";
    return false;
}

void ProsodyServer::Kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

}  // namespace duel::testing
