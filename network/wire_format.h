// The duel's wire protocol: its messages, their exact text and the strict parser.
//
// Plain TCP, one message per line of UTF-8 text ending in "\n", at most kMaxMessageBytes
// bytes with its line end.  Fields are separated by one space; nothing else is allowed
// (no "\r", no spare spaces, no lower-case words).  Every line is one of:
//
//   HELLO <version> <name>     the first line of each side: the protocol version (1) and the
//                              player's name (1-20 characters, see CheckPlayerName); the host
//                              sends it as soon as a connection is taken, the joining side as
//                              soon as it has connected
//   BUSY <version>             instead of HELLO, the host's only line while it plays someone
//                              else; it then closes
//   ACCEPT | DECLINE           the host's player said yes or no to the joining player
//   COMMIT <64 hex digits>     SHA-256 of the salt followed by the four digits of the number
//                              the side plays with, lower-case hex; each side sends it once
//                              after ACCEPT, before any move
//   GUESS <4 digits>           a guess: four different digits 1-9, only in the sender's turn
//                              (the host first, then in turn)
//   ANSWER <exact> <partial>   the answer to the last guess received: digits 0-4, sum at most 4
//   REVEAL <64 hex> <4 digits> the salt (32 bytes, lower-case hex) and the number, sent by each
//                              side at the end of the round in which a number was found
//   PING                       keep-alive, any time after HELLO; a side silent for 30 s is lost.
//                              It is no move: a move's deadline (duel_deadlines.h) runs on
//   BYE                        the sender leaves; after both COMMITs and before its REVEAL that
//                              forfeits the duel, before both COMMITs nobody wins
//
// The first two words of HELLO and BUSY never change between versions, so that a side of
// another version is told "У соперника другая версия игры." instead of a parse fault.
#pragma once

#include "rules/score.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace duel::net {

inline constexpr int kProtocolVersion = 1;
inline constexpr size_t kMaxMessageBytes = 4096;  // one message with its "\n"
inline constexpr size_t kSaltBytes = 32;
inline constexpr size_t kDigestBytes = 32;  // SHA-256

enum class MessageKind { Hello, Busy, Accept, Decline, Commit, Guess, Answer, Reveal, Ping, Bye };

struct Message {
    MessageKind kind = MessageKind::Ping;
    int version = kProtocolVersion;  // Hello, Busy
    std::string name;                // Hello
    std::string digest;              // Commit: kDigestBytes raw bytes
    std::string number;              // Guess, Reveal: four digits
    Score answer;                    // Answer
    std::string salt;                // Reveal: kSaltBytes raw bytes
    bool operator==(const Message&) const = default;
};

// Why a line was refused.
enum class ParseFault {
    Garbled,       // no message of the protocol
    OtherVersion,  // HELLO or BUSY of another version
    BadName,       // HELLO with a name that breaks the name rules
    BadGuess,      // GUESS or REVEAL with a number that is not four different digits 1-9
    BadAnswer,     // ANSWER outside 0-4 or with a sum over 4
};

struct ParseResult {
    std::optional<Message> message;
    ParseFault fault = ParseFault::Garbled;  // when there is no message
};

// Parses one line (without its "\n").  Never throws; any byte string gives a message or a fault.
ParseResult ParseMessage(std::string_view line);

// The line of a message, without its "\n".  A message that ParseMessage gave comes back
// as the same line.
std::string FormatMessage(const Message& message);

// The Russian text for a refused line.
const char* ParseFaultText(ParseFault fault);

// Lower-case hex of raw bytes, and back (nothing for anything but lower-case hex of even length).
std::string ToHex(std::string_view bytes);
std::optional<std::string> FromHex(std::string_view hex);

// Messages to build.
Message HelloMessage(std::string name);
Message SimpleMessage(MessageKind kind);
Message GuessMessage(std::string guess);
Message AnswerMessage(Score answer);

}  // namespace duel::net
