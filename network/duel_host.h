// The hosting side: listens for a peer, one at a time, and answers every further connection "busy".
#pragma once

#include "network/duel_link.h"

#include <QAbstractSocket>
#include <QObject>
#include <QPointer>
#include <QString>

#include <string>

class QTcpServer;

namespace duel::net {

class GameAnnouncer;

// Why `port` could not be taken, for the player: "Не удалось открыть порт N для дуэли: ...",
// with a hint where the system keeps ports below 1024 for the administrator.
QString ListenFailureText(quint16 port, QAbstractSocket::SocketError error, const QString& systemText);

// Listens while it waits or plays, never otherwise.  Each connection taken becomes a DuelLink
// that greets the peer; a peer that has not greeted within the greeting time, breaks the
// protocol, leaves or is declined is dropped and the host waits again.  Once its player has
// accepted a peer, the duel is that link's: when it ends, the host stops listening (Listen
// again to host another duel).  While a peer is being greeted, asked or played, every other
// connection is answered BUSY and closed.
class DuelHost : public QObject {
    Q_OBJECT

public:
    DuelHost(std::string myName, LinkTimeouts timeouts = {}, SaltSource salt = SystemSalt, QObject* parent = nullptr);
    ~DuelHost() override;

    // Starts waiting on `port` (0: any free port, see port()) on every address of this computer.
    // False when the port cannot be taken; errorText() says why, in Russian.
    bool Listen(quint16 port);
    // Stops listening and says goodbye to the peer, if there is one (its link ends with WeLeft).
    // For every quit path of the program, and for "Отмена" while waiting.
    void Stop();

    // While the host's player is asked about a peer, every other connection is answered BUSY,
    // also once that peer has left: one question at a time.
    void SetAsking(bool asking) { asking_ = asking; }

    // Announce the game on the local network (DNS-SD through Avahi) while waiting; off until
    // asked, so that no Avahi client is made before the player hosts a game.
    void SetAnnounced(bool announced) { announced_ = announced; }

    bool listening() const;
    quint16 port() const { return port_; }
    QString errorText() const { return errorText_; }
    // The peer being greeted, asked or played; nullptr while the host waits.
    DuelLink* link() const { return link_; }

signals:
    // Listening with nobody greeted, asked or played (at the start and after a dropped peer).
    void waiting(quint16 port);
    // A peer has greeted and asks to play: show the question, then link->Accept() or
    // link->Decline().  Connect to the link's own signals for the rest of the duel.  Hold the
    // link in a QPointer across the question: a peer that leaves meanwhile is dropped and its
    // link deleted, also inside a modal box's event loop.
    void peerAsks(duel::net::DuelLink* link, const QString& name, const QString& address);
    // A peer dropped before the duel was accepted; `text` says why (empty after the host's own
    // "no").  The host waits again.
    void peerDropped(const QString& text);

private:
    void TakeConnections();
    void LinkEnded(DuelLink* link, const DuelEnd& end);
    void Wait();

    std::string myName_;
    LinkTimeouts timeouts_;
    SaltSource salt_;
    QTcpServer* server_;
    QPointer<DuelLink> link_;
    bool accepted_ = false;
    bool asking_ = false;
    quint16 port_ = 0;
    QString errorText_;
    bool announced_ = false;
    GameAnnouncer* announcer_ = nullptr;
};

}  // namespace duel::net
