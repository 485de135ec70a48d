// The wire format: framing with its hard limit, the strict parser's every refusal, names, ports and addresses.
#include "network/wire_format.h"

#include "network/found_game.h"
#include "network/frame_reader.h"
#include "network/input_checks.h"
#include "network/network_texts.h"
#include "rules/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace duel::net {
namespace {

// Code points as UTF-8.
std::string Utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        out += EncodeUtf8(c);
    }
    return out;
}

TEST(FrameReader, CutsLinesAcrossPiecesAndKeepsTheUnfinishedRest) {
    FrameReader reader;
    ASSERT_TRUE(reader.Append("PI"));
    EXPECT_FALSE(reader.NextFrame());
    ASSERT_TRUE(reader.Append("NG\nGUESS 12"));
    EXPECT_EQ(reader.NextFrame(), "PING");
    EXPECT_FALSE(reader.NextFrame());
    ASSERT_TRUE(reader.Append("34\n\nBYE\n"));
    EXPECT_EQ(reader.NextFrame(), "GUESS 1234");
    EXPECT_EQ(reader.NextFrame(), "");
    EXPECT_EQ(reader.NextFrame(), "BYE");
    EXPECT_EQ(reader.held(), 0u);
}

TEST(FrameReader, RefusesALineAsSoonAsItPassesTheLimitAndHoldsNoMore) {
    // The longest message fits: 4095 bytes and its "\n".
    FrameReader fits;
    ASSERT_TRUE(fits.Append(std::string(kMaxMessageBytes - 1, 'x')));
    ASSERT_TRUE(fits.Append("\n"));
    EXPECT_EQ(fits.NextFrame()->size(), kMaxMessageBytes - 1);

    // One byte more without a line end is refused before the line's end could come.
    FrameReader reader;
    ASSERT_TRUE(reader.Append(std::string(kMaxMessageBytes - 1, 'x')));
    EXPECT_FALSE(reader.Append("y"));
    EXPECT_TRUE(reader.overflowed());
    EXPECT_EQ(reader.held(), 0u);
    EXPECT_FALSE(reader.Append("\n"));
    EXPECT_FALSE(reader.NextFrame());

    // A stream of megabytes in large pieces costs no more than one message.
    FrameReader flood;
    const std::string piece(64 * 1024, 'z');
    EXPECT_FALSE(flood.Append(piece));
    EXPECT_LE(flood.held(), kMaxMessageBytes);
}

TEST(WireFormat, EveryMessageComesBackAsItsOwnLine) {
    Message reveal = SimpleMessage(MessageKind::Reveal);
    reveal.salt = std::string(kSaltBytes, '\x7f');
    reveal.number = "9182";
    Message commit = SimpleMessage(MessageKind::Commit);
    commit.digest = std::string(kDigestBytes, '\0');
    Message busy = SimpleMessage(MessageKind::Busy);
    for (const Message& message :
         {HelloMessage("Анна Каренина"), busy, SimpleMessage(MessageKind::Accept), SimpleMessage(MessageKind::Decline),
          commit, GuessMessage("1234"), AnswerMessage({1, 3}), AnswerMessage({0, 0}), reveal,
          SimpleMessage(MessageKind::Ping), SimpleMessage(MessageKind::Bye)}) {
        const std::string line = FormatMessage(message);
        const ParseResult parsed = ParseMessage(line);
        ASSERT_TRUE(parsed.message) << line;
        EXPECT_EQ(*parsed.message, message) << line;
    }
    EXPECT_EQ(FormatMessage(HelloMessage("Ёж")), "HELLO 1 Ёж");
    EXPECT_EQ(FormatMessage(AnswerMessage({2, 1})), "ANSWER 2 1");
}

// Each refused line with the fault the parser must give it.
struct Refusal {
    const char* line;
    ParseFault fault;
};

