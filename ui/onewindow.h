// One window per user and kept game: the first start of the program listens
// on a local socket named after the user and the folder of the kept game;
// a later start hands its file argument to that window and ends, so that
// two windows never overwrite each other's game. No process stays behind
// when the window closes.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class OneWindow : public QObject {
    Q_OBJECT

public:
    // `store` is where the game is kept; a window keeping it elsewhere is
    // another user's, or a test's.
    explicit OneWindow(const QString& store, QObject* parent = nullptr);

    // The socket's name for the store.
    static QString nameFor(const QString& store);

    // Asks the first window, if one answers, to come to the front and open
    // `path` (none when empty); true when it has been asked, and this start
    // is to end.
    bool handOver(const QString& path);
    // Makes this the first window. A socket left by a first window that
    // ended without closing it (a crash) is removed. False when the socket
    // could not be taken; the window then runs on its own.
    bool listen();

signals:
    // A later start asked for the window; `path` is the file to open, or
    // empty.
    void called(const QString& path);

private:
    void answer(class QLocalSocket* socket);

    QString name_;
    QLocalServer server_;
};
