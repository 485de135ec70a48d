#include "platform/translation.h"

#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <vector>

namespace duel {

namespace {

QString g_language = QStringLiteral("ru");
std::vector<QTranslator*> g_installed;  // by InstallTranslations

QString CatalogueFor(const QString& folder, const QString& language) {
    return QStringLiteral("%1/shelvy_%2.qm").arg(folder, language);
}

}  // namespace

void RemoveTranslations() {
    for (QTranslator* translator : g_installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_installed.clear();
    SetWording(nullptr);
    SetPlayerLanguage(QStringLiteral("ru"));
}

void SetPlayerLanguage(const QString& language) { g_language = language; }

QString PlayerLanguage() { return g_language; }

QString InstallTranslations(const QString& language, const QString& catalogues) {
    if (language == QLatin1String("ru")) return language;
    const QString chosen = QFile::exists(CatalogueFor(catalogues, language)) ? language : QStringLiteral("en");
    // The translators live as long as the application: they are installed once per run.
    auto* game = new QTranslator(QCoreApplication::instance());
    if (game->load(CatalogueFor(catalogues, chosen))) QCoreApplication::installTranslator(game);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    g_installed = {game, qt};
    SetWording(&QtWording);
    SetPlayerLanguage(chosen);
    return chosen;
}

}  // namespace duel
