// One Jabber (XMPP) account's connection to its server through libstrophe, driven by Qt's event
// loop: TLS always, the duel's lines as the payload of iq stanzas of the game's own namespace.
#pragma once

#include "network/jabber_account.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QSocketNotifier;
struct _xmpp_ctx_t;
struct _xmpp_conn_t;
struct _xmpp_stanza_t;

namespace duel::net {

class ConnectWatchdog;

// The game's own element and the resource its connections bind: stanzas go to the friend's game
// alone, never to the friend's other clients.
inline constexpr const char* kJabberNamespace = "urn:x-shelvy-zlyki:duel:1";
inline constexpr const char* kJabberElement = "duel";
inline constexpr const char* kJabberResource = "shelvy-zlyki";
// libstrophe may hold at most this much memory: a hostile server cannot make it take more.
inline constexpr size_t kJabberMemoryCap = 4 * 1024 * 1024;

// The bare address as compared: lower case.
QString BareJidKey(const QString& jid);

class JabberClient : public QObject {
    Q_OBJECT

public:
    explicit JabberClient(QObject* parent = nullptr);
    ~JabberClient() override;

    // Connects and logs in as `account.jid` with the game's resource; `connected` or `failed` follows
    // within `timeoutMs`.
    void Connect(const JabberAccount& account, int timeoutMs);
    bool online() const { return online_; }
    // This connection's own full address once online.
    QString fullJid() const { return fullJid_; }

    // Sends `line` to `to` (a full address) as the payload of an iq; `answered` follows with the
    // returned id, `delivered` false when the server or the peer refused it.  Empty when not online.
    QString SendLine(const QString& to, const std::string& line);
    // Pushes out what waits to be sent for at most `ms`, without the event loop.
    void Flush(int ms);
    // Says goodbye to the server (what waits to be sent goes first, for a moment).
    void Disconnect();

    // Decides about each line that arrives from `from` (a full address): true takes it (the
    // sender hears it arrived), false refuses it (the sender hears nobody took it).  A payload
    // that is too long or not one line comes as it is: the taker's protocol refuses it.
    std::function<bool(const QString& from, const std::string& line)> router;

signals:
    void connected();
    // Before `connected`: why the connection or the login failed, for the player.
    void failed(const QString& text);
    // After `connected`: the connection to the server ended.
    void lost(const QString& text);
    void answered(const QString& id, bool delivered);

private:
    friend struct JabberCallbacks;

    void Pump();
    void SchedulePump();
    void ConnectionEvent(int event, int error, bool notAuthorized);
    void TakeIq(_xmpp_stanza_t* stanza);
    void Reply(_xmpp_stanza_t* stanza, bool taken);
    void Finish(const QString& text);
    void Emit(std::function<void()> signal);
    void WatchSocket(int fd);
    void StopWatching();
    QString FailureText(int error, bool notAuthorized) const;

    struct Memory;
    std::unique_ptr<Memory> memory_;
    _xmpp_ctx_t* ctx_ = nullptr;
    _xmpp_conn_t* conn_ = nullptr;
    std::unique_ptr<ConnectWatchdog> watchdog_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer pumpTimer_, deadline_;
    bool pumpQueued_ = false;
    bool connecting_ = false;
    bool online_ = false;
    bool finished_ = false;
    bool pumping_ = false;
    QString serverText_;          // the server as the player knows it, for the messages
    QString certificateFailure_;  // libstrophe's reason for refusing the server's certificate
    QString lastError_;           // libstrophe's last error line (some errors are told only there)
    bool authFailed_ = false;
    bool tlsMissing_ = false;
    int socketError_ = 0;
    int fd_ = -1;
    QString fullJid_;
    std::map<std::string, QString> pending_;  // iq id -> the address it went to
    unsigned long nextId_ = 0;
};

}  // namespace duel::net
