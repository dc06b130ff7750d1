#include "ui/onewindow.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// How long a later start waits for the first window to take its request.
// A first window busy with the computer's move reads it once the move is
// made: the request waits in the socket meanwhile.
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;
// A request is one line: the path, UTF-8; a path is never longer than this.
constexpr qint64 kLongestRequest = 64 * 1024;

} // namespace

OneWindow::OneWindow(const QString& store, QObject* parent)
    : QObject(parent), name_(nameFor(store)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) answer(socket);
    });
}

QString OneWindow::nameFor(const QString& store) {
    const QByteArray where = QCryptographicHash::hash(QFileInfo(store).absoluteFilePath().toUtf8(),
                                                      QCryptographicHash::Sha1)
                                 .toHex()
                                 .left(16);
    return QString("quarn-%1-%2").arg(getuid()).arg(QString::fromLatin1(where));
}

bool OneWindow::handOver(const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(path.toUtf8() + '\n');
    socket.flush();
    // The answer says the window took it; without one in time it still will,
    // from the socket, once it is free.
    if (socket.waitForBytesWritten(kAnswerMs)) socket.waitForReadyRead(kAnswerMs);
    return true;
}

bool OneWindow::listen() {
    if (server_.listen(name_)) return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
    // Someone listens, or a socket is left without anyone behind it.
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectMs)) return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void OneWindow::answer(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto take = [this, socket] {
        if (!socket->canReadLine()) {
            // A request without its line break, too long to be a path, is
            // no request of ours.
            if (socket->bytesAvailable() > kLongestRequest) socket->abort();
            return;
        }
        const QString path = QString::fromUtf8(socket->readLine(kLongestRequest)).chopped(1);
        socket->write("ok\n");
        socket->flush();
        socket->disconnectFromServer();
        emit called(path);
    };
    connect(socket, &QLocalSocket::readyRead, this, take);
    take();
}
