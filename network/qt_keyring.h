// The keyring through QtKeychain (the Secret Service or KWallet), each request bounded in time.
#pragma once

#include "network/password_keyring.h"

namespace duel::net {

// Asks the keyring once, when made, whether it answers; a keyring that does not answer within
// kKeyringWaitMs counts as none.  Never falls back to a file of its own.
class QtKeyring : public PasswordKeyring {
public:
    QtKeyring();
    QString unavailableReason() override { return unavailable_; }
    std::optional<std::string> Read(const std::string& jid) override;
    void Write(const std::string& jid, const std::string& password) override;
    void Forget(const std::string& jid) override;

private:
    QString unavailable_;
};

inline constexpr int kKeyringWaitMs = 2000;

}  // namespace duel::net