TEST(WireFormat, RefusesEveryLineOutsideTheGrammar) {
    const std::string hex64(64, 'a');
    const std::string refusedLines[] = {"",
                                        "PING ",
                                        " PING",
                                        "ping",
                                        "PING\r",
                                        "PONG",
                                        "BYE now",
                                        "ACCEPT 1",
                                        "HELLO",
                                        "HELLO 1",
                                        "HELLO 01 Ann",
                                        "HELLO x Ann",
                                        "BUSY",
                                        "BUSY 1 x",
                                        "COMMIT",
                                        "COMMIT " + std::string(63, 'a'),
                                        "COMMIT " + std::string(66, 'a'),
                                        "COMMIT " + std::string(64, 'A'),
                                        "COMMIT " + std::string(64, 'g'),
                                        "COMMIT " + hex64 + " x",
                                        "GUESS",
                                        "GUESS 1234 5",
                                        "ANSWER 1",
                                        "ANSWER 1 2 3",
                                        "ANSWER a 1",
                                        "ANSWER 10 0",
                                        "ANSWER -1 0",
                                        "ANSWER 1  2",
                                        "REVEAL " + hex64,
                                        "REVEAL " + std::string(62, 'a') + " 1234",
                                        "REVEAL " + hex64 + " 1234 x",
                                        std::string("GUESS\0 1234", 11),
                                        "GUESS\t1234"};
    for (const std::string& line : refusedLines) {
        const ParseResult parsed = ParseMessage(line);
        EXPECT_FALSE(parsed.message) << line;
        EXPECT_EQ(parsed.fault, ParseFault::Garbled) << line;
    }
    const Refusal refusals[] = {
        {"GUESS 1233", ParseFault::BadGuess},      {"GUESS 0123", ParseFault::BadGuess},
        {"GUESS 123", ParseFault::BadGuess},       {"GUESS 12345", ParseFault::BadGuess},
        {"GUESS 12a4", ParseFault::BadGuess},      {"GUESS １２３４", ParseFault::BadGuess},
        {"ANSWER 5 0", ParseFault::BadAnswer},     {"ANSWER 0 5", ParseFault::BadAnswer},
        {"ANSWER 3 2", ParseFault::BadAnswer},     {"ANSWER 4 1", ParseFault::BadAnswer},
        {"HELLO 2 Ann", ParseFault::OtherVersion}, {"HELLO 17 whatever comes later", ParseFault::OtherVersion},
        {"BUSY 2", ParseFault::OtherVersion},      {"HELLO 1 Ann\x01", ParseFault::BadName},
        {"HELLO 1 Ann ", ParseFault::BadName},     {"HELLO 1 abcdefghijklmnopqrstu", ParseFault::BadName},
        {"HELLO 1  Ann", ParseFault::BadName},
    };
    for (const Refusal& refusal : refusals) {
        const ParseResult parsed = ParseMessage(refusal.line);
        EXPECT_FALSE(parsed.message) << refusal.line;
        EXPECT_EQ(parsed.fault, refusal.fault) << refusal.line;
    }
    const std::string badReveal = "REVEAL " + hex64 + " 1123";
    EXPECT_EQ(ParseMessage(badReveal).fault, ParseFault::BadGuess);
    EXPECT_FALSE(ParseMessage("HELLO 1 " + std::string(kMaxMessageBytes, 'a')).message);
    // Every refusal has its text for the player.
    EXPECT_STREQ(ParseFaultText(ParseFault::OtherVersion), "У соперника другая версия игры.");
    EXPECT_STREQ(ParseFaultText(ParseFault::Garbled), "Соперник прислал непонятное сообщение.");
}

TEST(PlayerName, TakesTwentyCharactersOfPlainTextAndNothingThatHidesOrTurns) {
    for (const char* good : {"A", "Иван Петров", "abcdefghijklmnopqrst", "Ёжик-2000", "Ünïcödé ☃", "李小龙"})
        EXPECT_EQ(CheckPlayerName(good), std::nullopt) << good;
    EXPECT_EQ(CheckPlayerName(""), NameFault::Empty);
    EXPECT_EQ(CheckPlayerName("abcdefghijklmnopqrstu"), NameFault::TooLong);
    EXPECT_EQ(CheckPlayerName("ЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁЁ"), NameFault::TooLong);  // 21 characters of 2 bytes
    EXPECT_EQ(CheckPlayerName(" Ann"), NameFault::Spaces);
    EXPECT_EQ(CheckPlayerName("Ann "), NameFault::Spaces);
    const char* refused[] = {
        "Ann\n",
        "A\tB",
        "A\x7f",
        "A\xc2\x85",  // controls, C1 included
        "A\xe2\x80\xae"
        "B",
        "A\xe2\x80\xaa",
        "A\xe2\x81\xa6",
        "A\xe2\x81\xa9",  // override, embedding, isolates
        "A\xe2\x80\x8e",
        "A\xe2\x80\x8f",
        "A\xd8\x9c",  // direction marks
        "A\xe2\x80\x8b",
        "A\xef\xbb\xbf",
        "A\xe2\x80\xa8",  // invisible, separators
        "\xff",
        "A\xc0\x80",
        "\xed\xa0\x80",
        "\xf4\x90\x80\x80",
        "\xd0",  // not UTF-8
    };
    for (const char* name : refused) EXPECT_EQ(CheckPlayerName(name), NameFault::BadText) << name;

    // Characters that draw nothing or join their neighbours: a name made of them, or one that hides
    // them between its letters, would read as no name or as another player's.
    const char32_t invisible[] = {0x3164, 0x200B,  0x200C,  0x200D,  0x200E,  0x200F,  0x2060, 0x2061, 0x2062, 0x2063,
                                  0x2064, 0x2800,  0xFEFF,  0x115F,  0x1160,  0xFFA0,  0x180E, 0x034F, 0x00AD, 0xFE00,
                                  0xFE0F, 0xE0001, 0xE0041, 0xE007F, 0xE0100, 0x1D173, 0xFFFF, 0x1FFFE};
    for (const char32_t c : invisible) {
        for (const std::u32string& name : {std::u32string(1, c), U"Ан" + std::u32string(1, c) + U"на"})
            EXPECT_EQ(CheckPlayerName(Utf8(name)), NameFault::BadText) << std::hex << static_cast<uint32_t>(c);
    }
    // Spaces of other widths are spaces: inside a name only.
    EXPECT_EQ(CheckPlayerName(Utf8(U"Анна\u00A0Мария")), std::nullopt);
    for (const std::u32string& name :
         {std::u32string(U"\u3000"), std::u32string(U"Анна\u2003"), std::u32string(U"\u00A0Анна")})
        EXPECT_EQ(CheckPlayerName(Utf8(name)), NameFault::Spaces);
}

