// A Jabber server of the tests' own: Debian's prosody on a free loopback port, with a certificate
// authority, a certificate for shelvy.test and accounts made for the run, stopped at the end.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace duel::testing {

class ProsodyServer {
public:
    // Accounts as "name:password" on shelvy.test.
    explicit ProsodyServer(std::vector<std::string> accounts);
    ~ProsodyServer();
    ProsodyServer(const ProsodyServer&) = delete;
    ProsodyServer& operator=(const ProsodyServer&) = delete;

    // Starts it and waits until it takes connections; false (with why()) when it does not.
    bool Start();
    // Stops it now: every connection to it breaks.
    void Kill();

    quint16 port() const { return port_; }
    // The authority that signed the server's certificate.
    std::string caFile() const;
    static std::string Domain() { return "shelvy.test"; }
    std::string why() const { return why_; }

private:
    std::vector<std::string> accounts_;
    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
    std::string why_;
};

}  // namespace duel::testing
