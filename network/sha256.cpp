// SHA-256 through QCryptographicHash and salts from the system's secure random source.
#include "network/sha256.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QRandomGenerator>

#include <vector>

namespace duel::net {

std::string Sha256(std::string_view bytes) {
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
    return digest.toStdString();
}

std::string SystemSalt(size_t bytes) {
    std::vector<quint32> words((bytes + 3) / 4);
    QRandomGenerator::system()->fillRange(words.data(), static_cast<qsizetype>(words.size()));
    std::string salt(bytes, '\0');
    for (size_t i = 0; i < bytes; ++i) salt[i] = static_cast<char>(words[i / 4] >> (8 * (i % 4)));
    return salt;
}

}  // namespace duel::net
