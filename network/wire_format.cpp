// The strict parser and the writer of the duel's lines.
#include "network/wire_format.h"

#include "network/input_checks.h"
#include "network/network_texts.h"
#include "rules/number_rules.h"

#include <array>
#include <vector>

namespace duel::net {

namespace {

struct Word {
    const char* text;
    MessageKind kind;
};
constexpr std::array<Word, 10> kWords{{{"HELLO", MessageKind::Hello},
                                       {"BUSY", MessageKind::Busy},
                                       {"ACCEPT", MessageKind::Accept},
                                       {"DECLINE", MessageKind::Decline},
                                       {"COMMIT", MessageKind::Commit},
                                       {"GUESS", MessageKind::Guess},
                                       {"ANSWER", MessageKind::Answer},
                                       {"REVEAL", MessageKind::Reveal},
                                       {"PING", MessageKind::Ping},
                                       {"BYE", MessageKind::Bye}}};

const char* WordOf(MessageKind kind) {
    for (const Word& word : kWords)
        if (word.kind == kind) return word.text;
    return "";
}

// Splits at single spaces, at most `limit` fields; the last field keeps the rest of the line.
// Nothing when a field would be empty (two spaces, a space at either end).
std::optional<std::vector<std::string_view>> Fields(std::string_view line, size_t limit) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < limit) {
        const size_t space = line.find(' ');
        if (space == std::string_view::npos) break;
        if (space == 0) return std::nullopt;
        fields.push_back(line.substr(0, space));
        line.remove_prefix(space + 1);
    }
    if (line.empty()) return std::nullopt;
    fields.push_back(line);
    return fields;
}

// A version number: 1 to 4 digits without a leading zero.
std::optional<int> Version(std::string_view text) {
    if (text.empty() || text.size() > 4 || text.front() == '0') return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> Count(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
    return text[0] - '0';
}

ParseResult Refuse(ParseFault fault) { return {std::nullopt, fault}; }
ParseResult Take(Message message) { return {std::move(message), ParseFault::Garbled}; }

}  // namespace

ParseResult ParseMessage(std::string_view line) {
    if (line.size() >= kMaxMessageBytes) return Refuse(ParseFault::Garbled);
    const std::optional<std::vector<std::string_view>> split = Fields(line, 3);
    if (!split) return Refuse(ParseFault::Garbled);
    const std::vector<std::string_view>& f = *split;
    std::optional<MessageKind> kind;
    for (const Word& word : kWords)
        if (f[0] == word.text) kind = word.kind;
    if (!kind) return Refuse(ParseFault::Garbled);

    Message message;
    message.kind = *kind;
    switch (*kind) {
        case MessageKind::Hello:
        case MessageKind::Busy: {
            if (f.size() < 2) return Refuse(ParseFault::Garbled);
            const std::optional<int> version = Version(f[1]);
            if (!version) return Refuse(ParseFault::Garbled);
            // Whatever follows the version of another version is its own business.
            if (*version != kProtocolVersion) return Refuse(ParseFault::OtherVersion);
            message.version = *version;
            if (*kind == MessageKind::Busy) return f.size() == 2 ? Take(message) : Refuse(ParseFault::Garbled);
            if (f.size() != 3) return Refuse(ParseFault::Garbled);
            if (CheckPlayerName(f[2])) return Refuse(ParseFault::BadName);
            message.name = std::string(f[2]);
            return Take(message);
        }
        case MessageKind::Accept:
        case MessageKind::Decline:
        case MessageKind::Ping:
        case MessageKind::Bye:
            return f.size() == 1 ? Take(message) : Refuse(ParseFault::Garbled);
        case MessageKind::Commit: {
            if (f.size() != 2) return Refuse(ParseFault::Garbled);
            const std::optional<std::string> digest = FromHex(f[1]);
            if (!digest || digest->size() != kDigestBytes) return Refuse(ParseFault::Garbled);
            message.digest = *digest;
            return Take(message);
        }
        case MessageKind::Guess:
            if (f.size() != 2) return Refuse(ParseFault::Garbled);
            if (CheckNumber(f[1])) return Refuse(ParseFault::BadGuess);
            message.number = std::string(f[1]);
            return Take(message);
        case MessageKind::Answer: {
            const std::optional<std::vector<std::string_view>> parts = Fields(line, 4);
            if (!parts || parts->size() != 3) return Refuse(ParseFault::Garbled);
            const std::optional<int> exact = Count((*parts)[1]);
            const std::optional<int> partial = Count((*parts)[2]);
            if (!exact || !partial) return Refuse(ParseFault::Garbled);
            if (*exact > 4 || *partial > 4 || *exact + *partial > 4) return Refuse(ParseFault::BadAnswer);
            message.answer = {*exact, *partial};
            return Take(message);
        }
        case MessageKind::Reveal: {
            const std::optional<std::vector<std::string_view>> parts = Fields(line, 4);
            if (!parts || parts->size() != 3) return Refuse(ParseFault::Garbled);
            const std::optional<std::string> salt = FromHex(f[1]);
            if (!salt || salt->size() != kSaltBytes) return Refuse(ParseFault::Garbled);
            if (CheckNumber(f[2])) return Refuse(ParseFault::BadGuess);
            message.salt = *salt;
            message.number = std::string(f[2]);
            return Take(message);
        }
    }
    return Refuse(ParseFault::Garbled);
}

std::string FormatMessage(const Message& message) {
    std::string line = WordOf(message.kind);
    switch (message.kind) {
        case MessageKind::Hello:
            return line + ' ' + std::to_string(message.version) + ' ' + message.name;
        case MessageKind::Busy:
            return line + ' ' + std::to_string(message.version);
        case MessageKind::Commit:
            return line + ' ' + ToHex(message.digest);
        case MessageKind::Guess:
            return line + ' ' + message.number;
        case MessageKind::Answer:
            return line + ' ' + std::to_string(message.answer.exact) + ' ' + std::to_string(message.answer.partial);
        case MessageKind::Reveal:
            return line + ' ' + ToHex(message.salt) + ' ' + message.number;
        default:
            return line;
    }
}

const char* ParseFaultText(ParseFault fault) {
    switch (fault) {
        case ParseFault::Garbled:
            return kTextGarbled;
        case ParseFault::OtherVersion:
            return kTextOtherVersion;
        case ParseFault::BadName:
            return kTextBadName;
        case ParseFault::BadGuess:
            return kTextBadGuess;
        case ParseFault::BadAnswer:
            return kTextBadAnswer;
    }
    return kTextGarbled;
}

std::string ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 0x0F];
    }
    return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    const auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

Message SimpleMessage(MessageKind kind) {
    Message message;
    message.kind = kind;
    return message;
}

Message HelloMessage(std::string name) {
    Message message = SimpleMessage(MessageKind::Hello);
    message.name = std::move(name);
    return message;
}

Message GuessMessage(std::string guess) {
    Message message = SimpleMessage(MessageKind::Guess);
    message.number = std::move(guess);
    return message;
}

Message AnswerMessage(Score answer) {
    Message message = SimpleMessage(MessageKind::Answer);
    message.answer = answer;
    return message;
}

}  // namespace duel::net