TEST(PortsAndAddresses, TakeWhatReachesAGameAndNothingElse) {
    EXPECT_EQ(ParsePort("24747"), 24747);
    EXPECT_EQ(ParsePort("1"), 1);
    EXPECT_EQ(ParsePort("65535"), 65535);
    for (const char* bad : {"", "0", "65536", "99999", "-1", "+80", "8o", "123456", " 80", "0x50"})
        EXPECT_FALSE(ParsePort(bad)) << bad;

    for (const char* ip : {"192.168.1.5", "::1", "fe80::1%eth0", "2001:db8::7"}) EXPECT_TRUE(IsIpAddress(ip)) << ip;
    for (const char* bad : {"", "256.1.1.1", "1.2.3", "host.local", "fe80::1%", "fe80::1%e/0", "::1 ", "1.2.3.4\n"})
        EXPECT_FALSE(IsIpAddress(bad)) << bad;

    EXPECT_EQ(ParseJoinTarget("alice-pc.local").target, (JoinTarget{"alice-pc.local", kDefaultPort}));
    EXPECT_EQ(ParseJoinTarget("10.0.0.2:5000").target, (JoinTarget{"10.0.0.2", 5000}));
    EXPECT_EQ(ParseJoinTarget("[::1]:24748").target, (JoinTarget{"::1", 24748}));
    EXPECT_EQ(ParseJoinTarget("[::1]").target, (JoinTarget{"::1", kDefaultPort}));
    EXPECT_EQ(ParseJoinTarget("fe80::2").target, (JoinTarget{"fe80::2", kDefaultPort}));
    EXPECT_EQ(ParseJoinTarget("").fault, TargetFault::NoAddress);
    EXPECT_EQ(ParseJoinTarget(":24747").fault, TargetFault::NoAddress);
    EXPECT_EQ(ParseJoinTarget("[]:1").fault, TargetFault::NoAddress);
    for (const char* bad : {"a b", "host;rm", "[::1", "[::1]x", "[host]:1", "1.2.3.4\x01", "-x"})
        EXPECT_EQ(ParseJoinTarget(bad).fault, TargetFault::BadAddress) << bad;
    for (const char* bad : {"host:0", "host:65536", "host:", "[::1]:x", "host:80x"})
        EXPECT_EQ(ParseJoinTarget(bad).fault, TargetFault::BadPort) << bad;
}

TEST(FoundGame, ShowsOnlyWhatPassesEveryCheck) {
    EXPECT_EQ(CheckFoundGame("Алиса", "192.168.1.5", 24747), (FoundGame{"Алиса", "192.168.1.5", 24747}));
    EXPECT_FALSE(CheckFoundGame("Алиса\xe2\x80\xae", "192.168.1.5", 24747));
    EXPECT_FALSE(CheckFoundGame("", "192.168.1.5", 24747));
    EXPECT_FALSE(CheckFoundGame("Алиса", "evil.example", 24747));
    EXPECT_FALSE(CheckFoundGame("Алиса", "192.168.1.5", 0));
    EXPECT_FALSE(CheckFoundGame("Алиса", "192.168.1.5", 70000));
    EXPECT_EQ(FoundGameLine({"Алиса", "fe80::1%eth0", 24747}), "Алиса — [fe80::1%eth0]:24747");
    // Of the addresses a game is found at, the one most likely to reach it comes first.
    EXPECT_LT(AddressPreference("192.168.1.5"), AddressPreference("2001:db8::5"));
    EXPECT_LT(AddressPreference("2001:db8::5"), AddressPreference("fe80::5%eth0"));
    EXPECT_LT(AddressPreference("fe80::5%eth0"), AddressPreference("127.0.0.1"));
    EXPECT_EQ(AddressPreference("::1"), AddressPreference("127.0.0.1"));
}

}  // namespace
}  // namespace duel::net
