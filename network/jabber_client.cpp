// The Jabber connection on libstrophe: its memory capped, its socket under a notifier, its TLS
// handshake bounded in time, its failures told in Russian, the duel's iq stanzas in and out.
#include "network/jabber_client.h"

#include "network/connect_watchdog.h"
#include "network/network_texts.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <strophe.h>
#include <utility>

namespace duel::net {

namespace {

constexpr int kPumpIdleMs = 100;       // the library's own timers and buffered TLS records, while online
constexpr int kPumpConnectingMs = 10;  // while the connection is being made

// A text about the server, in the player's language, with the server's name or address for %1.
QString WithServer(const QString& server, PlayerText text) {
    return QString::fromStdString(Word(text, {server.toStdString()}));
}
constexpr size_t kHeaderBytes = 16;  // before every block: its size

// The clients by their connection, for the callbacks that carry no pointer of their own.
std::map<const xmpp_conn_t*, JabberClient*>& Clients() {
    static std::map<const xmpp_conn_t*, JabberClient*> clients;
    return clients;
}

QString Utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// The client inside whose pass libstrophe runs now (one thread: at most one).
JabberClient* pumpingClient = nullptr;

}  // namespace

// libstrophe's memory, counted and capped.
struct JabberClient::Memory {
    xmpp_mem_t hooks{};
    size_t used = 0;
    size_t cap = kJabberMemoryCap;
    bool exhausted = false;

    static void* Alloc(size_t size, void* self) {
        auto* memory = static_cast<Memory*>(self);
        if (size > memory->cap - memory->used) {
            memory->exhausted = true;
            return nullptr;
        }
        auto* block = static_cast<unsigned char*>(std::malloc(size + kHeaderBytes));
        if (!block) return nullptr;
        std::memcpy(block, &size, sizeof size);
        memory->used += size;
        return block + kHeaderBytes;
    }
    static void Free(void* pointer, void* self) {
        if (!pointer) return;
        auto* block = static_cast<unsigned char*>(pointer) - kHeaderBytes;
        size_t size = 0;
        std::memcpy(&size, block, sizeof size);
        static_cast<Memory*>(self)->used -= size;
        std::free(block);
    }
    static void* Realloc(void* pointer, size_t size, void* self) {
        if (!pointer) return Alloc(size, self);
        auto* memory = static_cast<Memory*>(self);
        auto* block = static_cast<unsigned char*>(pointer) - kHeaderBytes;
        size_t old = 0;
        std::memcpy(&old, block, sizeof old);
        if (size > old && size - old > memory->cap - memory->used) {
            memory->exhausted = true;
            return nullptr;
        }
        auto* grown = static_cast<unsigned char*>(std::realloc(block, size + kHeaderBytes));
        if (!grown) return nullptr;
        std::memcpy(grown, &size, sizeof size);
        memory->used = memory->used - old + size;
        return grown + kHeaderBytes;
    }
    xmpp_log_t log{};
};

// libstrophe's callbacks, with the client they belong to.
struct JabberCallbacks {
    static void Connection(xmpp_conn_t* conn, xmpp_conn_event_t event, int error, xmpp_stream_error_t* streamError,
                           void* self) {
        (void)conn;
        const bool notAuthorized = streamError && streamError->type == XMPP_SE_NOT_AUTHORIZED;
        static_cast<JabberClient*>(self)->ConnectionEvent(event, error, notAuthorized);
    }
    static int Iq(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        static_cast<JabberClient*>(self)->TakeIq(stanza);
        return 1;
    }
    static int CertificateFailure(const xmpp_tlscert_t*, const char* reason) {
        // Called inside the pass of the client that connects (the certificate's connection is not told reliably).
        if (JabberClient* client = pumpingClient) {
            client->certificateFailure_ = Utf8(reason);
            if (client->certificateFailure_.isEmpty())
                client->certificateFailure_ = QString::fromStdString(Word(DUEL_TEXT("network", "неизвестная причина")));
        }
        return 0;  // never accepted anyway
    }
    static int Socket(xmpp_conn_t* conn, void* socket) {
        const auto found = Clients().find(conn);
        if (found != Clients().end()) found->second->WatchSocket(*static_cast<int*>(socket));
        return xmpp_sockopt_cb_keepalive(conn, socket);
    }
    // Some failures are told only here.  Debug lines carry the stanzas (the login among them): never kept.
    static void Log(void* self, xmpp_log_level_t level, const char* area, const char* message) {
        if (!message || !area) return;
        auto* client = static_cast<JabberClient*>(self);
        if (level == XMPP_LEVEL_DEBUG) {
            // Only why a connection failed ("connection failed, error 111") is looked for here.
            int error = 0;
            if (std::sscanf(message, "connection failed, error %d", &error) == 1) client->socketError_ = error;
            return;
        }
        const QString text = Utf8(message);
        const QString where = Utf8(area);
        if (where == u"auth" && level == XMPP_LEVEL_ERROR) client->authFailed_ = true;
        if (text.contains(u"TLS", Qt::CaseSensitive) && text.contains(u"not", Qt::CaseInsensitive) &&
            (text.contains(u"support", Qt::CaseInsensitive) || text.contains(u"offer", Qt::CaseInsensitive)))
            client->tlsMissing_ = true;
        if (level == XMPP_LEVEL_ERROR) client->lastError_ = where + QStringLiteral(": ") + text;
    }
};

QString BareJidKey(const QString& jid) {
    const qsizetype slash = jid.indexOf(u'/');
    return (slash < 0 ? jid : jid.left(slash)).toLower();
}

JabberClient::JabberClient(QObject* parent) : QObject(parent), memory_(std::make_unique<Memory>()) {
    static std::once_flag initialized;
    std::call_once(initialized, [] {
        xmpp_initialize();
        // libstrophe writes to its socket without MSG_NOSIGNAL: a server that has closed its end
        // must give an error to handle, not a signal that ends the program.
        std::signal(SIGPIPE, SIG_IGN);
    });
    memory_->hooks = {&Memory::Alloc, &Memory::Free, &Memory::Realloc, memory_.get()};
    memory_->log = {&JabberCallbacks::Log, this};
    ctx_ = xmpp_ctx_new(&memory_->hooks, &memory_->log);
    xmpp_ctx_set_verbosity(ctx_, 0);
    connect(&pumpTimer_, &QTimer::timeout, this, &JabberClient::Pump);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (!connecting_) return;
        Finish(WithServer(serverText_,
                          DUEL_TEXT("network", "Не удалось подключиться к серверу Jabber %1: сервер не отвечает.")));
    });
}

