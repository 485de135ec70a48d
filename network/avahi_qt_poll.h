// Avahi's event-loop interface (AvahiPoll) over Qt's event loop: QSocketNotifier for its sockets, QTimer for its times.
#pragma once

#include <avahi-common/watch.h>

namespace duel::net {

// One AvahiPoll for the whole program, living on the thread of Qt's event loop.  Avahi's
// callbacks run from that loop like any other event; no thread is started.
const AvahiPoll* QtAvahiPoll();

}  // namespace duel::net
