// What carries a duel's lines between two sides: a TCP connection or a Jabber server.  The link
// above it keeps the protocol, its limits, checks, timers and deadlines, whatever the carrier.
#pragma once

#include <QObject>
#include <QString>

#include <string>

namespace duel::net {

// One peer's lines, both ways.  A carrier hands over each complete line it takes (without its
// end), at most kMaxMessageBytes long; anything longer or broken ends it with `gone`.  After
// `gone` or Close nothing more comes.  The link owns its carrier.
class DuelCarrier : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Ready to carry lines (a host's carrier is born so; a joining one once it has reached the peer).
    virtual bool ready() const = 0;
    // Sends one line (without its end); nothing once closed or not ready.
    virtual void Send(const std::string& line) = 0;
    // The last line has been sent: closes, letting it reach the peer (`linger`) or at once.
    virtual void Close(bool linger) = 0;
    // For every quit path: what was sent goes out for at most `flushMs`, without the event loop.
    virtual void CloseNow(int flushMs) = 0;
    // The peer as the player sees it: an IP address, a Jabber address.
    virtual QString peerAddress() const = 0;

signals:
    // The joining side has reached its peer: the lines may flow.
    void connected();
    // A line from the peer.  The handler may close the carrier; then no further line comes.
    void lineReceived(const std::string& line);
    // The carrier ended by itself (closed by the peer, broken, unreachable, a line too long);
    // `text` tells the player why.  Comes once; nothing follows.
    void gone(const QString& text);
};

}  // namespace duel::net
