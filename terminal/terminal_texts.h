// What shelvy and shelvy-pack print on a terminal in the user's language: the choice of language and the version text.
#pragma once

#include "deployment.h"

#include <cstdlib>
#include <string>
#include <string_view>

// No Qt here: shelvy-pack, which has no Qt, prints the same texts.
namespace duel {

// The language the user's locale names, lower-case and without territory, code set or modifier
// ("ru" for "ru_RU.UTF-8", "en" for "en_GB", "ru" for "ru:en"): the first entry of LANGUAGE (a
// list such as "ru:en"), or else the first of LC_ALL, LC_MESSAGES and LANG that is set.  This is
// the order in which Qt chooses a translation.  Empty for the C and POSIX locales and when none
// is set.
inline std::string LocaleLanguage() {
    const auto variable = [](const char* name) -> std::string_view {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    std::string_view locale = variable("LANGUAGE");
    locale = locale.substr(0, locale.find(':'));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!locale.empty()) break;
        locale = variable(name);
    }
    std::string language(locale.substr(0, locale.find_first_of("_.@-")));
    for (char& c : language) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return language == "c" || language == "posix" ? std::string() : language;
}

// True when the user's locale asks for Russian (LocaleLanguage() is "ru"): the terminal's texts
// (--help, --version, shelvy-pack) are Russian then and English otherwise.
inline bool LocaleAsksForRussian() { return LocaleLanguage() == "ru"; }

// The language the game's windows speak unless --lang says otherwise: Russian for a Russian locale,
// the C and POSIX locales and no locale at all (the game's own language), else the locale's
// language (English when the game has no catalogue for it).
inline std::string GameLanguage() {
    const std::string language = LocaleLanguage();
    return language.empty() ? "ru" : language;
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
