// The player's language: the translations installed at start-up and the wording of texts in the Qt folders.
#pragma once

#include "rules/player_text.h"

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>

namespace duel {

// The text in the player's language.  lupdate reads Tr as QCoreApplication::translate: context and
// source must be literals (the context is the folder's name), the source is the Russian text, and
// a counted text takes nullptr and the count: Tr("journal", "%n ходов", nullptr, n).
inline QString Tr(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate(context, source, disambiguation, n);
}

// A Qt-free folder's text (rules/player_text.h) in the player's language, with its arguments.
inline QString Tr(PlayerText text, std::initializer_list<std::string_view> args = {}) {
    return QString::fromStdString(Word(text, args));
}

// The language the game speaks in this run ("ru", "en", or another with a catalogue); set once at
// start-up, before any window.  The help viewer opens the topics of this language.
void SetPlayerLanguage(const QString& language);
QString PlayerLanguage();
inline bool PlayerLanguageIsRussian() { return PlayerLanguage() == QLatin1String("ru"); }

// Installs the game's catalogue for `language` (embedded as :/i18n/shelvy_<language>.qm; a test
// gives the build's folder of catalogues instead) and Qt's own, and makes the Qt-free folders'
// texts go through it.  Returns the language the game will speak: `language` when its catalogue
// was found, else English; Russian installs nothing at all.
QString InstallTranslations(const QString& language, const QString& catalogues = QStringLiteral(":/i18n"));

// Takes back what InstallTranslations installed: Russian again (for tests that change language).
void RemoveTranslations();

// The Qt-free folders' wording through the translators Qt has installed.
inline std::string QtWording(const char* context, const char* source, int n) {
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

// Makes the Qt-free folders' texts go through the translators Qt has installed.  A module loaded
// at run time has its own copy of those folders and calls this before it words anything; with no
// translator installed (Russian) every text still reads as its source.  Inline, so that the module
// needs nothing of this folder's library.
inline void UseQtWording() { SetWording(&QtWording); }

}  // namespace duel
