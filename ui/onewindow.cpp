#include "ui/onewindow.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// How long a later start waits for the first window to take its request.
// A first window busy with the computer's move reads it once the move is
// made: the request waits in the socket meanwhile.
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;
// How long a later start waits for a window that holds the lock to listen
// (it listens as soon as it has its display), and how often it looks.
constexpr int kListenMs = 10000;
constexpr int kRetryMs = 20;
// A request is one line: the path, UTF-8; a path is never longer than this.
constexpr qint64 kLongestRequest = 64 * 1024;

// The user's runtime folder when it is one this process may write (after
// su it may be another user's), else the kept game's folder.
QString lockFolder(const QString& store) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir() &&
        access(QFile::encodeName(runtime).constData(), W_OK | X_OK) == 0)
        return runtime;
    return QFileInfo(store).absolutePath();
}

} // namespace

OneWindow::OneWindow(const QString& store, QObject* parent)
    : QObject(parent), name_(nameFor(store)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) answer(socket);
    });
    QDir().mkpath(QFileInfo(name_).absolutePath());
    lock_ =
        open(QFile::encodeName(name_ + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    tryLock();
}

OneWindow::~OneWindow() {
    if (lock_ >= 0) close(lock_); // the lock goes with it
}

QString OneWindow::nameFor(const QString& store) {
    const QByteArray where = QCryptographicHash::hash(QFileInfo(store).absoluteFilePath().toUtf8(),
                                                      QCryptographicHash::Sha1)
                                 .toHex()
                                 .left(16);
    return QDir(lockFolder(store))
        .filePath(QString("quarn-%1-%2").arg(getuid()).arg(QString::fromLatin1(where)));
}

bool OneWindow::tryLock() {
    held_ = held_ || (lock_ >= 0 && flock(lock_, LOCK_EX | LOCK_NB) == 0);
    return held_;
}

OneWindow::Start OneWindow::start(const QString& path) {
    if (held_ || lock_ < 0) {
        // Without a lock, a window that listens already is asked first.
        if (!held_ && handOver(path, kConnectMs)) return Start::HandedOver;
        if (!listen() && !held_ && handOver(path, kConnectMs)) return Start::HandedOver;
        return Start::Window;
    }
    // Another start holds the lock: it listens once it has its display.
    const QDeadlineTimer deadline(kListenMs);
    for (;;) {
        if (handOver(path, kRetryMs)) return Start::HandedOver;
        if (tryLock()) {
            listen(); // the window that held the lock has ended
            return Start::Window;
        }
        if (deadline.hasExpired()) return Start::NoAnswer;
        QThread::msleep(kRetryMs);
    }
}

bool OneWindow::handOver(const QString& path, int connectMs) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(connectMs)) return false;
    socket.write(path.toUtf8() + '\n');
    socket.flush();
    // The answer says the window took it; without one in time it still will,
    // from the socket, once it is free.
    if (socket.waitForBytesWritten(kAnswerMs)) socket.waitForReadyRead(kAnswerMs);
    return true;
}

bool OneWindow::listen() {
    // The lock's holder alone listens: a socket in its way was left by a
    // window that ended without closing it (a crash, a kill).
    if (held_) QLocalServer::removeServer(name_);
    if (server_.listen(name_)) return true;
    if (held_ || server_.serverError() != QAbstractSocket::AddressInUseError) return false;
    // Without the lock: someone listens, or a socket is left without anyone
    // behind it.
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
