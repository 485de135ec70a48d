// The Jabber host: the login, the router of every line that comes, BUSY for the rest, back to waiting after a dropped
// peer.
#include "network/jabber_host.h"

#include "network/jabber_carrier.h"
#include "network/network_texts.h"
#include "network/wire_format.h"

namespace duel::net {

DuelLink* JoinThroughJabber(const JabberAccount& account, const QString& friendJid, std::string myName,
                            LinkTimeouts timeouts, SaltSource salt, QObject* parent) {
    auto* carrier = JabberCarrier::Connect(account, friendJid, timeouts.jabberLoginMs, timeouts.jabberAnswerMs);
    return new DuelLink(carrier, Role::Guest, std::move(myName), timeouts, std::move(salt), parent);
}

JabberHost::JabberHost(std::string myName, LinkTimeouts timeouts, SaltSource salt, QObject* parent)
    : PeerHost(parent), myName_(std::move(myName)), timeouts_(timeouts), salt_(std::move(salt)) {
    clock_.start();
}

JabberHost::~JabberHost() {
    // The link says goodbye through the client, which goes after it.
    delete link_.data();
    if (client_) client_->router = nullptr;
}

void JabberHost::Start(const JabberAccount& account) {
    jid_ = QString::fromStdString(account.jid);
    client_ = std::make_unique<JabberClient>();
    client_->router = [this](const QString& from, const std::string& line) { return Route(from, line); };
    connect(client_.get(), &JabberClient::connected, this, [this] {
        waiting_ = true;
        emit waiting();
    });
    connect(client_.get(), &JabberClient::failed, this, [this](const QString& text) {
        waiting_ = false;
        emit failed(text);
    });
    // While a duel runs, its link hears of the loss through its carrier; while waiting, the host tells it.
    connect(client_.get(), &JabberClient::lost, this, [this](const QString& text) {
        const bool wasWaiting = waiting_ && !link_;
        waiting_ = false;
        if (wasWaiting) emit failed(text);
    });
    client_->Connect(account, timeouts_.jabberLoginMs);
}

void JabberHost::Stop() {
    waiting_ = false;
    if (link_) {
        DuelLink* link = link_;
        link_ = nullptr;
        link->Leave();
        link->deleteLater();
    }
}

bool JabberHost::Route(const QString& from, const std::string& line) {
    if (carrier_ && !carrier_->closed() && carrier_->peer().compare(from, Qt::CaseInsensitive) == 0)
        return carrier_->Deliver(line);
    // Everyone else: only a game's invitation, only while waiting, only so many.
    if (!waiting_ || from.section(u'/', 1) != QString::fromUtf8(kJabberResource)) return false;
    if (line.rfind("HELLO ", 0) != 0) return false;
    if (!limiter_.Take(BareJidKey(from).toStdString(), clock_.elapsed())) return false;
    if (link_ || asking_) {
        client_->SendLine(from, FormatMessage(SimpleMessage(MessageKind::Busy)));
        return true;
    }
    auto* carrier = new JabberCarrier(client_.get(), from, timeouts_.jabberAnswerMs);
    auto* link = new DuelLink(carrier, Role::Host, myName_, timeouts_, salt_, this);
    carrier_ = carrier;
    link_ = link;
    accepted_ = false;
    connect(link, &DuelLink::peerGreeted, this,
            [this, link](const QString& name) { emit peerAsks(link, name, link->peerAddress()); });
    connect(link, &DuelLink::ended, this, [this, link](const DuelEnd& end) { LinkEnded(link, end); });
    connect(link, &DuelLink::accepted, this, [this] { accepted_ = true; });
    return carrier->Deliver(line);
}

void JabberHost::LinkEnded(DuelLink* link, const DuelEnd& end) {
    if (link != link_) return;
    link_ = nullptr;
    link->deleteLater();
    if (accepted_) {
        waiting_ = false;
        return;
    }
    emit peerDropped(QString::fromStdString(end.text));
    if (waiting_ && client_ && client_->online()) emit waiting();
}

}  // namespace duel::net
