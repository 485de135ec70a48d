// The window "Дуэль по сети": host a game or join one (typed or found on the local network), with the player's name.
#pragma once

#include "network/game_finder.h"
#include "network/password_keyring.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace duel {

// What the player chose: host on `port`, or join `address` on `port`, as `name`; or, through a
// Jabber server, wait for invitations on `jid`, or invite `friendJid`.
struct NetworkDuelChoice {
    enum class Mode { Host, Join };
    Mode mode = Mode::Host;
    std::string name;
    std::string address;  // Join: a host name or an IP address (IPv6 without brackets)
    uint16_t port = 24747;
    bool jabber = false;
    std::string jid{};       // the player's Jabber address
    std::string password{};  // never kept by the window beyond this choice
    bool rememberPassword = false;
    std::string server{};      // as typed, "HOST[:PORT]" or empty
    std::string serverHost{};  // and read
    uint16_t serverPort = 0;
    std::string friendJid{};  // Join through Jabber
    bool operator==(const NetworkDuelChoice&) const = default;
};

using net::PasswordKeyring;

// What the window starts with.
struct NetworkDuelStart {
    std::string name;
    bool jabber = false;
    bool join = false;
    std::string jid, server, friendJid;
    std::string caFile{};  // the command line's --ca-file, passed on with the choice
};

// A modal window (objectName frmNetworkDuel).  It checks what is typed and hands the choice
// back (choice() after "Начать"); it connects nowhere itself.  Discovery starts only when
// the player chooses to join, through `startBrowsing` (GameBrowser in the program), and ends
// with the window.
class NetworkDuelWindow : public QDialog {
public:
    using FinderFactory = std::function<std::unique_ptr<net::GameFinder>()>;

    NetworkDuelWindow(const std::string& lastName, FinderFactory startBrowsing, QWidget* parent = nullptr);
    // The same, starting from `start`, with the keyring `keyring` (nullptr: none answers).
    NetworkDuelWindow(const NetworkDuelStart& start, FinderFactory startBrowsing, PasswordKeyring* keyring,
                      QWidget* parent = nullptr);
    ~NetworkDuelWindow() override;

    // The choice once the window was closed with "Начать"; nothing after "Отмена" or Escape.
    const std::optional<NetworkDuelChoice>& choice() const { return choice_; }

    // ---- handlers ----
    void optMode_Click();
    void optCarrier_Click();
    void lstGames_Click();
    void cmdStart_Click();

private:
    void BuildControls();
    void ShowGames();
    void Problem(const char* text, QWidget* field);
    void BuildJabberControls();
    bool TakeJabber(NetworkDuelChoice& chosen);

    FinderFactory startBrowsing_;
    std::unique_ptr<net::GameFinder> finder_;
    std::vector<net::FoundGame> shownGames_;
    std::optional<NetworkDuelChoice> choice_;
    PasswordKeyring* keyring_ = nullptr;

    // ---- controls ----
    QRadioButton* hostOption_ = nullptr;    // optHost
    QRadioButton* joinOption_ = nullptr;    // optJoin
    QLineEdit* nameField_ = nullptr;        // txtName
    QLabel* addressLabel_ = nullptr;        // lblAddress
    QLineEdit* addressField_ = nullptr;     // txtAddress
    QLineEdit* portField_ = nullptr;        // txtPort
    QLabel* gamesLabel_ = nullptr;          // lblGames
    QListWidget* gamesList_ = nullptr;      // lstGames
    QLabel* discoveryNote_ = nullptr;       // lblDiscovery
    QLabel* problemLabel_ = nullptr;        // lblProblem
    QPushButton* startButton_ = nullptr;    // cmdStart
    QPushButton* cancelButton_ = nullptr;   // cmdCancel
    QRadioButton* directOption_ = nullptr;  // optDirect
    QRadioButton* jabberOption_ = nullptr;  // optJabber
    QWidget* directPart_ = nullptr;         // the address, the port and the games found
    QWidget* jabberPart_ = nullptr;         // the Jabber account and the friend's address
    QLineEdit* jidField_ = nullptr;         // txtJid
    QLineEdit* passwordField_ = nullptr;    // txtPassword
    QCheckBox* rememberBox_ = nullptr;      // chkRememberPassword
    QLineEdit* serverField_ = nullptr;      // txtServer
    QLabel* friendLabel_ = nullptr;         // lblFriendJid
    QLineEdit* friendField_ = nullptr;      // txtFriendJid
};

}  // namespace duel
