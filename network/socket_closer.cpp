// The polite close: flush, read and drop what the peer still sends until it closes, bounded in time and count.
#include "network/socket_closer.h"

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

namespace duel::net {

namespace {

int lingering = 0;

// Owns one closing socket until the peer has closed or the time is up.
class Lingerer : public QObject {
public:
    Lingerer(QTcpSocket* socket, int lingerMs) : socket_(socket) {
        ++lingering;
        socket_->setParent(this);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &Lingerer::Finish);
        connect(socket_, &QAbstractSocket::disconnected, this, &Lingerer::Finish);
        connect(socket_, &QAbstractSocket::errorOccurred, this, &Lingerer::Finish);
        connect(socket_, &QIODevice::readyRead, this, [this] {
            // Dropped unread; the peer's BYE means it has read everything and closes too.
            if (socket_->read(64 * 1024).contains("BYE\n")) Finish();
        });
        timer_.start(lingerMs);
        socket_->flush();
    }
    ~Lingerer() override { --lingering; }

private:
    void Finish() {
        if (finished_) return;
        finished_ = true;
        timer_.stop();
        socket_->disconnect(this);
        socket_->disconnectFromHost();  // sends what is still buffered, then closes
        deleteLater();
    }

    QTcpSocket* socket_;
    QTimer timer_;
    bool finished_ = false;
};

}  // namespace

int LingeringSockets() { return lingering; }

void CloseAfterSending(QTcpSocket* socket, int lingerMs) {
    socket->disconnect();
    if (socket->state() != QAbstractSocket::ConnectedState || lingering >= kMaxLingering) {
        socket->setParent(nullptr);
        socket->abort();
        socket->deleteLater();
        return;
    }
    new Lingerer(socket, lingerMs);
}

void CloseNow(QTcpSocket* socket, int flushMs) {
    socket->disconnect();
    socket->setParent(nullptr);
    if (socket->state() == QAbstractSocket::ConnectedState) {
        socket->readAll();  // unread bytes would turn the close into a reset
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState) socket->waitForDisconnected(flushMs);
    }
    socket->abort();
    delete socket;
}

}  // namespace duel::net
