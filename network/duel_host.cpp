// The host: its listening socket, one peer at a time, BUSY for the rest, back to waiting after a dropped peer.
#include "network/duel_host.h"

#include "network/game_discovery.h"
#include "network/network_texts.h"
#include "network/socket_closer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace duel::net {

QString ListenFailureText(quint16 port, QAbstractSocket::SocketError error, const QString& systemText) {
    QString why = systemText;
    if (error == QAbstractSocket::AddressInUseError)
        why = QString::fromStdString(Word(DUEL_TEXT("network", "он занят другой программой.")));
    else if (error == QAbstractSocket::SocketAccessError && port < 1024)
        why = QString::fromStdString(Word("network", kTextPrivilegedPort));
    return QString::fromStdString(Word(DUEL_TEXT("network", "Не удалось открыть порт %1 для дуэли: %2"),
                                       {std::to_string(port), why.toStdString()}));
}

DuelHost::DuelHost(std::string myName, LinkTimeouts timeouts, SaltSource salt, QObject* parent)
    : PeerHost(parent),
      myName_(std::move(myName)),
      timeouts_(timeouts),
      salt_(std::move(salt)),
      server_(new QTcpServer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &DuelHost::TakeConnections);
}

DuelHost::~DuelHost() {
    // The link says goodbye as it goes, and reports nothing to those who may be gone already.
    server_->close();
    delete link_.data();
}

bool DuelHost::Listen(quint16 port) {
    if (server_->isListening()) return true;
    if (!server_->listen(QHostAddress::Any, port)) {
        errorText_ = ListenFailureText(port, server_->serverError(), server_->errorString());
        return false;
    }
    port_ = server_->serverPort();
    accepted_ = false;
    Wait();
    return true;
}

void DuelHost::Wait() {
    if (announced_) {
        if (!announcer_) announcer_ = new GameAnnouncer(this);
        announcer_->Announce(myName_, port_);
    }
    emit waiting(port_);
}

void DuelHost::Stop() {
    server_->close();
    if (announcer_) announcer_->Withdraw();
    if (link_) {
        DuelLink* link = link_;
        link_ = nullptr;
        link->Leave();
        link->deleteLater();
    }
}

bool DuelHost::listening() const { return server_->isListening(); }

void DuelHost::TakeConnections() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        if (link_ || asking_) {
            Message busy = SimpleMessage(MessageKind::Busy);
            socket->write(QByteArray::fromStdString(FormatMessage(busy) + '\n'));
            CloseAfterSending(socket, timeouts_.lingerMs);
            continue;
        }
        if (announcer_) announcer_->Withdraw();
        auto* link = new DuelLink(socket, myName_, timeouts_, salt_, this);
        link_ = link;
        accepted_ = false;
        connect(link, &DuelLink::peerGreeted, this,
                [this, link](const QString& name) { emit peerAsks(link, name, link->peerAddress()); });
        connect(link, &DuelLink::ended, this, [this, link](const DuelEnd& end) { LinkEnded(link, end); });
        // Once the host's player has said yes, the port is this duel's until it ends.
        connect(link, &DuelLink::accepted, this, [this] { accepted_ = true; });
    }
}

void DuelHost::LinkEnded(DuelLink* link, const DuelEnd& end) {
    if (link != link_) return;
    link_ = nullptr;
    link->deleteLater();
    if (accepted_) {
        server_->close();
        return;
    }
    emit peerDropped(QString::fromStdString(end.text));
    if (server_->isListening()) Wait();
}

}  // namespace duel::net
