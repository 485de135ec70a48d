// A duel's lines through a Jabber server: each line an iq to the peer's game, each answered.
#pragma once

#include "network/duel_carrier.h"
#include "network/jabber_client.h"

#include <QPointer>
#include <QTimer>

#include <memory>

namespace duel::net {

// The lines with one peer, addressed to its game's own resource.  A line the peer's game did not
// take (no game of the peer waits, the peer has gone, the server refused it) ends the carrier:
// before the peer has taken any line, "Соперник не ждёт приглашения."; after, a lost connection.
// A line that does not reach the peer's game within `answerMs` counts the same.
class JabberCarrier : public DuelCarrier {
public:
    // The host's side: `client` is the host's and stays its (it must outlive this or be gone
    // first); lines from `peer` come through Deliver.
    JabberCarrier(JabberClient* client, const QString& peer, int answerMs, QObject* parent = nullptr);
    // The joining side: logs in as `account` with its own client and then speaks to `friendJid`'s
    // game (a bare address).
    static JabberCarrier* Connect(const JabberAccount& account, const QString& friendJid, int connectMs, int answerMs,
                                  QObject* parent = nullptr);
    ~JabberCarrier() override;

    bool ready() const override;
    void Send(const std::string& line) override;
    void Close(bool linger) override;
    void CloseNow(int flushMs) override;
    QString peerAddress() const override;

    // A line from the peer, which the host's client routed here; false once this carrier takes no more.
    bool Deliver(const std::string& line);
    // The full address of the peer's game.
    QString peer() const { return peer_; }
    bool closed() const { return closed_; }

private:
    void Answered(const QString& id, bool delivered);
    void Gone(const QString& text);
    void WatchClient();

    QPointer<JabberClient> client_;
    std::unique_ptr<JabberClient> ownClient_;  // the joining side's
    QString peer_;
    int answerMs_;
    bool reached_ = false;  // the peer's game has taken a line
    bool closed_ = false;
    QTimer answerTimer_;
    QString awaited_;  // the id of the oldest line not yet answered
    std::vector<QString> unanswered_;
};

}  // namespace duel::net
