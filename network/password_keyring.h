// The desktop's keyring for the Jabber password, where one answers.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace duel::net {

class PasswordKeyring {
public:
    virtual ~PasswordKeyring() = default;
    // Why no keyring can be used (shown as the tooltip of "Запомнить пароль"); empty when one can.
    virtual QString unavailableReason() = 0;
    // The password kept for `jid`, if any.
    virtual std::optional<std::string> Read(const std::string& jid) = 0;
    virtual void Write(const std::string& jid, const std::string& password) = 0;
    virtual void Forget(const std::string& jid) = 0;
};

}  // namespace duel::net
