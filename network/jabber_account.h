// A Jabber account as the player gives it: its address, password, server and trusted authority.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace duel::net {

struct JabberAccount {
    std::string jid;       // the bare address, "name@domain"
    std::string password;  // never written to a file, a log or the screen
    std::string server;    // the host to connect to; empty: found from the domain (DNS SRV, then the domain)
    uint16_t port = 0;     // 0: the usual 5222
    std::string caFile;    // a certificate authority trusted besides the system's; empty: none
};

// "name@domain": one "@" between a name and a domain, no resource ("/"), no space, control
// character or character XML or an address cannot hold, at most 1023 bytes.
inline bool IsBareJid(std::string_view jid) {
    if (jid.empty() || jid.size() > 1023) return false;
    const size_t at = jid.find('@');
    if (at == 0 || at == std::string_view::npos || at + 1 == jid.size()) return false;
    if (jid.find('@', at + 1) != std::string_view::npos) return false;
    for (const char c : jid) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '/' || c == '"' || c == '&' || c == '\'' || c == '<' || c == '>')
            return false;
    }
    return jid.substr(at + 1).find(':') == std::string_view::npos;
}

}  // namespace duel::net
