// Checks of what a player types and a peer or discovery reports: names, ports, addresses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duel::net {

inline constexpr int kMaxNameCharacters = 20;
inline constexpr uint16_t kDefaultPort = 24747;

enum class NameFault {
    Empty,    // no character at all
    TooLong,  // more than kMaxNameCharacters characters
    BadText,  // not UTF-8, or a control, direction, joining or invisible character
    Spaces,   // a space (of any width) at the start or the end, which no one would see
};

// Checks a player's name (UTF-8): 1 to 20 characters, none of them a character that shows
// nothing or turns the text around it (controls, joiners, direction marks, fillers, variation
// selectors, tags ...: IsInvisibleCharacter of rules/invisible_characters.h), and no space of
// any width at either end.  The same rules hold for the name typed here, a peer's and one that
// discovery reports.
std::optional<NameFault> CheckPlayerName(std::string_view utf8);

// The Russian message for a name typed here.
const char* NameFaultText(NameFault fault);

// A port typed or received: decimal digits only, 1 to 65535.
std::optional<uint16_t> ParsePort(std::string_view text);

// An IPv4 or IPv6 address in its usual text form; an IPv6 address may carry a zone
// ("fe80::1%eth0").  Host names are not addresses here.
bool IsIpAddress(std::string_view text);

// An address to connect to as typed: a host name or an IP address, 1 to 253 characters,
// with no space or control character.
bool IsTypedAddress(std::string_view text);

// Where --join or the window asks to connect.
struct JoinTarget {
    std::string address;
    uint16_t port = kDefaultPort;
    bool operator==(const JoinTarget&) const = default;
};

enum class TargetFault { NoAddress, BadAddress, BadPort };

struct TargetReading {
    std::optional<JoinTarget> target;
    TargetFault fault = TargetFault::NoAddress;  // when there is no target
};

// Reads "ADDRESS[:PORT]": a host name or IPv4 address with an optional port, an IPv6
// address in brackets with an optional port ("[::1]:24747"), or a bare IPv6 address
// (without a port).  The port defaults to kDefaultPort.
TargetReading ParseJoinTarget(std::string_view text);

// A Jabber server as typed, "HOST[:PORT]" read as ParseJoinTarget reads it, except that the
// port is 0 (the usual Jabber port) when none is typed.  Nothing when it is not one.
std::optional<JoinTarget> ParseJabberServer(std::string_view text);

}  // namespace duel::net
