// Closes a connection politely after its last line: waits briefly for the peer to read it and close.
#pragma once

class QTcpSocket;

namespace duel::net {

// Takes `socket` over.  Once what was written has gone out, waits up to `lingerMs` for the
// peer to close its side (or to say BYE), discarding whatever it still sends, then closes:
// a socket closed with unread bytes resets the connection, and the peer could lose the last
// line (BUSY, DECLINE, BYE) before reading it.  Deletes itself and the socket at the end.
// At most kMaxLingering sockets linger at once; any further one is cut off at once.
void CloseAfterSending(QTcpSocket* socket, int lingerMs);

// Closes `socket` now without waiting for the event loop: what was written is pushed out for
// at most `flushMs`, then the socket is cut off.  For the quit paths of the program.
void CloseNow(QTcpSocket* socket, int flushMs);

inline constexpr int kMaxLingering = 8;

// Sockets lingering now (tests look at it).
int LingeringSockets();

}  // namespace duel::net
