// Finding and announcing duels on the local network with DNS-SD through the Avahi daemon.
#pragma once

#include "network/found_game.h"
#include "network/game_finder.h"

#include <QObject>

#include <string>
#include <vector>

struct AvahiClient;
struct AvahiEntryGroup;
struct AvahiServiceBrowser;

namespace duel::net {

// Browses for _shelvy-duel._tcp and resolves what it finds, from its construction on.  Made
// only when it is needed: creating it connects to the system bus and the Avahi daemon.
class GameBrowser final : public GameFinder {
public:
    GameBrowser();
    ~GameBrowser() override;

    bool available() const override { return browser_ != nullptr; }
    std::vector<FoundGame> games() const override;

private:
    struct Entry {
        int interface;
        int protocol;
        std::string service;  // the instance name as announced
        FoundGame game;
    };
    void Unavailable();
    void Add(Entry entry);
    void Remove(int interface, int protocol, const std::string& service);

    AvahiClient* client_ = nullptr;
    AvahiServiceBrowser* browser_ = nullptr;
    std::vector<Entry> entries_;
    friend struct BrowserCallbacks;
};

// Announces a hosted duel as _shelvy-duel._tcp with the player's name as the instance name.
// Without an Avahi daemon it does nothing (available() is false) and nothing else breaks.
class GameAnnouncer : public QObject {
    Q_OBJECT

public:
    explicit GameAnnouncer(QObject* parent = nullptr);
    ~GameAnnouncer() override;

    bool available() const { return client_ != nullptr && !failed_; }
    // Announces `name` on `port` (replacing an earlier announcement), or withdraws it.
    void Announce(const std::string& name, uint16_t port);
    void Withdraw();
    // The instance name in use: the player's name, or another when it was taken on the network.
    const std::string& announcedName() const { return service_; }

private:
    void Publish();
    void Rename();
    void Unavailable();

    AvahiClient* client_ = nullptr;
    AvahiEntryGroup* group_ = nullptr;
    bool running_ = false;  // the daemon is ready to take announcements
    bool failed_ = false;   // the daemon went away
    std::string name_;
    std::string service_;
    uint16_t port_ = 0;
    int renames_ = 0;
    friend struct AnnouncerCallbacks;
};

}  // namespace duel::net
