// One side's connection of a duel over the network: the timeouts and keep-alive around the duel's
// state machine, over a carrier (TCP, Jabber), reported through signals with plain values.
#pragma once

#include "network/deadline_timers.h"
#include "network/duel_carrier.h"
#include "network/duel_protocol.h"
#include "network/link_timeouts.h"
#include "network/sha256.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <string>

class QTcpSocket;

namespace duel::net {

// The duel with one peer over one connection.  The host makes one for every connection it
// takes (see DuelHost); the joining side makes one with Join.  Every signal but `ended` may
// come any number of times in the order of the duel; `ended` comes once, last, and the link
// may then be deleted (with deleteLater from inside a handler of its signals).
class DuelLink : public QObject {
    Q_OBJECT

public:
    // The joining side: connects to `address` (a host name or an IP address) and `port`,
    // greets the host as `myName` and waits for its yes.
    static DuelLink* Join(const QString& address, quint16 port, std::string myName, LinkTimeouts timeouts = {},
                          SaltSource salt = SystemSalt, QObject* parent = nullptr);

    // The host's side of a connection it has taken (`socket` connected; the link takes it over).
    DuelLink(QTcpSocket* socket, std::string myName, LinkTimeouts timeouts, SaltSource salt, QObject* parent = nullptr);
    // Either side over any carrier (the link takes it over).  A carrier that is ready starts the
    // greeting at once; another one, once it has connected.
    DuelLink(DuelCarrier* carrier, Role role, std::string myName, LinkTimeouts timeouts, SaltSource salt,
             QObject* parent = nullptr);
    ~DuelLink() override;

    // The host's player's answer after peerGreeted: play this peer or not.
    void Accept();
    void Decline();
    // This side's number (four different digits 1-9), once after the host's yes: the link sends
    // its commitment with a fresh salt.  False when the stage or the number does not allow it.
    bool Commit(const std::string& number);
    // This side's guess in its turn; false out of turn or for a number that is not four
    // different digits 1-9.
    bool Guess(const std::string& guess);
    // Goodbye: sends BYE, pushes it out for at most LinkTimeouts::quitFlushMs without waiting
    // for the event loop, and closes.  For every quit path of the program; after the
    // commitments this is this side's forfeit.  `ended` follows with EndKind::WeLeft.  Deleting a link
    // whose duel runs says goodbye too, silently.
    void Leave();

    Role role() const { return protocol_.role(); }
    Stage stage() const { return protocol_.stage(); }
    bool myTurn() const { return protocol_.myTurn(); }
    int round() const { return protocol_.round(); }
    QString peerName() const;
    // The peer's address as text ("192.168.1.5", "fe80::1", a Jabber address); IPv4 shown as IPv4
    // also when it came over an IPv6 socket.
    QString peerAddress() const { return peerAddress_; }
    const DuelProtocol& protocol() const { return protocol_; }
    // This side's own move: milliseconds left until its time is up (0 once it is; then the
    // link takes no guess), -1 while it owes none.
    int ownMoveMsLeft() const { return deadlines_.ownMsLeft(); }

signals:
    // The peer's HELLO came: for the host it asks to play (answer with Accept or Decline);
    // for the joining side the host has answered and its player is deciding.
    void peerGreeted(const QString& name);
    // The host's player said yes (on the host's side too, right after Accept): both sides
    // now commit (Commit).
    void accepted();
    void peerCommitted();
    // The peer's guess and the answer this side has sent for it (scored from its number).
    void guessReceived(const QString& guess, int exact, int partial);
    // The answer to this side's guess.
    void answerReceived(const QString& guess, int exact, int partial);
    void revealReceived(const QString& number);
    void ended(const duel::net::DuelEnd& end);

private:
    void LineReceived(const std::string& line);
    void CarrierGone(const QString& text);
    void Apply(Reaction reaction);
    void WriteLine(const Message& message);
    void Report(const Event& event);
    void CloseCarrier(bool linger);
    void StartTalking();

    DuelCarrier* carrier_;
    DuelProtocol protocol_;
    LinkTimeouts timeouts_;
    SaltSource salt_;
    QString peerAddress_;
    QTimer greetingTimer_, silenceTimer_, keepAliveTimer_;
    DeadlineTimers deadlines_;  // the duel's own deadlines, restarted on progress, never on a keep-alive
};

}  // namespace duel::net

Q_DECLARE_METATYPE(duel::net::DuelEnd)
