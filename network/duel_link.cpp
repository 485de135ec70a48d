// The link's socket work: reading in bounded pieces, the greeting, silence and keep-alive timers, the close.
#include "network/duel_link.h"

#include "network/network_texts.h"
#include "network/socket_closer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>

namespace duel::net {

namespace {

// Qt holds at most this much unread; the rest waits in the system until it is taken.
constexpr qint64 kReadBufferBytes = 8 * 1024;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QString AddressText(const QHostAddress& address) {
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(ipv4).toString() : address.toString();
}

}  // namespace

DuelLink* DuelLink::Join(const QString& address, quint16 port, std::string myName, LinkTimeouts timeouts,
                         SaltSource salt, QObject* parent) {
    auto* socket = new QTcpSocket;
    auto* link = new DuelLink(socket, Role::Guest, std::move(myName), timeouts, std::move(salt), parent);
    const bool ipv6 = address.contains(u':');
    link->target_ = (ipv6 ? u'[' + address + u']' : address) + u':' + QString::number(port);
    link->peerAddress_ = address;
    connect(socket, &QAbstractSocket::connected, link, &DuelLink::Connected);
    link->connectTimer_.start(timeouts.connectMs);
    socket->connectToHost(address, port);
    return link;
}

DuelLink::DuelLink(QTcpSocket* socket, std::string myName, LinkTimeouts timeouts, SaltSource salt, QObject* parent)
    : DuelLink(socket, Role::Host, std::move(myName), timeouts, std::move(salt), parent) {
    peerAddress_ = AddressText(socket->peerAddress());
    StartTalking();
}

DuelLink::DuelLink(QTcpSocket* socket, Role role, std::string myName, LinkTimeouts timeouts, SaltSource salt,
                   QObject* parent)
    : QObject(parent),
      socket_(socket),
      protocol_(role, std::move(myName), Sha256, timeouts.deadlines),
      timeouts_(timeouts),
      salt_(std::move(salt)),
      deadlines_(protocol_, [this](Reaction reaction) { Apply(std::move(reaction)); }) {
    socket_->setParent(this);
    socket_->setReadBufferSize(kReadBufferBytes);
    for (QTimer* timer : {&connectTimer_, &greetingTimer_, &silenceTimer_}) timer->setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this,
            [this] { ConnectFailed(QString::fromStdString(Word("network", kTextConnectTimeout))); });
    connect(&greetingTimer_, &QTimer::timeout, this, [this] { Apply(protocol_.PeerGone(kTextNoGreeting)); });
    connect(&silenceTimer_, &QTimer::timeout, this, [this] { Apply(protocol_.PeerGone(kTextLost)); });
    connect(&keepAliveTimer_, &QTimer::timeout, this, [this] { WriteLine(SimpleMessage(MessageKind::Ping)); });
    connect(socket_, &QIODevice::readyRead, this, &DuelLink::ReadyRead);
    connect(socket_, &QAbstractSocket::disconnected, this, &DuelLink::Disconnected);
    connect(socket_, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (connectTimer_.isActive()) {
            const PlayerText reason =
                error == QAbstractSocket::ConnectionRefusedError ? DUEL_TEXT("network", "там никто не ждёт игры")
                : error == QAbstractSocket::HostNotFoundError ? DUEL_TEXT("network", "адрес не найден")
                                                              : DUEL_TEXT("network", "сеть недоступна");
            ConnectFailed(QString::fromStdString(Word(reason)));
        } else if (error != QAbstractSocket::RemoteHostClosedError) {
            Disconnected();
        }
    });
}

DuelLink::~DuelLink() {
    // A link deleted while its duel still runs says goodbye as on a quit, and reports nothing:
    // those who listen may be gone already.
    if (!socket_) return;
    for (const Message& message : protocol_.Leave().send) WriteLine(message);
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    CloseNow(socket, timeouts_.quitFlushMs);
}

QString DuelLink::peerName() const { return Text(protocol_.peerName()); }

void DuelLink::Connected() {
    connectTimer_.stop();
    peerAddress_ = AddressText(socket_->peerAddress());
    StartTalking();
}

