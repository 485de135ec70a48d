// What shelvy and shelvy-pack print on a terminal in the user's language: the choice of language and the version text.
#pragma once

#include "deployment.h"

#include <cstdlib>
#include <string>
#include <string_view>

// No Qt here: shelvy-pack, which has no Qt, prints the same texts.
namespace duel {

// True when the user's locale asks for Russian: the first entry of LANGUAGE (a list
// such as "ru:en"), or else the first of LC_ALL, LC_MESSAGES and LANG that is set,
// names Russian ("ru", "ru_RU.UTF-8", "ru@...").  This is the order in which Qt
// chooses a translation, so both programs answer as Qt-translated texts would.
inline bool LocaleAsksForRussian() {
    const auto variable = [](const char* name) -> std::string_view {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    std::string_view language = variable("LANGUAGE");
    language = language.substr(0, language.find(':'));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!language.empty()) break;
        language = variable(name);
    }
    return language.substr(0, 2) == "ru" &&
           (language.size() == 2 || std::string_view("_.@-").find(language[2]) != std::string_view::npos);
}

// The answer to --version: the program's name and version, the copyright and the
// licence, and the home page, the same address the about window opens.
inline std::string VersionText(std::string_view program, bool russian) {
    std::string text(program);
    text += " " DUEL_VERSION "\nCopyright (C) " DUEL_AUTHOR_DATE " " DUEL_AUTHOR_NAME "\n";
    text += russian ? "Лицензия GPLv3+: GNU GPL версии 3 или более поздней <https://gnu.org/licenses/gpl.html>.\n"
                      "Это свободная программа: вы можете изменять и распространять её.\n"
                      "Гарантий нет в той мере, в какой это допускает закон.\n"
                      "Домашняя страница: http://" DUEL_HOME_HOST "\n"
                    : "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                      "This is free software: you are free to change and redistribute it.\n"
                      "There is NO WARRANTY, to the extent permitted by law.\n"
                      "Home page: http://" DUEL_HOME_HOST "\n";
    return text;
}

}  // namespace duel
