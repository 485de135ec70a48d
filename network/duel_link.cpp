// The link's timers around its carrier: the greeting, silence and keep-alive, the duel's deadlines, the close.
#include "network/duel_link.h"

#include "network/network_texts.h"
#include "network/tcp_carrier.h"

#include <QPointer>
#include <QTcpSocket>

namespace duel::net {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

DuelLink* DuelLink::Join(const QString& address, quint16 port, std::string myName, LinkTimeouts timeouts,
                         SaltSource salt, QObject* parent) {
    auto* carrier = TcpCarrier::Connect(address, port, timeouts.connectMs, timeouts.lingerMs);
    return new DuelLink(carrier, Role::Guest, std::move(myName), timeouts, std::move(salt), parent);
}

DuelLink::DuelLink(QTcpSocket* socket, std::string myName, LinkTimeouts timeouts, SaltSource salt, QObject* parent)
    : DuelLink(new TcpCarrier(socket, timeouts.lingerMs), Role::Host, std::move(myName), timeouts, std::move(salt),
               parent) {}

DuelLink::DuelLink(DuelCarrier* carrier, Role role, std::string myName, LinkTimeouts timeouts, SaltSource salt,
                   QObject* parent)
    : QObject(parent),
      carrier_(carrier),
      protocol_(role, std::move(myName), Sha256, timeouts.deadlines),
      timeouts_(timeouts),
      salt_(std::move(salt)),
      deadlines_(protocol_, [this](Reaction reaction) { Apply(std::move(reaction)); }) {
    carrier_->setParent(this);
    peerAddress_ = carrier_->peerAddress();
    for (QTimer* timer : {&greetingTimer_, &silenceTimer_}) timer->setSingleShot(true);
    connect(&greetingTimer_, &QTimer::timeout, this, [this] { Apply(protocol_.PeerGone(kTextNoGreeting)); });
    connect(&silenceTimer_, &QTimer::timeout, this, [this] { Apply(protocol_.PeerGone(kTextLost)); });
    connect(&keepAliveTimer_, &QTimer::timeout, this, [this] { WriteLine(SimpleMessage(MessageKind::Ping)); });
    connect(carrier_, &DuelCarrier::lineReceived, this, &DuelLink::LineReceived);
    connect(carrier_, &DuelCarrier::gone, this, &DuelLink::CarrierGone);
    connect(carrier_, &DuelCarrier::connected, this, [this] {
        peerAddress_ = carrier_->peerAddress();
        StartTalking();
    });
    if (carrier_->ready()) StartTalking();
}

DuelLink::~DuelLink() {
    // A link deleted while its duel still runs says goodbye as on a quit, and reports nothing:
    // those who listen may be gone already.
    if (!carrier_) return;
    for (const Message& message : protocol_.Leave().send) WriteLine(message);
    DuelCarrier* carrier = carrier_;
    carrier_ = nullptr;
    carrier->disconnect(this);
    carrier->CloseNow(timeouts_.quitFlushMs);
}

QString DuelLink::peerName() const { return Text(protocol_.peerName()); }

void DuelLink::StartTalking() {
    WriteLine(protocol_.Hello());
    greetingTimer_.start(timeouts_.greetingMs);
    silenceTimer_.start(timeouts_.silenceMs);
    keepAliveTimer_.start(timeouts_.keepAliveMs);
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
    if (carrier_) {
        for (const Message& message : reaction.send) WriteLine(message);
        carrier_->CloseNow(timeouts_.quitFlushMs);
    }
    reaction.send.clear();
    reaction.close = false;
    Apply(std::move(reaction));
}

void DuelLink::LineReceived(const std::string& line) {
    if (protocol_.stage() == Stage::Over) return;
    silenceTimer_.start(timeouts_.silenceMs);
    Apply(protocol_.Receive(line));
}

void DuelLink::CarrierGone(const QString& text) {
    const std::string why = text.toStdString();
    Apply(protocol_.PeerGone(why.c_str()));
}

void DuelLink::WriteLine(const Message& message) {
    if (carrier_) carrier_->Send(FormatMessage(message));
}

void DuelLink::Apply(Reaction reaction) {
    for (const Message& message : reaction.send) WriteLine(message);
    if (protocol_.stage() == Stage::Over) {
        for (QTimer* timer : {&greetingTimer_, &silenceTimer_, &keepAliveTimer_}) timer->stop();
    }
    deadlines_.Update();
    if (reaction.close) CloseCarrier(!reaction.send.empty());
    QPointer<DuelLink> self(this);
    for (const Event& event : reaction.events) {
        Report(event);
        if (!self) return;
    }
}

void DuelLink::CloseCarrier(bool linger) {
    if (carrier_) carrier_->Close(linger);
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
