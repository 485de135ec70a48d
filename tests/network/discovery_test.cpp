// Discovery without an Avahi daemon, and Avahi's event-loop interface over Qt's event loop.
#include "network/avahi_qt_poll.h"
#include "network/duel_host.h"
#include "network/game_discovery.h"
#include "tests/network/loopback.h"

#include <gtest/gtest.h>

#include <avahi-common/timeval.h>
#include <memory>
#include <sys/time.h>
#include <unistd.h>

namespace duel::net {
namespace {

using testing::FastTimeouts;
using testing::FixedSalt;
using testing::Spin;
using testing::WaitFor;

// What Avahi's callbacks saw.
struct Seen {
    int watchCalls = 0;
    AvahiWatchEvent lastEvent = static_cast<AvahiWatchEvent>(0);
    int timeoutCalls = 0;
    const AvahiPoll* poll = nullptr;
    bool freeInCallback = false;
};

void OnWatch(AvahiWatch* watch, int fd, AvahiWatchEvent event, void* data) {
    auto* seen = static_cast<Seen*>(data);
    ++seen->watchCalls;
    seen->lastEvent = seen->poll->watch_get_events(watch);
    EXPECT_EQ(seen->lastEvent, event);
    char byte = 0;
    if (event & AVAHI_WATCH_IN) {
        EXPECT_EQ(read(fd, &byte, 1), 1);
    }
    if (seen->freeInCallback) seen->poll->watch_free(watch);
}

void OnTimeout(AvahiTimeout* timeout, void* data) {
    auto* seen = static_cast<Seen*>(data);
    ++seen->timeoutCalls;
    if (seen->freeInCallback) seen->poll->timeout_free(timeout);
}

timeval In(int ms) {
    timeval now{};
    gettimeofday(&now, nullptr);
    return *avahi_timeval_add(&now, static_cast<AvahiUsec>(ms) * 1000);
}

TEST(AvahiOnQt, WatchesReportTheirEventsAndMayBeFreedFromTheirOwnCallback) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    Seen seen;
    seen.poll = QtAvahiPoll();
    AvahiWatch* watch = seen.poll->watch_new(seen.poll, fds[0], AVAHI_WATCH_IN, OnWatch, &seen);
    Spin(30);
    EXPECT_EQ(seen.watchCalls, 0);
    ASSERT_EQ(write(fds[1], "x", 1), 1);
    ASSERT_TRUE(WaitFor([&] { return seen.watchCalls == 1; }, 1000));
    EXPECT_EQ(seen.lastEvent, AVAHI_WATCH_IN);
    // Switched off, it stays quiet; asked for writing, it reports the pipe's writable end.
    seen.poll->watch_update(watch, static_cast<AvahiWatchEvent>(0));
    ASSERT_EQ(write(fds[1], "y", 1), 1);
    Spin(30);
    EXPECT_EQ(seen.watchCalls, 1);
    seen.poll->watch_update(watch, AVAHI_WATCH_IN);
    seen.freeInCallback = true;
    ASSERT_TRUE(WaitFor([&] { return seen.watchCalls == 2; }, 1000));
    ASSERT_EQ(write(fds[1], "z", 1), 1);
    Spin(30);
    EXPECT_EQ(seen.watchCalls, 2) << "a freed watch was called";

    Seen writable;
    writable.poll = seen.poll;
    writable.freeInCallback = true;
    seen.poll->watch_new(seen.poll, fds[1], AVAHI_WATCH_OUT, OnWatch, &writable);
    ASSERT_TRUE(WaitFor([&] { return writable.watchCalls == 1; }, 1000));
    EXPECT_EQ(writable.lastEvent, AVAHI_WATCH_OUT);
    close(fds[0]);
    close(fds[1]);
}

TEST(AvahiOnQt, TimeoutsFireOnceAtTheirTimeAndCanBeMovedOrStopped) {
    Seen seen;
    seen.poll = QtAvahiPoll();
    const timeval soon = In(40);
    AvahiTimeout* timeout = seen.poll->timeout_new(seen.poll, &soon, OnTimeout, &seen);
    Spin(15);
    EXPECT_EQ(seen.timeoutCalls, 0);
    ASSERT_TRUE(WaitFor([&] { return seen.timeoutCalls == 1; }, 1000));
    Spin(80);
    EXPECT_EQ(seen.timeoutCalls, 1) << "a timeout fires once until it is set again";
    // Set again, then stopped before its time.
    const timeval later = In(30);
    seen.poll->timeout_update(timeout, &later);
    seen.poll->timeout_update(timeout, nullptr);
    Spin(80);
    EXPECT_EQ(seen.timeoutCalls, 1);
    // A time already past fires at the next pass; freed from its own callback.
    const timeval past = In(-1000);
    seen.freeInCallback = true;
    seen.poll->timeout_update(timeout, &past);
    ASSERT_TRUE(WaitFor([&] { return seen.timeoutCalls == 2; }, 1000));
    Spin(20);
    EXPECT_EQ(seen.timeoutCalls, 2);
}

TEST(Discovery, WithoutAnAvahiDaemonNothingIsFoundAndHostingWorksAll) {
    // The test machines run no Avahi daemon (nor a system bus); a desktop with one finds games.
    if (access("/run/avahi-daemon/socket", F_OK) == 0) GTEST_SKIP() << "an Avahi daemon runs here";
    GameBrowser browser;
    EXPECT_FALSE(browser.available());
    EXPECT_TRUE(browser.games().empty());

    DuelHost host("Алиса", FastTimeouts(), FixedSalt);
    host.SetAnnounced(true);
    ASSERT_TRUE(host.Listen(0));
    int asked = 0;
    QObject::connect(&host, &DuelHost::peerAsks, &host, [&] { ++asked; });
    std::unique_ptr<DuelLink> guest(
        DuelLink::Join(QStringLiteral("127.0.0.1"), host.port(), "Борис", FastTimeouts(), FixedSalt));
    EXPECT_TRUE(WaitFor([&] { return asked == 1; }, 2000));
}

}  // namespace
}  // namespace duel::net
