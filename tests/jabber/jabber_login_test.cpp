// Logging in to the tests' server: a Cyrillic password, and every refusal told in Russian with nothing hanging.
#include "network/connect_watchdog.h"
#include "network/jabber_client.h"
#include "tests/jabber/jabber_server.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

using net::JabberClient;
using net::testing::WaitFor;

// Connects as `account`; what the client said: "connected" or the text of its failure.
std::string Login(const net::JabberAccount& account, int timeoutMs = 10000) {
    JabberClient client;
    std::string result;
    QObject::connect(&client, &JabberClient::connected, &client, [&] { result = "connected"; });
    QObject::connect(&client, &JabberClient::failed, &client,
                     [&](const QString& text) { result = text.toStdString(); });
    client.Connect(account, timeoutMs);
    EXPECT_TRUE(WaitFor([&] { return !result.empty(); }, timeoutMs + 3000));
    if (result == "connected") {
        EXPECT_EQ(client.fullJid().toStdString(), account.jid + "/shelvy-zlyki");
    }
    return result;
}

TEST(JabberLogin, ACyrillicPasswordLogsInAndAWrongOneIsRefused) {
    EXPECT_EQ(Login(Alice()), "connected");
    net::JabberAccount wrong = Alice();
    wrong.password = "секрет-бориса";
    EXPECT_EQ(Login(wrong), "Сервер Jabber не принял адрес или пароль.");
    net::JabberAccount nobody = Account("nobody", "x");
    EXPECT_EQ(Login(nobody), "Сервер Jabber не принял адрес или пароль.");
}

TEST(JabberLogin, ACertificateNotSignedByATrustedAuthorityIsRefused) {
    net::JabberAccount untrusted = Alice();
    untrusted.caFile.clear();
    EXPECT_EQ(Login(untrusted),
              "Не удалось проверить сертификат сервера Jabber: unable to get local issuer certificate.");
}

TEST(JabberLogin, AServerNobodyRunsIsToldAtOnce) {
    net::JabberAccount closed = Alice();
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    closed.port = probe.serverPort();
    probe.close();
    EXPECT_EQ(Login(closed), "Не удалось подключиться к серверу Jabber 127.0.0.1:" + std::to_string(closed.port) +
                                 ": сервер не принимает подключений.");
}

// A server that offers TLS and then falls silent in the middle of the handshake: libstrophe's
// handshake waits on the socket without a limit of its own, and the login must still give up: at
// its deadline, and when one blocking call has waited too long even if the deadline is far (the
// event loop, and a quit request with it, waits for that call).
TEST(JabberLogin, AServerSilentInTheTlsHandshakeIsGivenUpInTime) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&silent, &QTcpServer::newConnection, &silent, [&] {
        QTcpSocket* peer = silent.nextPendingConnection();
        QObject::connect(peer, &QIODevice::readyRead, peer, [peer] {
            const QByteArray got = peer->readAll();
            if (got.contains("<stream:stream"))
                peer->write(
                    "<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                    "xmlns:stream='http://etherx.jabber.org/streams' id='x' from='shelvy.test' "
                    "version='1.0'><stream:features><starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'>"
                    "<required/></starttls></stream:features>");
            if (got.contains("<starttls")) peer->write("<proceed xmlns='urn:ietf:params:xml:ns:xmpp-tls'/>");
        });
    });
    net::JabberAccount account = Alice();
    account.port = silent.serverPort();
    const std::string notAnswering =
        "Не удалось подключиться к серверу Jabber 127.0.0.1:" + std::to_string(account.port) + ": сервер не отвечает.";
    for (const int loginMs : {1500, 60000}) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(Login(account, loginMs), notAnswering) << loginMs;
        EXPECT_LT(clock.elapsed(), net::ConnectWatchdog::kLongestCallMs + 3000) << loginMs;
    }
}

}  // namespace
}  // namespace duel::testing
