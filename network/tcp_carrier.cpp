// The TCP carrier: reading in bounded pieces, the connect timeout, the close.
#include "network/tcp_carrier.h"

#include "network/network_texts.h"
#include "network/socket_closer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>

namespace duel::net {

namespace {

// Qt holds at most this much unread; the rest waits in the system until it is taken.
constexpr qint64 kReadBufferBytes = 8 * 1024;

QString AddressText(const QHostAddress& address) {
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(ipv4).toString() : address.toString();
}

// Lines are small and each waits for an answer: sent at once, not held back for the peer's
// delayed acknowledgement (which made a move take 40 ms on loopback).
void SendAtOnce(QTcpSocket* socket) { socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); }

}  // namespace

TcpCarrier::TcpCarrier(QTcpSocket* socket, int lingerMs, QObject* parent)
    : DuelCarrier(parent), socket_(socket), lingerMs_(lingerMs) {
    socket_->setParent(this);
    socket_->setReadBufferSize(kReadBufferBytes);
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this,
            [this] { ConnectFailed(QString::fromStdString(Word("network", kTextConnectTimeout))); });
    connect(socket_, &QIODevice::readyRead, this, &TcpCarrier::ReadyRead);
    connect(socket_, &QAbstractSocket::disconnected, this, [this] {
        if (!connectTimer_.isActive()) Gone(QString::fromUtf8(kTextLost));  // else errorOccurred tells why
    });
    connect(socket_, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (connectTimer_.isActive()) {
            const PlayerText reason =
                error == QAbstractSocket::ConnectionRefusedError ? DUEL_TEXT("network", "там никто не ждёт игры")
                : error == QAbstractSocket::HostNotFoundError ? DUEL_TEXT("network", "адрес не найден")
                                                              : DUEL_TEXT("network", "сеть недоступна");
            ConnectFailed(QString::fromStdString(Word(reason)));
        } else if (error != QAbstractSocket::RemoteHostClosedError) {
            Gone(QString::fromUtf8(kTextLost));
        }
    });
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        peerAddress_ = AddressText(socket_->peerAddress());
        SendAtOnce(socket_);
    }
}

TcpCarrier* TcpCarrier::Connect(const QString& address, quint16 port, int connectMs, int lingerMs, QObject* parent) {
    auto* carrier = new TcpCarrier(new QTcpSocket, lingerMs, parent);
    const bool ipv6 = address.contains(u':');
    carrier->target_ = (ipv6 ? u'[' + address + u']' : address) + u':' + QString::number(port);
    carrier->peerAddress_ = address;
    connect(carrier->socket_, &QAbstractSocket::connected, carrier, &TcpCarrier::Connected);
    carrier->connectTimer_.start(connectMs);
    carrier->socket_->connectToHost(address, port);
    return carrier;
}

TcpCarrier::~TcpCarrier() {
    if (socket_) CloseNow(0);
}

bool TcpCarrier::ready() const { return socket_ && socket_->state() == QAbstractSocket::ConnectedState; }

void TcpCarrier::Connected() {
    connectTimer_.stop();
    peerAddress_ = AddressText(socket_->peerAddress());
    SendAtOnce(socket_);
    emit connected();
}

void TcpCarrier::ConnectFailed(const QString& reason) {
    connectTimer_.stop();
    Gone(QString::fromStdString(Word(DUEL_TEXT("network", "Не удалось подключиться к %1: %2."),
                                     {target_.toStdString(), reason.toStdString()})));
}

void TcpCarrier::Gone(const QString& text) {
    if (!socket_) return;
    connectTimer_.stop();
    Close(false);
    emit gone(text);
}

void TcpCarrier::ReadyRead() {
    QPointer<TcpCarrier> self(this);
    char buffer[4096];
    while (socket_) {
        const qint64 got = socket_->read(buffer, sizeof buffer);
        if (got <= 0) break;
        if (!reader_.Append(std::string_view(buffer, static_cast<size_t>(got)))) {
            Gone(QString::fromUtf8(kTextTooLong));
            return;
        }
        while (std::optional<std::string> line = reader_.NextFrame()) {
            emit lineReceived(*line);
            if (!self || !socket_) return;
        }
    }
}

void TcpCarrier::Send(const std::string& line) {
    if (!ready()) return;
    socket_->write(QByteArray::fromStdString(line + '\n'));
}

void TcpCarrier::Close(bool linger) {
    if (!socket_) return;
    connectTimer_.stop();
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    if (linger) {
        CloseAfterSending(socket, lingerMs_);
    } else {
        socket->abort();
        socket->setParent(nullptr);
        socket->deleteLater();
    }
}

void TcpCarrier::CloseNow(int flushMs) {
    if (!socket_) return;
    connectTimer_.stop();
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    net::CloseNow(socket, flushMs);
}

}  // namespace duel::net
