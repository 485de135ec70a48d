// DNS-SD through Avahi's client library on Qt's event loop: the browser with its resolver, and the announcer.
#include "network/game_discovery.h"

#include "network/avahi_qt_poll.h"
#include "rules/number_rules.h"

#include <algorithm>
#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/address.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <cstring>
#include <net/if.h>

namespace duel::net {

struct BrowserCallbacks {
    static void ClientChanged(AvahiClient*, AvahiClientState state, void* self) {
        if (state == AVAHI_CLIENT_FAILURE) static_cast<GameBrowser*>(self)->Unavailable();
    }

    static void Browsed(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event,
                        const char* name, const char* type, const char* domain, AvahiLookupResultFlags, void* data) {
        auto* self = static_cast<GameBrowser*>(data);
        switch (event) {
            case AVAHI_BROWSER_NEW:
                // The resolver frees itself in Resolved; one that cannot start is a game not shown.
                avahi_service_resolver_new(self->client_, interface, protocol, name, type, domain, AVAHI_PROTO_UNSPEC,
                                           AvahiLookupFlags(0), Resolved, self);
                break;
            case AVAHI_BROWSER_REMOVE:
                self->Remove(interface, protocol, name ? name : "");
                break;
            case AVAHI_BROWSER_FAILURE:
                self->Unavailable();
                break;
            default:
                break;
        }
    }

    static void Resolved(AvahiServiceResolver* resolver, AvahiIfIndex interface, AvahiProtocol protocol,
                         AvahiResolverEvent event, const char* name, const char*, const char*, const char*,
                         const AvahiAddress* address, uint16_t port, AvahiStringList*, AvahiLookupResultFlags,
                         void* data) {
        auto* self = static_cast<GameBrowser*>(data);
        if (event == AVAHI_RESOLVER_FOUND && name && address) {
            char text[AVAHI_ADDRESS_STR_MAX] = {};
            avahi_address_snprint(text, sizeof text, address);
            std::string where = text;
            // A link-local IPv6 address is reached through the interface it was found on.
            char interfaceName[IF_NAMESIZE] = {};
            if (address->proto == AVAHI_PROTO_INET6 && where.rfind("fe80:", 0) == 0 &&
                if_indextoname(static_cast<unsigned>(interface), interfaceName))
                where += std::string("%") + interfaceName;
            if (std::optional<FoundGame> game = CheckFoundGame(name, where, port))
                self->Add({interface, protocol, name, std::move(*game)});
        }
        avahi_service_resolver_free(resolver);
    }
};

GameBrowser::GameBrowser() {
    int error = 0;
    client_ = avahi_client_new(QtAvahiPoll(), AvahiClientFlags(0), BrowserCallbacks::ClientChanged, this, &error);
    if (!client_) return;
    browser_ = avahi_service_browser_new(client_, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kServiceType, nullptr,
                                         AvahiLookupFlags(0), BrowserCallbacks::Browsed, this);
}

GameBrowser::~GameBrowser() {
    // Freeing the client frees its browser and resolvers too.
    if (client_) avahi_client_free(client_);
}

std::vector<FoundGame> GameBrowser::games() const {
    // A game is announced on every interface and both protocols: one line for each, with the
    // address most likely to reach it.
    std::vector<FoundGame> games;
    std::vector<std::string> services;
    for (const Entry& entry : entries_) {
        const auto known = std::find(services.begin(), services.end(), entry.service);
        if (known == services.end()) {
            services.push_back(entry.service);
            games.push_back(entry.game);
            continue;
        }
        FoundGame& shown = games[static_cast<size_t>(known - services.begin())];
        if (AddressPreference(entry.game.address) < AddressPreference(shown.address)) shown = entry.game;
    }
    return games;
}

void GameBrowser::Unavailable() {
    if (!browser_) return;
    browser_ = nullptr;  // freed with the client
    entries_.clear();
    Changed();
}

void GameBrowser::Add(Entry entry) {
    // A small network announces a few games; a flood of announcements is not shown.
    constexpr size_t kMostGames = 64;
    Remove(entry.interface, entry.protocol, entry.service);
    if (entries_.size() >= kMostGames) return;
    entries_.push_back(std::move(entry));
    Changed();
}

void GameBrowser::Remove(int interface, int protocol, const std::string& service) {
    const auto gone = std::remove_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.interface == interface && entry.protocol == protocol && entry.service == service;
    });
    if (gone == entries_.end()) return;
    entries_.erase(gone, entries_.end());
    Changed();
}

struct AnnouncerCallbacks {
    static void ClientChanged(AvahiClient* client, AvahiClientState state, void* data) {
        auto* self = static_cast<GameAnnouncer*>(data);
        if (state == AVAHI_CLIENT_FAILURE) {
            self->Unavailable();
        } else if (state == AVAHI_CLIENT_S_RUNNING) {
            self->client_ = client;  // the callback may come before avahi_client_new returns
            self->running_ = true;
            self->Publish();
        } else if (state == AVAHI_CLIENT_S_COLLISION || state == AVAHI_CLIENT_S_REGISTERING) {
            self->running_ = false;
            if (self->group_) avahi_entry_group_reset(self->group_);
        }
    }

    static void GroupChanged(AvahiEntryGroup*, AvahiEntryGroupState state, void* data) {
        if (state == AVAHI_ENTRY_GROUP_COLLISION) static_cast<GameAnnouncer*>(data)->Rename();
    }
};

GameAnnouncer::GameAnnouncer(QObject* parent) : QObject(parent) {
    int error = 0;
    AvahiClient* client =
        avahi_client_new(QtAvahiPoll(), AvahiClientFlags(0), AnnouncerCallbacks::ClientChanged, this, &error);
    client_ = client;
}

GameAnnouncer::~GameAnnouncer() {
    if (client_) avahi_client_free(client_);  // frees the entry group too
}

void GameAnnouncer::Announce(const std::string& name, uint16_t port) {
    name_ = name;
    service_ = name;
    port_ = port;
    renames_ = 0;
    Publish();
}

void GameAnnouncer::Withdraw() {
    port_ = 0;
    if (group_) avahi_entry_group_reset(group_);
}

void GameAnnouncer::Unavailable() {
    // The client is freed with the announcer, never from inside its own callback.
    running_ = false;
    failed_ = true;
}

void GameAnnouncer::Publish() {
    if (!client_ || failed_ || !running_ || port_ == 0) return;
    if (!group_) group_ = avahi_entry_group_new(client_, AnnouncerCallbacks::GroupChanged, this);
    if (!group_) return;
    avahi_entry_group_reset(group_);
    const int added = avahi_entry_group_add_service(group_, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                    service_.c_str(), kServiceType, nullptr, nullptr, port_, nullptr);
    if (added == AVAHI_ERR_COLLISION) {
        Rename();
        return;
    }
    if (added == AVAHI_OK) avahi_entry_group_commit(group_);
}

void GameAnnouncer::Rename() {
    // Another game on the network has this name: "Имя #2", shortened so that the browsers
    // still take it as a player's name.
    if (++renames_ > 20) return;
    const std::string suffix = " #" + std::to_string(renames_ + 1);
    std::string base = name_;
    while (!base.empty() && CheckPlayerName(base + suffix)) {
        DropLastCharacter(base);
        while (!base.empty() && base.back() == ' ') base.pop_back();
    }
    service_ = base + suffix;
    Publish();
}

}  // namespace duel::net
