// A game that a host on the local network announces, as discovery reports it, checked before it is shown.
#pragma once

#include "network/input_checks.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duel::net {

// DNS-SD service type of a hosted duel.
inline constexpr const char* kServiceType = "_shelvy-duel._tcp";

struct FoundGame {
    std::string name;     // the host's player (the service's instance name)
    std::string address;  // an IPv4 or IPv6 address
    uint16_t port = 0;
    bool operator==(const FoundGame&) const = default;
};

// What discovery reported, or nothing when any part of it breaks the rules: a name that
// breaks the player's name rules, an address that is no IP address, a port outside 1-65535.
inline std::optional<FoundGame> CheckFoundGame(std::string_view name, std::string_view address, int port) {
    if (CheckPlayerName(name) || !IsIpAddress(address) || port < 1 || port > 65535) return std::nullopt;
    return FoundGame{std::string(name), std::string(address), static_cast<uint16_t>(port)};
}

// Which of a game's addresses to offer when discovery reports it on several interfaces, lower
// first: IPv4, then a global IPv6 address, then a link-local one, then this computer's loopback.
inline int AddressPreference(std::string_view address) {
    if (address.rfind("127.", 0) == 0 || address == "::1") return 3;
    if (address.find(':') == std::string_view::npos) return 0;
    return address.rfind("fe80:", 0) == 0 ? 2 : 1;
}

// One line of the list of games: "Имя — 192.168.1.5:24747" ("[fe80::1]:24747" for IPv6).
inline std::string FoundGameLine(const FoundGame& game) {
    const bool ipv6 = game.address.find(':') != std::string::npos;
    const std::string address = ipv6 ? "[" + game.address + "]" : game.address;
    return game.name + " — " + address + ":" + std::to_string(game.port);
}

}  // namespace duel::net
