// An X server of the test's own (Xvfb), ready once it answers: a client
// connected the way Xlib and xcb connect (the abstract socket first, then
// the socket file) completes the X handshake with this very process. A
// socket file, or another server behind the same display number (one in
// another file system namespace holds the abstract socket), is not enough;
// the server then moves on to another number.
#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>

class XServer {
public:
    enum class Answer { None, Ours, Another };

    ~XServer() {
        xvfb_.terminate();
        xvfb_.waitForFinished();
    }

    // Starts Xvfb on a display that answers as its own; false when none
    // did within a few tries.
    bool start() {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const int number = 100 + (static_cast<int>(getpid()) * 7 + attempt * 37) % 800;
            if (QFile::exists(QString("/tmp/.X%1-lock").arg(number))) continue;
            xvfb_.start("Xvfb", {QString(":%1").arg(number), "-screen", "0", "800x600x24",
                                 "-nolisten", "tcp"});
            if (!xvfb_.waitForStarted()) return false;
            QDeadlineTimer deadline(10000);
            Answer answer = Answer::None;
            while (xvfb_.state() == QProcess::Running && !deadline.hasExpired() &&
                   (answer = answers(number, xvfb_.processId())) == Answer::None)
                QThread::msleep(20);
            if (answer == Answer::Ours) {
                display_ = QString(":%1").arg(number);
                return true;
            }
            xvfb_.kill(); // the number is taken, here or elsewhere
            xvfb_.waitForFinished();
        }
        return false;
    }

    QString display() const { return display_; }

    // Whether the server of display `number` completes the X handshake,
    // and whether it is the process `pid`.
    static Answer answers(int number, qint64 pid) {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        for (const bool abstract : {true, false}) {
            const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            path.copy(address.sun_path + (abstract ? 1 : 0), path.size());
            const auto length =
                static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
            if (connect(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
                const int error = errno;
                close(fd);
                // Only a missing or refusing abstract socket sends a client on.
                if (abstract && (error == ENOENT || error == ECONNREFUSED)) continue;
                return Answer::None;
            }
            const Answer answer = handshake(fd, pid);
            close(fd);
            return answer;
        }
        return Answer::None;
    }

private:
    // The connection setup of the X protocol 11.0, little-endian, without
    // authorisation; its first reply byte is 1 on success.
    static Answer handshake(int fd, qint64 pid) {
        const char setup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        if (write(fd, setup, sizeof setup) != static_cast<ssize_t>(sizeof setup))
            return Answer::None;
        pollfd readable{fd, POLLIN, 0};
        char status = 0;
        if (poll(&readable, 1, 2000) != 1) return Answer::None;
        if (read(fd, &status, 1) != 1 || status != 1)
            return Answer::Another; // refused: another server, or not an X server
        ucred peer{};
        socklen_t size = sizeof peer;
        if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return Answer::None;
        return peer.pid == pid ? Answer::Ours : Answer::Another;
    }

    QProcess xvfb_;
    QString display_;
};
