// The Jabber carrier: lines out as iq stanzas, their answers watched, lines in through the host's router or its own.
#include "network/jabber_carrier.h"

#include "network/network_texts.h"
#include "network/wire_format.h"

#include <algorithm>

namespace duel::net {

JabberCarrier::JabberCarrier(JabberClient* client, const QString& peer, int answerMs, QObject* parent)
    : DuelCarrier(parent), client_(client), peer_(peer), answerMs_(answerMs) {
    reached_ = true;  // the peer has spoken first
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this,
            [this] { Gone(QString::fromUtf8(reached_ ? kTextLost : kTextNotWaiting)); });
    WatchClient();
}

JabberCarrier* JabberCarrier::Connect(const JabberAccount& account, const QString& friendJid, int connectMs,
                                      int answerMs, QObject* parent) {
    auto* carrier = new JabberCarrier(nullptr, friendJid + u'/' + QString::fromUtf8(kJabberResource), answerMs, parent);
    carrier->reached_ = false;
    carrier->ownClient_ = std::make_unique<JabberClient>();
    carrier->client_ = carrier->ownClient_.get();
    carrier->WatchClient();
    JabberClient* client = carrier->ownClient_.get();
    const QString expected = BareJidKey(carrier->peer_);
    client->router = [carrier, expected](const QString& from, const std::string& line) {
        // Only the friend's game is heard; anyone else's stanza is refused.
        if (BareJidKey(from) != expected || from.section(u'/', 1) != QString::fromUtf8(kJabberResource)) return false;
        return carrier->Deliver(line);
    };
    connect(client, &JabberClient::connected, carrier, [carrier] { emit carrier->connected(); });
    connect(client, &JabberClient::failed, carrier, &JabberCarrier::Gone);
    client->Connect(account, connectMs);
    return carrier;
}

JabberCarrier::~JabberCarrier() {
    if (ownClient_) ownClient_->router = nullptr;
}

void JabberCarrier::WatchClient() {
    if (!client_) return;
    connect(client_, &JabberClient::answered, this, &JabberCarrier::Answered);
    connect(client_, &JabberClient::lost, this, &JabberCarrier::Gone);
}

bool JabberCarrier::ready() const { return !closed_ && client_ && client_->online(); }

QString JabberCarrier::peerAddress() const { return peer_.section(u'/', 0, 0); }

void JabberCarrier::Send(const std::string& line) {
    if (!ready()) return;
    const QString id = client_->SendLine(peer_, line);
    if (id.isEmpty()) return;
    unanswered_.push_back(id);
    if (!answerTimer_.isActive()) answerTimer_.start(answerMs_);
}

void JabberCarrier::Answered(const QString& id, bool delivered) {
    const auto found = std::find(unanswered_.begin(), unanswered_.end(), id);
    if (found == unanswered_.end() || closed_) return;
    unanswered_.erase(found);
    if (!delivered) {
        Gone(QString::fromUtf8(reached_ ? kTextLost : kTextNotWaiting));
        return;
    }
    reached_ = true;
    if (unanswered_.empty())
        answerTimer_.stop();
    else
        answerTimer_.start(answerMs_);
}

bool JabberCarrier::Deliver(const std::string& line) {
    if (closed_) return false;
    reached_ = true;
    // The same limit as a line over TCP, and one line only.
    if (line.size() + 1 > kMaxMessageBytes) {
        Gone(QString::fromUtf8(kTextTooLong));
        return true;
    }
    if (line.find_first_of("\r\n") != std::string::npos) {
        Gone(QString::fromUtf8(kTextGarbled));
        return true;
    }
    emit lineReceived(line);
    return true;
}

void JabberCarrier::Gone(const QString& text) {
    if (closed_) return;
    Close(false);
    emit gone(text);
}

void JabberCarrier::Close(bool linger) {
    if (closed_) return;
    closed_ = true;
    answerTimer_.stop();
    unanswered_.clear();
    if (!ownClient_) return;
    ownClient_->router = nullptr;
    if (linger) {
        // The last line goes out before the joining side's own client says goodbye to its server.
        JabberClient* client = ownClient_.release();
        client->setParent(nullptr);
        QTimer::singleShot(300, client, [client] {
            client->Disconnect();
            client->deleteLater();
        });
        connect(client, &JabberClient::lost, client, &QObject::deleteLater);
        client_ = nullptr;
    } else {
        ownClient_->Disconnect();
    }
}

void JabberCarrier::CloseNow(int flushMs) {
    if (client_) client_->Flush(flushMs);
    if (ownClient_) ownClient_->router = nullptr;
    closed_ = true;
    answerTimer_.stop();
    if (ownClient_) ownClient_->Disconnect();
}

}  // namespace duel::net
