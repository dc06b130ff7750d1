// One window per user and kept game. The start that holds a lock decides:
// the lock is an flock() on a file in the user's runtime folder
// ($XDG_RUNTIME_DIR), or beside the kept game when there is none, named
// after the user and the kept game; the kernel releases it when its holder
// ends, however it ends. The holder is the window: it listens on a local
// socket beside the lock, and only it may remove a socket left there by a
// window that crashed. Every later start hands its file argument to the
// window through that socket and ends, so that two windows never overwrite
// each other's game. Nothing depends on TMPDIR. No process stays behind
// when the window closes.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class OneWindow : public QObject {
    Q_OBJECT

public:
    // What a start of the program is to do.
    enum class Start {
        Window,     // open the window: this start holds the lock (or none can be had)
        HandedOver, // end: the window took the request
        NoAnswer,   // end: a window holds the lock but does not listen
    };

    // `store` is where the game is kept; a window keeping it elsewhere is
    // another user's, or a test's. Tries the lock at once.
    explicit OneWindow(const QString& store, QObject* parent = nullptr);
    ~OneWindow() override;
    OneWindow(const OneWindow&) = delete;
    OneWindow& operator=(const OneWindow&) = delete;

    // The socket's path for the store; its lock is this path with ".lock".
    static QString nameFor(const QString& store);

    // Decides this start. The lock's holder listens and is the window. A
    // later start asks the window to come to the front and open `path`
    // (none when empty), waiting while the window is still starting; should
    // the window end meanwhile, this start takes the lock and is the window.
    // Without any lock to take (a folder that cannot be written) the socket
    // alone decides, and a window that cannot listen runs on its own.
    Start start(const QString& path);

signals:
    // A later start asked for the window; `path` is the file to open, or
    // empty.
    void called(const QString& path);

private:
    bool tryLock();
    bool handOver(const QString& path, int connectMs);
    bool listen();
    void answer(class QLocalSocket* socket);

    QString name_;
    int lock_ = -1;     // the lock file, open for the life of the process
    bool held_ = false; // whether this process holds the lock
    QLocalServer server_;
};
