// The command line's duel over the network: the values handed to the game, and Qt never sees the game's options.
#include "app/command_line.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
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

// The duel through Jabber: the account's options, the password from a file only its owner can read.
TEST(CommandLine, TakesTheJabberAccountAndItsPasswordOnlyFromAPrivateFile) {
    QTemporaryDir folder;
    const std::string secret = folder.filePath(QStringLiteral("secret")).toStdString();
    const std::string open = folder.filePath(QStringLiteral("open")).toStdString();
    const std::string ca = folder.filePath(QStringLiteral("ca.pem")).toStdString();
    for (const std::string& path : {secret, open, ca}) {
        FILE* file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("пароль с пробелом \nвторая строка\n", file);
        std::fclose(file);
    }
    ::chmod(secret.c_str(), 0600);
    ::chmod(open.c_str(), 0644);

    const Reading host = Read({"--host", "--account", "ann@example.org", "--password-file", secret, "--server",
                               "[::1]:5223", "--ca-file", ca, "-reverse"});
    EXPECT_EQ(host.exitCode, std::nullopt);
    EXPECT_EQ(host.network.mode, NetworkRequest::Mode::Host);
    EXPECT_EQ(host.network.account, "ann@example.org");
    EXPECT_EQ(host.network.password, "пароль с пробелом ");
    EXPECT_EQ(host.network.server, "::1");
    EXPECT_EQ(host.network.serverPort, 5223);
    EXPECT_EQ(host.network.caFile, ca);
    EXPECT_EQ(host.leftForQt, (std::vector<std::string>{"shelvy", "-reverse"}));

    const Reading join =
        Read({"--join", "bob@example.net", "--account=ann@example.org", "--server", "xmpp.example.org"});
    EXPECT_EQ(join.exitCode, std::nullopt);
    EXPECT_EQ(join.network.mode, NetworkRequest::Mode::Join);
    EXPECT_EQ(join.network.address, "bob@example.net");
    EXPECT_EQ(join.network.password, std::nullopt);  // asked in the window
    EXPECT_EQ(join.network.server, "xmpp.example.org");
    EXPECT_EQ(join.network.serverPort, 0);

    // Refused with exit code 2: a file others can read, no file, a bad address, options without --account.
    for (const std::vector<std::string>& refused : std::vector<std::vector<std::string>>{
             {"--host", "--account", "ann@example.org", "--password-file", open},
             {"--host", "--account", "ann@example.org", "--password-file", open + ".none"},
             {"--host", "--account", "ann@example.org", "--password-file", folder.path().toStdString()},
             {"--host", "--account", "ann"},
             {"--join", "bob", "--account", "ann@example.org"},
             {"--account", "ann@example.org"},
             {"--host", "--password-file", secret},
             {"--host", "5000", "--account", "ann@example.org"},
             {"--host", "--account", "ann@example.org", "--ca-file", open + ".none"},
         }) {
        EXPECT_EQ(Read(refused).exitCode, 2) << ::testing::PrintToString(refused);
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