void DuelLink::StartTalking() {
    // Lines are small and each waits for an answer: sent at once, not held back for the
    // peer's delayed acknowledgement (which made a move take 40 ms on loopback).
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    WriteLine(protocol_.Hello());
    greetingTimer_.start(timeouts_.greetingMs);
    silenceTimer_.start(timeouts_.silenceMs);
    keepAliveTimer_.start(timeouts_.keepAliveMs);
}

void DuelLink::ConnectFailed(const QString& reason) {
    connectTimer_.stop();
    const std::string text =
        Word(DUEL_TEXT("network", "Не удалось подключиться к %1: %2."), {target_.toStdString(), reason.toStdString()});
    Apply(protocol_.PeerGone(text.c_str()));
}

void DuelLink::Accept() {
    Reaction reaction = protocol_.Accept();
    if (reaction.refused) return;
    reaction.events.push_back(MakeEvent(Event::Accepted));
    Apply(std::move(reaction));
}
void DuelLink::Decline() { Apply(protocol_.Decline()); }

bool DuelLink::Commit(const std::string& number) {
    Reaction reaction = protocol_.Commit(number, salt_(kSaltBytes));
    if (reaction.refused) return false;
    Apply(std::move(reaction));
    return true;
}

bool DuelLink::Guess(const std::string& guess) {
    Reaction reaction = protocol_.Guess(guess);
    if (reaction.refused) return false;
    Apply(std::move(reaction));
    return true;
}

void DuelLink::Leave() {
    Reaction reaction = protocol_.Leave();
    if (socket_) {
        for (const Message& message : reaction.send) WriteLine(message);
        QTcpSocket* socket = socket_;
        socket_ = nullptr;
        CloseNow(socket, timeouts_.quitFlushMs);
    }
    reaction.send.clear();
    reaction.close = false;
    Apply(std::move(reaction));
}

void DuelLink::ReadyRead() {
    QPointer<DuelLink> self(this);
    char buffer[4096];
    while (socket_ && protocol_.stage() != Stage::Over) {
        const qint64 got = socket_->read(buffer, sizeof buffer);
        if (got <= 0) break;
        if (!reader_.Append(std::string_view(buffer, static_cast<size_t>(got)))) {
            Apply(protocol_.PeerGone(kTextTooLong));
            return;
        }
        while (std::optional<std::string> line = reader_.NextFrame()) {
            silenceTimer_.start(timeouts_.silenceMs);
            Apply(protocol_.Receive(*line));
            if (!self || protocol_.stage() == Stage::Over) return;
        }
    }
}

void DuelLink::Disconnected() {
    if (connectTimer_.isActive()) return;  // errorOccurred tells why
    Apply(protocol_.PeerGone(kTextLost));
}

void DuelLink::WriteLine(const Message& message) {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return;
    socket_->write(QByteArray::fromStdString(FormatMessage(message) + '\n'));
}

void DuelLink::Apply(Reaction reaction) {
    for (const Message& message : reaction.send) WriteLine(message);
    if (protocol_.stage() == Stage::Over) {
        for (QTimer* timer : {&connectTimer_, &greetingTimer_, &silenceTimer_, &keepAliveTimer_}) timer->stop();
    }
    deadlines_.Update();
    if (reaction.close) CloseSocket(!reaction.send.empty());
    QPointer<DuelLink> self(this);
    for (const Event& event : reaction.events) {
        Report(event);
        if (!self) return;
    }
}

void DuelLink::CloseSocket(bool linger) {
    if (!socket_) return;
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    if (linger) {
        CloseAfterSending(socket, timeouts_.lingerMs);
    } else {
        socket->abort();
        socket->setParent(nullptr);
        socket->deleteLater();
    }
}

void DuelLink::Report(const Event& event) {
    const int exact = event.answer.exact;
    const int partial = event.answer.partial;
    switch (event.kind) {
        case Event::PeerGreeted:
            greetingTimer_.stop();
            emit peerGreeted(Text(event.text));
            break;
        case Event::Accepted:
            emit accepted();
            break;
        case Event::PeerCommitted:
            emit peerCommitted();
            break;
        case Event::GuessReceived:
            emit guessReceived(Text(event.text), exact, partial);
            break;
        case Event::AnswerReceived:
            emit answerReceived(Text(event.text), exact, partial);
            break;
        case Event::RevealReceived:
            emit revealReceived(Text(event.text));
            break;
        case Event::Ended:
            emit ended(event.end);
            break;
    }
}

}  // namespace duel::net
