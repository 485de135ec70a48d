// A duel's lines over one TCP connection: the framing, the bounded reading, the close.
#pragma once

#include "network/duel_carrier.h"
#include "network/frame_reader.h"

#include <QTimer>

class QTcpSocket;

namespace duel::net {

class TcpCarrier : public DuelCarrier {
public:
    // The host's side of a connection it has taken (connected; the carrier takes it over).
    TcpCarrier(QTcpSocket* socket, int lingerMs, QObject* parent = nullptr);
    // The joining side: connects to `address` (a host name or an IP address) and `port`, giving
    // up after `connectMs`.
    static TcpCarrier* Connect(const QString& address, quint16 port, int connectMs, int lingerMs,
                               QObject* parent = nullptr);
    ~TcpCarrier() override;

    bool ready() const override;
    void Send(const std::string& line) override;
    void Close(bool linger) override;
    void CloseNow(int flushMs) override;
    QString peerAddress() const override { return peerAddress_; }

private:
    void Connected();
    void ConnectFailed(const QString& reason);
    void ReadyRead();
    void Gone(const QString& text);

    QTcpSocket* socket_;
    FrameReader reader_;
    int lingerMs_;
    QString peerAddress_;
    QString target_;  // joining: "address:port", for the messages
    QTimer connectTimer_;
};

}  // namespace duel::net
