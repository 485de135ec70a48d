// Fuzz target: any byte stream from a peer is framed within the limit, parsed strictly, and taken by both sides' state
// machines without fault; every line also goes through the name rules, which take no name that hides or turns.
#include "network/duel_protocol.h"
#include "network/found_game.h"
#include "network/frame_reader.h"
#include "network/input_checks.h"
#include "network/utf8_decode.h"
#include "network/wire_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace duel::net;

void Check(bool condition) {
    if (!condition) std::abort();
}

// Not a cryptographic hash, which the fuzzer has no use for: 32 bytes that depend on the input.
std::string ToyHash(std::string_view bytes) {
    std::string digest(kDigestBytes, '\0');
    uint32_t state = 2166136261u;
    for (size_t i = 0; i < bytes.size() + kDigestBytes; ++i) {
        state = (state ^ static_cast<unsigned char>(i < bytes.size() ? bytes[i] : i)) * 16777619u;
        digest[i % kDigestBytes] = static_cast<char>(digest[i % kDigestBytes] ^ (state >> 8));
    }
    return digest;
}

// Plays this side's part as the program would, whenever the stage lets it.
void Act(DuelProtocol& side) {
    if (side.stage() == Stage::Deciding && side.role() == Role::Host) side.Accept();
    if (side.stage() == Stage::Committing) side.Commit("1234", std::string(kSaltBytes, 's'));
    if (side.myTurn()) Check(!side.Guess("5678").refused);
}

// Characters no name may hold, listed apart from the rules that refuse them.
bool Hides(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x00AD || c == 0x034F || c == 0x061C || c == 0x115F ||
           c == 0x1160 || c == 0x180E || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) || c == 0x2800 || c == 0x3164 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 || (c >= 0xE0000 && c <= 0xE007F) ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

// A name the rules take is UTF-8 of 1 to 20 characters that all show, no space at either end,
// and goes into a greeting and a game found on the network as it is.
void TakeAsName(const std::string& bytes) {
    const bool taken = !CheckPlayerName(bytes);
    Check(taken == CheckFoundGame(bytes, "192.168.1.5", 24747).has_value());
    if (!taken) return;
    const std::optional<std::u32string> characters = DecodeUtf8(bytes);
    Check(characters && !characters->empty() && characters->size() <= kMaxNameCharacters);
    for (const char32_t c : *characters) Check(!Hides(c));
    Check(characters->front() != U' ' && characters->back() != U' ' && characters->front() != 0x3000 &&
          characters->back() != 0x00A0);
    const ParseResult hello = ParseMessage(FormatMessage(HelloMessage(bytes)));
    Check(hello.message && hello.message->name == bytes);
}

void Take(DuelProtocol& side, const std::string& frame) {
    const Stage before = side.stage();
    const Reaction reaction = side.Receive(frame);
    if (before == Stage::Over) Check(reaction.events.empty() && reaction.send.empty());
    for (const Message& message : reaction.send) Check(FormatMessage(message).size() < kMaxMessageBytes);
    for (const Event& event : reaction.events) {
        if (event.kind == Event::Ended) Check(side.stage() == Stage::Over && reaction.close);
        if (event.kind == Event::GuessReceived) Check(event.answer.exact + event.answer.partial <= 4);
    }
    Act(side);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte cuts the stream into pieces as the network might.
    const size_t piece = 1 + data[0] % 64;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);

    FrameReader reader;
    DuelProtocol host(Role::Host, "Алиса", ToyHash);
    DuelProtocol guest(Role::Guest, "Борис", ToyHash);
    for (size_t at = 0; at < stream.size(); at += piece) {
        const bool taken = reader.Append(stream.substr(at, piece));
        Check(reader.held() < kMaxMessageBytes);
        while (std::optional<std::string> frame = reader.NextFrame()) {
            Check(frame->size() < kMaxMessageBytes && frame->find('\n') == std::string::npos);
            const ParseResult parsed = ParseMessage(*frame);
            if (parsed.message) {
                // The grammar is exact: what it takes is written back byte for byte.
                Check(FormatMessage(*parsed.message) == *frame);
                Check(ParseMessage(FormatMessage(*parsed.message)).message == parsed.message);
            }
            Take(host, *frame);
            Take(guest, *frame);
            TakeAsName(*frame);
        }
        if (!taken) {
            Check(reader.overflowed() && reader.held() == 0);
            break;
        }
    }
    return 0;
}
