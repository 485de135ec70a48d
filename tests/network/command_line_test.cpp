// The command line's duel over the network: the values handed to the game, and Qt never sees the game's options.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// The language of the game's windows: --lang for the run, else the locale's, with the C locale and none Russian.
TEST(CommandLine, ChoosesTheLanguageOfTheWindowsFromLangOrTheLocale) {
    struct Case {
        std::vector<std::string> arguments;
        const char* lang;  // LANG for the run, nullptr: unset
        std::string language;
        std::vector<std::string> leftForQt;
    };
    const Case cases[] = {
        {{}, nullptr, "ru", {"shelvy"}},
        {{}, "C", "ru", {"shelvy"}},
        {{}, "C.UTF-8", "ru", {"shelvy"}},
        {{}, "POSIX", "ru", {"shelvy"}},
        {{}, "ru_RU.UTF-8", "ru", {"shelvy"}},
        {{}, "en_US.UTF-8", "en", {"shelvy"}},
        {{}, "de_DE.UTF-8", "de", {"shelvy"}},  // English unless a catalogue for German comes
        {{"--lang", "ru"}, "en_GB.UTF-8", "ru", {"shelvy"}},
        {{"-style", "fusion", "--lang=en"}, nullptr, "en", {"shelvy", "-style", "fusion"}},
    };
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
    for (const Case& c : cases) {
        if (c.lang)
            setenv("LANG", c.lang, 1);
        else
            unsetenv("LANG");
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.begin(), "shelvy");
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(arguments.size());
        std::string language;
        const std::string line = ::testing::PrintToString(c.arguments) + " LANG=" + (c.lang ? c.lang : "");
        EXPECT_EQ(HandleCommandLine(argc, argv.data(), nullptr, &language), std::nullopt) << line;
        EXPECT_EQ(language, c.language) << line;
        EXPECT_EQ(std::vector<std::string>(argv.begin(), argv.begin() + argc), c.leftForQt) << line;
    }
    unsetenv("LANG");
}

}  // namespace
}  // namespace duel
