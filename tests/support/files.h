// Files set up and looked at by the tests of the stores.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Sets a file's or folder's permission bits, restoring them when it goes.
struct Mode {
    QString path;
    mode_t restore;
    Mode(const QString& path, mode_t mode, mode_t restore) : path(path), restore(restore) {
        chmod(QFile::encodeName(path).constData(), mode);
    }
    ~Mode() { chmod(QFile::encodeName(path).constData(), restore); }
};

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Whether this process is held to file permissions at the moment.
inline bool permissionsEnforced() {
    QTemporaryDir dir;
    const QString probe = dir.filePath("probe");
    put(probe, "x");
    Mode unreadable(probe, 0, 0644);
    return !QFile(probe).open(QIODevice::ReadOnly);
}

inline ino_t inode(const QString& path) {
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

// A fresh folder made the home folder's parent (home is its "home") and the
// current directory (where a relative folder would lead), with the folder
// variable set as a test row asks: null unsets it, a value starting with '/'
// names a folder inside this one, any other value is set as it stands.
class HomeFolder {
public:
    HomeFolder(const char* variable, const QByteArray& value) {
        QDir::setCurrent(root_.path());
        qputenv("HOME", root_.filePath("home").toLocal8Bit());
        if (value.isNull())
            qunsetenv(variable);
        else
            qputenv(variable, value.startsWith('/') ? root_.path().toLocal8Bit() + value : value);
    }
    ~HomeFolder() {
        qputenv("HOME", home_);
        QDir::setCurrent(current_);
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

    QString path(const QString& relative) const { return root_.filePath(relative); }

private:
    QTemporaryDir root_;
    QByteArray home_ = qgetenv("HOME");
    QString current_ = QDir::currentPath();
};