JabberClient::~JabberClient() {
    router = nullptr;
    finished_ = true;
    if (conn_) {
        if (!pumping_ && xmpp_conn_is_connected(conn_)) {
            xmpp_disconnect(conn_);
            Flush(200);
        }
        Clients().erase(conn_);
        StopWatching();
        xmpp_conn_release(conn_);
    }
    watchdog_.reset();
    if (ctx_) xmpp_ctx_free(ctx_);
}

void JabberClient::Connect(const JabberAccount& account, int timeoutMs) {
    const QString jid = QString::fromStdString(account.jid);
    const QString host = QString::fromStdString(account.server);
    serverText_ = host.isEmpty() ? jid.section(u'@', 1)
                                 : host + (account.port ? u':' + QString::number(account.port) : QString());
    conn_ = xmpp_conn_new(ctx_);
    if (!conn_) {
        Finish(WithServer(serverText_, DUEL_TEXT("network", "Не удалось подключиться к серверу Jabber %1.")));
        return;
    }
    Clients()[conn_] = this;
    xmpp_conn_set_flags(conn_, XMPP_CONN_FLAG_MANDATORY_TLS | XMPP_CONN_FLAG_DISABLE_SM);
    const QByteArray full = (jid + u'/' + QString::fromUtf8(kJabberResource)).toUtf8();
    xmpp_conn_set_jid(conn_, full.constData());
    xmpp_conn_set_pass(conn_, account.password.c_str());
    if (!account.caFile.empty()) xmpp_conn_set_cafile(conn_, account.caFile.c_str());
    xmpp_conn_set_certfail_handler(conn_, &JabberCallbacks::CertificateFailure);
    xmpp_conn_set_sockopt_callback(conn_, &JabberCallbacks::Socket);
    xmpp_handler_add(conn_, &JabberCallbacks::Iq, nullptr, "iq", nullptr, this);
    connecting_ = true;
    deadline_.start(timeoutMs);
    watchdog_ = std::make_unique<ConnectWatchdog>(timeoutMs);
    const int started = xmpp_connect_client(conn_, account.server.empty() ? nullptr : account.server.c_str(),
                                            account.port, &JabberCallbacks::Connection, this);
    if (started != XMPP_EOK) {
        Finish(WithServer(serverText_,
                          DUEL_TEXT("network", "Не удалось подключиться к серверу Jabber %1: адрес не найден.")));
        return;
    }
    pumpTimer_.start(kPumpConnectingMs);
}

