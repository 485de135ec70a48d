// The player's own choices (the hint, the stronger opponent, the name in duels over the network) and their file's text.
//
// The settings file stays as it is: these choices have no place in it.  Their
// file (storage/player_options_file.h) is a few lines of key=value text:
//
//     [options]
//     hint=true
//     strong=false
//     name=Ира
//     jabber=ira@example.org
//     jabber_server=
//
// Anything else in it is passed over, so a damaged or foreign file reads as
// both choices off, and the next change of a choice writes it whole again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace duel {

inline constexpr std::string_view kPlayerOptionsFileName = "options.ini";

// Reading stops after this many bytes: a larger file is not ours.
inline constexpr std::size_t kMaxPlayerOptionsBytes = 4096;

// Longest name kept, in bytes: the name a duel over the network takes is
// shorter still (its checks are the network's); a longer line is passed over.
inline constexpr std::size_t kMaxPlayerNameBytes = 80;
// Longest Jabber address or server kept, in bytes.
inline constexpr std::size_t kMaxJabberOptionBytes = 1023;

struct PlayerOptions {
    bool hint = false;           // the hint in the status bar during a game
    bool strong = false;         // the computer picks its guesses the stronger way
    std::string name;            // the player's name in duels over the network, as last typed
    std::string jabber{};        // the player's Jabber address, as last typed (never the password)
    std::string jabberServer{};  // and the server typed with it ("host" or "host:port"; empty: found from the address)
    bool operator==(const PlayerOptions&) const = default;
};

// The choices a file's text gives: a line "hint=" or "strong=" followed by
// "true" or "1" turns the choice on, "false" or "0" off; the last such line
// counts.  Spaces around the key and the value and a CR at a line's end are
// allowed; any other line or value is passed over.  "name=" keeps the rest of
// its line as it stands (up to kMaxPlayerNameBytes, no control character);
// "jabber=" and "jabber_server=" likewise (up to kMaxJabberOptionBytes).
PlayerOptions ParsePlayerOptions(std::string_view text);

// The file's text for `options`; ParsePlayerOptions gives them back.
std::string PlayerOptionsText(const PlayerOptions& options);

}  // namespace duel
