// What a waiting side reports, whatever it waits on: a port (DuelHost) or a Jabber account (JabberHost).
#pragma once

#include "network/duel_link.h"

#include <QObject>
#include <QString>

namespace duel::net {

class PeerHost : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Stops waiting and says goodbye to the peer, if there is one (its link ends with WeLeft).
    // For every quit path of the program, and for "Отмена" while waiting.
    virtual void Stop() = 0;
    // While the host's player is asked about a peer, everyone else hears that the host is busy,
    // also once that peer has left: one question at a time.
    void SetAsking(bool asking) { asking_ = asking; }
    // The peer being greeted, asked or played; nullptr while the host waits.
    virtual DuelLink* link() const = 0;

signals:
    // A peer has greeted and asks to play: show the question, then link->Accept() or
    // link->Decline().  Connect to the link's own signals for the rest of the duel.  Hold the
    // link in a QPointer across the question: a peer that leaves meanwhile is dropped and its
    // link deleted, also inside a modal box's event loop.
    void peerAsks(duel::net::DuelLink* link, const QString& name, const QString& address);
    // A peer dropped before the duel was accepted; `text` says why (empty after the host's own
    // "no").  The host waits again.
    void peerDropped(const QString& text);

protected:
    bool asking_ = false;
};

}  // namespace duel::net