void JabberClient::WatchSocket(int fd) {
    StopWatching();
    fd_ = fd;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &JabberClient::Pump);
}

void JabberClient::StopWatching() {
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    fd_ = -1;
}

void JabberClient::SchedulePump() {
    if (pumpQueued_) return;
    pumpQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        pumpQueued_ = false;
        Pump();
    });
}

void JabberClient::Pump() {
    if (pumping_ || !conn_ || finished_) return;
    QPointer<JabberClient> self(this);
    pumping_ = true;
    // Several passes: one pass reads one piece, and TLS may hold whole records already read.
    for (int pass = 0; pass < 4 && self && !finished_; ++pass) {
        // Only while connecting can the library block (its TLS handshake): the watchdog cuts it off.
        const bool guarded = connecting_ && watchdog_ && fd_ >= 0;
        if (guarded) watchdog_->Arm(fd_);
        JabberClient* outer = std::exchange(pumpingClient, this);
        xmpp_run_once(ctx_, 0);
        pumpingClient = outer;
        if (guarded && self && watchdog_) watchdog_->Disarm();
    }
    if (self) pumping_ = false;
}

void JabberClient::Emit(std::function<void()> signal) { QTimer::singleShot(0, this, std::move(signal)); }

void JabberClient::ConnectionEvent(int event, int error, bool notAuthorized) {
    if (finished_) return;
    if (event == XMPP_CONN_CONNECT) {
        connecting_ = false;
        online_ = true;
        deadline_.stop();
        pumpTimer_.start(kPumpIdleMs);
        watchdog_.reset();
        fullJid_ = Utf8(xmpp_conn_get_bound_jid(conn_));
        Emit([this] { emit connected(); });
        return;
    }
    if (event == XMPP_CONN_RAW_CONNECT) return;
    Finish(online_ ? QString::fromUtf8(kTextJabberLost) : FailureText(error, notAuthorized));
}

QString JabberClient::FailureText(int error, bool notAuthorized) const {
    if (!certificateFailure_.isEmpty())
        return QString::fromStdString(Word(DUEL_TEXT("network", "Не удалось проверить сертификат сервера Jabber: %1."),
                                           {certificateFailure_.toStdString()}));
    if (notAuthorized || authFailed_) return QString::fromUtf8(kTextJabberLogin);
    if (watchdog_ && watchdog_->fired())
        return WithServer(serverText_,
                          DUEL_TEXT("network", "Не удалось подключиться к серверу Jabber %1: сервер не отвечает."));
    if (tlsMissing_)
        return WithServer(serverText_, DUEL_TEXT("network", "Сервер Jabber %1 не предлагает защищённого соединения."));
    if (memory_->exhausted)
        return WithServer(serverText_, DUEL_TEXT("network", "Сервер Jabber %1 прислал слишком много данных."));
    std::string why;
    switch (error ? error : socketError_) {
        case ECONNREFUSED:
            why = Word(DUEL_TEXT("network", "сервер не принимает подключений"));
            break;
        case ETIMEDOUT:
            why = Word(DUEL_TEXT("network", "сервер не отвечает"));
            break;
        case ENETUNREACH:
        case EHOSTUNREACH:
            why = Word(DUEL_TEXT("network", "сеть недоступна"));
            break;
        default:
            break;
    }
    if (why.empty())
        return WithServer(serverText_, DUEL_TEXT("network", "Не удалось подключиться к серверу Jabber %1."));
    return QString::fromStdString(Word(DUEL_TEXT("network", "Не удалось подключиться к серверу Jabber %1: %2."),
                                       {serverText_.toStdString(), why}));
}

