// The hosting side: listens for a peer, one at a time, and answers every further connection "busy".
#pragma once

#include "network/duel_link.h"
#include "network/peer_host.h"

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
class DuelHost : public PeerHost {
    Q_OBJECT

public:
    DuelHost(std::string myName, LinkTimeouts timeouts = {}, SaltSource salt = SystemSalt, QObject* parent = nullptr);
    ~DuelHost() override;

    // Starts waiting on `port` (0: any free port, see port()) on every address of this computer.
    // False when the port cannot be taken; errorText() says why, in Russian.
    bool Listen(quint16 port);
    // Stops listening and says goodbye to the peer, if there is one (its link ends with WeLeft).
    // For every quit path of the program, and for "Отмена" while waiting.
    void Stop() override;

    // Announce the game on the local network (DNS-SD through Avahi) while waiting; off until
    // asked, so that no Avahi client is made before the player hosts a game.
    void SetAnnounced(bool announced) { announced_ = announced; }

    bool listening() const;
    quint16 port() const { return port_; }
    QString errorText() const { return errorText_; }
    DuelLink* link() const override { return link_; }

signals:
    // Listening with nobody greeted, asked or played (at the start and after a dropped peer).
    void waiting(quint16 port);

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
    quint16 port_ = 0;
    QString errorText_;
    bool announced_ = false;
    GameAnnouncer* announcer_ = nullptr;
};

}  // namespace duel::net
