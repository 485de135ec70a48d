// Fuzz target: any byte stream from a peer is framed within the limit, parsed strictly, and taken by both sides' state
// machines without fault.
#include "network/duel_protocol.h"
#include "network/frame_reader.h"
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
        }
        if (!taken) {
            Check(reader.overflowed() && reader.held() == 0);
            break;
        }
    }
    return 0;
}