void JabberClient::Finish(const QString& text) {
    if (finished_) return;
    finished_ = true;
    const bool wasOnline = online_;
    online_ = false;
    connecting_ = false;
    deadline_.stop();
    pumpTimer_.stop();
    StopWatching();
    if (conn_ && !xmpp_conn_is_disconnected(conn_)) xmpp_disconnect(conn_);
    pending_.clear();
    watchdog_.reset();
    Emit([this, text, wasOnline] {
        if (wasOnline)
            emit lost(text);
        else
            emit failed(text);
    });
}

void JabberClient::TakeIq(xmpp_stanza_t* stanza) {
    const char* type = xmpp_stanza_get_type(stanza);
    const char* id = xmpp_stanza_get_id(stanza);
    const QString from = Utf8(xmpp_stanza_get_from(stanza));
    if (!type || !id) return;
    const std::string kind = type;
    if (kind == "result" || kind == "error") {
        const auto found = pending_.find(id);
        // An answer counts only from where the line went (the server answers for an absent one so).
        if (found == pending_.end() || found->second.compare(from, Qt::CaseInsensitive) != 0) return;
        pending_.erase(found);
        const QString answer = Utf8(id);
        const bool delivered = kind == "result";
        Emit([this, answer, delivered] { emit answered(answer, delivered); });
        return;
    }
    if (kind != "set" && kind != "get") return;
    xmpp_stanza_t* payload = xmpp_stanza_get_child_by_name_and_ns(stanza, kJabberElement, kJabberNamespace);
    bool taken = false;
    if (payload && kind == "set" && !from.isEmpty() && router) {
        char* text = xmpp_stanza_get_text(payload);
        const std::string line = text ? text : "";
        if (text) xmpp_free(ctx_, text);
        taken = router(from, line);
    }
    Reply(stanza, taken);
}

void JabberClient::Reply(xmpp_stanza_t* stanza, bool taken) {
    xmpp_stanza_t* reply = taken ? xmpp_iq_new(ctx_, "result", xmpp_stanza_get_id(stanza))
                                 : xmpp_stanza_reply_error(stanza, "cancel", "service-unavailable", nullptr);
    if (!reply) return;
    if (taken && xmpp_stanza_get_from(stanza)) xmpp_stanza_set_to(reply, xmpp_stanza_get_from(stanza));
    xmpp_send(conn_, reply);
    xmpp_stanza_release(reply);
    SchedulePump();
}

QString JabberClient::SendLine(const QString& to, const std::string& line) {
    if (!online_ || finished_) return {};
    const std::string id = "shelvy-" + std::to_string(++nextId_);
    xmpp_stanza_t* iq = xmpp_iq_new(ctx_, "set", id.c_str());
    xmpp_stanza_t* payload = xmpp_stanza_new(ctx_);
    xmpp_stanza_t* text = xmpp_stanza_new(ctx_);
    if (!iq || !payload || !text) {
        for (xmpp_stanza_t* stanza : {iq, payload, text})
            if (stanza) xmpp_stanza_release(stanza);
        return {};
    }
    xmpp_stanza_set_to(iq, to.toUtf8().constData());
    xmpp_stanza_set_name(payload, kJabberElement);
    xmpp_stanza_set_ns(payload, kJabberNamespace);
    xmpp_stanza_set_text_with_size(text, line.data(), line.size());
    xmpp_stanza_add_child(payload, text);
    xmpp_stanza_release(text);
    xmpp_stanza_add_child(iq, payload);
    xmpp_stanza_release(payload);
    xmpp_send(conn_, iq);
    xmpp_stanza_release(iq);
    pending_[id] = to;
    SchedulePump();
    return QString::fromStdString(id);
}

void JabberClient::Flush(int ms) {
    if (pumping_ || !conn_) return;
    pumping_ = true;
    QElapsedTimer clock;
    clock.start();
    while (xmpp_conn_send_queue_len(conn_) > 0 && !xmpp_conn_is_disconnected(conn_) && clock.elapsed() < ms)
        xmpp_run_once(ctx_, 10);
    xmpp_run_once(ctx_, 0);
    pumping_ = false;
}

void JabberClient::Disconnect() {
    if (!conn_ || finished_) return;
    finished_ = true;
    online_ = false;
    deadline_.stop();
    pumpTimer_.stop();
    if (!pumping_ && xmpp_conn_is_connected(conn_)) {
        xmpp_disconnect(conn_);
        Flush(200);
    }
    StopWatching();
}

}  // namespace duel::net
