// The command line's duel over the network: the values handed to the game, and Qt never sees the game's options.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duel {
namespace {

struct Reading {
    std::optional<int> exitCode;
    NetworkRequest network;
    std::vector<std::string> leftForQt;
};

Reading Read(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "shelvy");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(arguments.size());
    Reading reading;
    reading.exitCode = HandleCommandLine(argc, argv.data(), &reading.network);
    for (int i = 0; i < argc; ++i) reading.leftForQt.emplace_back(argv[static_cast<size_t>(i)]);
    EXPECT_EQ(argv[static_cast<size_t>(argc)], nullptr);
    return reading;
}

TEST(CommandLine, HandsTheDuelOverTheNetworkToTheGameAndItsOptionsNotToQt) {
    struct Case {
        std::vector<std::string> arguments;
        NetworkRequest network;
        std::vector<std::string> leftForQt;
    };
    using Mode = NetworkRequest::Mode;
    const Case cases[] = {
        {{}, {}, {"shelvy"}},
        {{"--host"}, {Mode::Host, "", 24747, std::nullopt}, {"shelvy"}},
        {{"-style", "fusion", "--host", "5000", "--name", "Вася Пупкин", "-session", "ab12"},
         {Mode::Host, "", 5000, "Вася Пупкин"},
         {"shelvy", "-style", "fusion", "-session", "ab12"}},
        {{"--host", "--name", "Ян"}, {Mode::Host, "", 24747, "Ян"}, {"shelvy"}},
        {{"--host=6000", "-reverse"}, {Mode::Host, "", 6000, std::nullopt}, {"shelvy", "-reverse"}},
        {{"--join", "[::1]:24748"}, {Mode::Join, "::1", 24748, std::nullopt}, {"shelvy"}},
        {{"--join=alice-pc.local", "--name=Ёж"}, {Mode::Join, "alice-pc.local", 24747, "Ёж"}, {"shelvy"}},
        {{"-join", "192.168.1.5:80"}, {Mode::Join, "192.168.1.5", 80, std::nullopt}, {"shelvy"}},
        {{"--name", "Ann", "--display", ":3"}, {Mode::None, "", 24747, "Ann"}, {"shelvy", "--display", ":3"}},
    };
    for (const Case& c : cases) {
        const Reading reading = Read(c.arguments);
        const std::string line = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(reading.exitCode, std::nullopt) << line;
        EXPECT_EQ(reading.network, c.network) << line;
        EXPECT_EQ(reading.leftForQt, c.leftForQt) << line;
    }
}

}  // namespace
}  // namespace duel
