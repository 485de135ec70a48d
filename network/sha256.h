// The hash and the random salts of the commitments: Qt's SHA-256 and the system's random source.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace duel::net {

// SHA-256 of `bytes`, 32 raw bytes (QCryptographicHash).
std::string Sha256(std::string_view bytes);

// Where salts come from: `bytes` random bytes.  Tests hand in a fixed source.
using SaltSource = std::function<std::string(size_t bytes)>;

// The system's cryptographically secure source (QRandomGenerator::system()).
std::string SystemSalt(size_t bytes);

}  // namespace duel::net
