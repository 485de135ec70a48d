// Avahi's watches and timeouts as socket notifiers and single-shot timers of Qt's event loop.
#include "network/avahi_qt_poll.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <avahi-common/timeval.h>
#include <memory>

// Avahi declares these two as opaque structs for the poll's implementer to define.
struct AvahiWatch {
    int fd;
    AvahiWatchEvent wanted;
    AvahiWatchEvent happened;  // only while its callback runs
    AvahiWatchCallback callback;
    void* userdata;
    std::unique_ptr<QSocketNotifier> reader, writer;
};

struct AvahiTimeout {
    QTimer* timer;
    AvahiTimeoutCallback callback;
    void* userdata;
};

namespace duel::net {

namespace {

void Fire(AvahiWatch* watch, AvahiWatchEvent event) {
    watch->happened = event;
    watch->callback(watch, watch->fd, event, watch->userdata);
    // The callback may have freed the watch: nothing of it is touched here afterwards.
}

void WatchUpdate(AvahiWatch* watch, AvahiWatchEvent event) {
    watch->wanted = event;
    watch->reader->setEnabled((event & AVAHI_WATCH_IN) != 0);
    watch->writer->setEnabled((event & AVAHI_WATCH_OUT) != 0);
}

AvahiWatch* WatchNew(const AvahiPoll*, int fd, AvahiWatchEvent event, AvahiWatchCallback callback, void* userdata) {
    auto* watch = new AvahiWatch{fd, event, static_cast<AvahiWatchEvent>(0), callback, userdata, nullptr, nullptr};
    watch->reader = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    watch->writer = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    QObject::connect(watch->reader.get(), &QSocketNotifier::activated, watch->reader.get(),
                     [watch] { Fire(watch, AVAHI_WATCH_IN); });
    QObject::connect(watch->writer.get(), &QSocketNotifier::activated, watch->writer.get(),
                     [watch] { Fire(watch, AVAHI_WATCH_OUT); });
    WatchUpdate(watch, event);
    return watch;
}

AvahiWatchEvent WatchGetEvents(AvahiWatch* watch) { return watch->happened; }

void WatchFree(AvahiWatch* watch) {
    // May run inside the watch's own callback, that is inside its notifier's signal: the
    // notifiers go at the next pass of the event loop, switched off and cut loose now.
    for (std::unique_ptr<QSocketNotifier>* notifier : {&watch->reader, &watch->writer}) {
        (*notifier)->setEnabled(false);
        (*notifier)->disconnect();
        notifier->release()->deleteLater();
    }
    delete watch;
}

void TimeoutUpdate(AvahiTimeout* timeout, const struct timeval* tv) {
    if (!tv) {
        timeout->timer->stop();
        return;
    }
    // avahi_age is how long ago *tv was, in microseconds: negative for a time to come.
    const AvahiUsec wait = -avahi_age(tv);
    timeout->timer->start(static_cast<int>(std::clamp<AvahiUsec>((wait + 999) / 1000, 0, 24 * 3600 * 1000)));
}

AvahiTimeout* TimeoutNew(const AvahiPoll*, const struct timeval* tv, AvahiTimeoutCallback callback, void* userdata) {
    auto* timeout = new AvahiTimeout{new QTimer, callback, userdata};
    timeout->timer->setSingleShot(true);
    QObject::connect(timeout->timer, &QTimer::timeout, timeout->timer,
                     [timeout] { timeout->callback(timeout, timeout->userdata); });
    TimeoutUpdate(timeout, tv);
    return timeout;
}

void TimeoutFree(AvahiTimeout* timeout) {
    // May run inside the timer's own signal: the timer is stopped and cut loose now, freed later.
    timeout->timer->stop();
    timeout->timer->disconnect();
    timeout->timer->deleteLater();
    delete timeout;
}

}  // namespace

const AvahiPoll* QtAvahiPoll() {
    static const AvahiPoll poll{nullptr,   WatchNew,   WatchUpdate,   WatchGetEvents,
                                WatchFree, TimeoutNew, TimeoutUpdate, TimeoutFree};
    return &poll;
}

}  // namespace duel::net
