// Checks of names, ports and addresses: what the player types and what strangers report.
#include "network/input_checks.h"

#include "network/network_texts.h"
#include "network/utf8_decode.h"
#include "rules/invisible_characters.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>

namespace duel::net {

namespace {

bool IsZoneCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
}

}  // namespace

std::optional<NameFault> CheckPlayerName(std::string_view utf8) {
    if (utf8.empty()) return NameFault::Empty;
    const std::optional<std::u32string> characters = DecodeUtf8(utf8);
    if (!characters) return NameFault::BadText;
    if (std::any_of(characters->begin(), characters->end(), IsInvisibleCharacter)) return NameFault::BadText;
    if (characters->size() > kMaxNameCharacters) return NameFault::TooLong;
    // Spaces of any width only inside: a name of spaces alone starts with one too.
    if (IsSpaceCharacter(characters->front()) || IsSpaceCharacter(characters->back())) return NameFault::Spaces;
    return std::nullopt;
}

const char* NameFaultText(NameFault fault) {
    switch (fault) {
        case NameFault::Empty:
            return kTextNameEmpty;
        case NameFault::TooLong:
            return kTextNameTooLong;
        case NameFault::BadText:
            return kTextNameBadText;
        case NameFault::Spaces:
            return kTextNameSpaces;
    }
    return kTextNameBadText;
}

std::optional<uint16_t> ParsePort(std::string_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    if (value < 1 || value > 65535) return std::nullopt;
    return static_cast<uint16_t>(value);
}

bool IsIpAddress(std::string_view text) {
    if (text.empty() || text.size() > 64) return false;
    std::string address(text);
    std::array<unsigned char, 16> bytes{};
    if (inet_pton(AF_INET, address.c_str(), bytes.data()) == 1) return true;
    const size_t zone = address.find('%');
    if (zone != std::string::npos) {
        const std::string_view name = text.substr(zone + 1);
        if (name.empty() || name.size() > 15 || !std::all_of(name.begin(), name.end(), IsZoneCharacter)) return false;
        address.resize(zone);
    }
    return inet_pton(AF_INET6, address.c_str(), bytes.data()) == 1;
}

bool IsTypedAddress(std::string_view text) {
    if (text.empty() || text.size() > 253) return false;
    if (IsIpAddress(text)) return true;
    // A host name: letters, digits, dots, hyphens and underscores (names of the local network
    // may hold the last); anything else cannot name a host.
    return std::all_of(text.begin(), text.end(), IsZoneCharacter) && text.front() != '-' && text.front() != '.';
}

TargetReading ParseJoinTarget(std::string_view text) {
    std::string_view address = text;
    std::optional<std::string_view> port;
    if (!text.empty() && text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string_view::npos) return {std::nullopt, TargetFault::BadAddress};
        address = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return {std::nullopt, TargetFault::BadAddress};
            port = rest.substr(1);
        }
        if (address.empty()) return {std::nullopt, TargetFault::NoAddress};
        if (address.find(':') == std::string_view::npos || !IsIpAddress(address))
            return {std::nullopt, TargetFault::BadAddress};
    } else if (std::count(text.begin(), text.end(), ':') == 1) {
        const size_t colon = text.find(':');
        address = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    // Two colons or more without brackets: an IPv6 address alone, checked below.
    if (address.empty()) return {std::nullopt, TargetFault::NoAddress};
    if (!IsTypedAddress(address)) return {std::nullopt, TargetFault::BadAddress};
    JoinTarget target{std::string(address), kDefaultPort};
    if (port) {
        const std::optional<uint16_t> number = ParsePort(*port);
        if (!number) return {std::nullopt, TargetFault::BadPort};
        target.port = *number;
    }
    return {target, TargetFault::NoAddress};
}

std::optional<JoinTarget> ParseJabberServer(std::string_view text) {
    TargetReading read = ParseJoinTarget(text);
    if (!read.target) return std::nullopt;
    const size_t colon = text.rfind(':');
    const bool bracketed = !text.empty() && text.front() == '[';
    const bool portTyped =
        colon != std::string_view::npos && colon > 0 && (bracketed ? text[colon - 1] == ']' : text.find(':') == colon);
    if (!portTyped) read.target->port = 0;
    return read.target;
}

}  // namespace duel::net
