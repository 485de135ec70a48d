// The player's own choices: their file's text read and written.
#include "rules/player_options.h"

#include <algorithm>
#include <optional>

namespace duel {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<bool> ParseSwitch(std::string_view value) {
    if (value == "true" || value == "1") return true;
    if (value == "false" || value == "0") return false;
    return std::nullopt;
}

}  // namespace

PlayerOptions ParsePlayerOptions(std::string_view text) {
    PlayerOptions options;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const auto equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        if (key == "name" || key == "jabber" || key == "jabber_server") {
            std::string_view value = line.substr(equals + 1);
            if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
            const bool plain = std::none_of(value.begin(), value.end(),
                                            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
            const size_t limit = key == "name" ? kMaxPlayerNameBytes : kMaxJabberOptionBytes;
            if (!plain || value.size() > limit) continue;
            std::string& kept = key == "name" ? options.name : key == "jabber" ? options.jabber : options.jabberServer;
            kept = std::string(value);
            continue;
        }
        const std::optional<bool> value = ParseSwitch(Trimmed(line.substr(equals + 1)));
        if (!value) continue;
        if (key == "hint") options.hint = *value;
        if (key == "strong") options.strong = *value;
    }
    return options;
}

std::string PlayerOptionsText(const PlayerOptions& options) {
    const auto word = [](bool on) { return on ? "true" : "false"; };
    std::string text = std::string("[options]\nhint=") + word(options.hint) + "\nstrong=" + word(options.strong) + "\n";
    const PlayerOptions named = ParsePlayerOptions("name=" + options.name);
    if (!options.name.empty() && named.name == options.name) text += "name=" + options.name + "\n";  // read back whole
    const PlayerOptions jabber =
        ParsePlayerOptions("jabber=" + options.jabber + "\njabber_server=" + options.jabberServer);
    if (!options.jabber.empty() && jabber.jabber == options.jabber) text += "jabber=" + options.jabber + "\n";
    if (!options.jabberServer.empty() && jabber.jabberServer == options.jabberServer)
        text += "jabber_server=" + options.jabberServer + "\n";
    return text;
}

}  // namespace duel
