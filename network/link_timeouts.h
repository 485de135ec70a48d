// How long a link of the duel over the network waits for each thing, in milliseconds.
#pragma once

#include "network/duel_deadlines.h"

namespace duel::net {

// Every wait of a link; tests make them short.
struct LinkTimeouts {
    int greetingMs = 10000;      // the peer's HELLO must come within this
    int silenceMs = 30000;       // a peer silent this long is lost
    int keepAliveMs = 10000;     // this side's PING, so that it is never silent that long
    int connectMs = 10000;       // joining: the connection must be made within this
    int lingerMs = 2000;         // after a last line, how long the peer may take to read it and close
    int quitFlushMs = 200;       // Leave: how long the goodbye may take to go out
    int jabberLoginMs = 20000;   // through Jabber: connecting and logging in to the server
    int jabberAnswerMs = 15000;  // through Jabber: a line must reach the peer's game within this
    DuelDeadlines deadlines;     // the duel's own: a move, the reveal (the protocol's, whatever the carrier)
};

}  // namespace duel::net
