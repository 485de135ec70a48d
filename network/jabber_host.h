// The waiting side through Jabber: the account's game takes one friend's invitation at a time.
#pragma once

#include "network/invitation_limiter.h"
#include "network/jabber_account.h"
#include "network/jabber_client.h"
#include "network/peer_host.h"

#include <QElapsedTimer>
#include <QPointer>

#include <memory>
#include <string>

namespace duel::net {

class JabberCarrier;

// The joining side: logs in as `account` and invites `friendJid` (a bare address) to a duel as
// `myName`.  The link ends with "Соперник не ждёт приглашения." when no game of the friend's takes
// the invitation within LinkTimeouts::jabberAnswerMs.
DuelLink* JoinThroughJabber(const JabberAccount& account, const QString& friendJid, std::string myName,
                            LinkTimeouts timeouts = {}, SaltSource salt = SystemSalt, QObject* parent = nullptr);

// Logs in to the account and waits for invitations to its game.  The first line from a player's
// game is its invitation: it becomes a DuelLink that greets back and asks the host's player.
// While a peer is greeted, asked or played, other invitations hear BUSY; stanzas of other
// players that are not invitations, and invitations beyond InvitationLimiter's, are refused
// unanswered, like those that come once the host has stopped waiting.  After the accepted duel
// ends, nothing more is taken (Start again on a new host to wait again).
class JabberHost : public PeerHost {
    Q_OBJECT

public:
    JabberHost(std::string myName, LinkTimeouts timeouts = {}, SaltSource salt = SystemSalt, QObject* parent = nullptr);
    ~JabberHost() override;

    // Logs in; `waiting` or `failed` follows.
    void Start(const JabberAccount& account);
    void Stop() override;
    DuelLink* link() const override { return link_; }
    // The account's bare address, as the player knows it.
    QString jid() const { return jid_; }

signals:
    // Logged in with nobody greeted, asked or played (at the start and after a dropped peer).
    void waiting();
    // The login failed, or the server went away while waiting: why.  Nothing more follows.
    void failed(const QString& text);

private:
    bool Route(const QString& from, const std::string& line);
    void LinkEnded(DuelLink* link, const DuelEnd& end);

    std::string myName_;
    LinkTimeouts timeouts_;
    SaltSource salt_;
    std::unique_ptr<JabberClient> client_;
    QString jid_;
    QPointer<DuelLink> link_;
    QPointer<JabberCarrier> carrier_;
    bool waiting_ = false;  // invitations are taken
    bool accepted_ = false;
    InvitationLimiter limiter_;
    QElapsedTimer clock_;
};

}  // namespace duel::net
