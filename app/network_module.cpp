// Finding and loading the network module, and its two doors as the session's makers.
#include "app/network_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace duel {

bool NetworkModule::Load() {
    if (tried_) return makeDuel_ != nullptr;
    tried_ = true;
    const QString name = QStringLiteral("libshelvy-network.so");
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {programFolder.path(), programFolder.filePath(QStringLiteral(DUEL_NETWORK_MODULE_DIR))}) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo::exists(path)) continue;
        library_.setFileName(path);
        if (!library_.load()) {
            std::fprintf(stderr, "shelvy: %s\n", library_.errorString().toLocal8Bit().constData());
            continue;
        }
        makeDuel_ = reinterpret_cast<DuelFunction>(library_.resolve("shelvy_network_duel"));
        makeFinder_ = reinterpret_cast<FinderFunction>(library_.resolve("shelvy_game_finder"));
        makeKeyring_ = reinterpret_cast<KeyringFunction>(library_.resolve("shelvy_password_keyring"));
        if (makeDuel_ && makeFinder_) return true;
        makeDuel_ = nullptr;
        makeFinder_ = nullptr;
    }
    return false;
}

NetworkDuelMaker NetworkModule::duelMaker() {
    return [this](NetworkDuelSession& session, const net::LinkTimeouts& timeouts) -> std::unique_ptr<NetworkDuelPart> {
        if (!Load()) return nullptr;
        return std::unique_ptr<NetworkDuelPart>(makeDuel_(&session, &timeouts));
    };
}

GameFinderMaker NetworkModule::finderMaker() {
    return [this]() -> std::unique_ptr<net::GameFinder> {
        if (!Load()) return nullptr;
        return std::unique_ptr<net::GameFinder>(makeFinder_());
    };
}

std::function<std::unique_ptr<net::PasswordKeyring>()> NetworkModule::keyringMaker() {
    return [this]() -> std::unique_ptr<net::PasswordKeyring> {
        if (!Load() || !makeKeyring_) return nullptr;
        return std::unique_ptr<net::PasswordKeyring>(makeKeyring_());
    };
}

}  // namespace duel
