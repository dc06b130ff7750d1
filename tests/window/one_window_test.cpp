// Real starts of the program: a second start by the same user hands its file
// to the first window and ends, a socket left by a window that crashed is
// taken over, two starts at once leave one window, and a file size limit
// makes the window's writes fail instead of ending it. The windows open on an
// X server of the test's own (Xvfb), or offscreen where none is shown.
#include "support/window_fixture.h"
#include "support/x_server.h"

#include "platform/gamestore.h"
#include "ui/onewindow.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Waits up to `ms` for `done`, letting events run.
template <class Done> bool WaitFor(Done&& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(20);
    }
    return true;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A game record of two moves at `path`.
void WriteRecord(const QString& path) {
    QFile record(path);
    QVERIFY(record.open(QIODevice::WriteOnly));
    record.write("# Quarn game record\n1. a1 b2\n");
}

// A socket file with nobody behind it, as a window that crashed leaves it.
bool LeaveStaleSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || name.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return bound;
}

} // namespace

class OneWindowTest : public QObject {
    Q_OBJECT

    XServer x;
    QTemporaryDir runtime; // the runtime folder of the test's windows, where their locks are

    // `program` on the test's X server, or on `platform` when one is given.
    void start(QProcess& process, const QString& program, const QStringList& arguments,
               const QString& platform = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
        env.insert("DISPLAY", x.display());
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY(process.waitForStarted());
    }

private slots:
    void initTestCase() {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QVERIFY2(x.start(), "Xvfb is needed (package xvfb)");
    }

    void aSecondStartHandsItsFileToTheFirstWindow() {
        ConfigFolder folder;
        const QString name = OneWindow::nameFor(GameStore().path());
        QVERIFY(QDir().mkpath(QFileInfo(name).absolutePath()));
        QVERIFY(LeaveStaleSocket(name));
        const QString file = folder.path() + "/handed.quarn";
        WriteRecord(file);

        QProcess first;
        start(first, QUARN_PROGRAM, {});
        const auto listening = [&] {
            QLocalSocket probe;
            probe.connectToServer(name);
            return probe.waitForConnected(100);
        };
        QVERIFY2(WaitFor(listening, 10000), "the first window takes the stale socket over");

        QProcess second;
        start(second, QUARN_PROGRAM, {file});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // The first window opened the file, and keeps it as its game.
        QVERIFY(WaitFor([&] { return Read(folder.gameFile()).contains("1. a1 b2"); }, 10000));
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished());
    }

    // Each pair starts at once, the second with a temporary folder of its
    // own; the window is then killed, leaving its socket for the next pair.
    void simultaneousStartsLeaveOneWindow() {
        ConfigFolder folder;
        QTemporaryDir otherTemp;
        for (int pair = 0; pair < 20; ++pair) {
            QProcess a, b;
            start(a, QUARN_PROGRAM, {}, "offscreen");
            start(b, "env", {"TMPDIR=" + otherTemp.path(), QUARN_PROGRAM}, "offscreen");
            // One start hands over and ends; the other stays as the window.
            QVERIFY(WaitFor([&] { return a.state() != b.state(); }, 10000));
            QProcess& ended = a.state() == QProcess::NotRunning ? a : b;
            QProcess& window = &ended == &a ? b : a;
            QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
            QVERIFY2(ended.exitCode() == 0, ended.readAllStandardError().constData());
            // It handed over to the other, which listens and is the window.
            QCOMPARE(window.state(), QProcess::Running);
            window.kill();
            QVERIFY(window.waitForFinished());
        }
    }

    void aFileSizeLimitMakesWritesFailNotTheWindow() {
        ConfigFolder folder;
        const QString file = folder.path() + "/limited.quarn";
        WriteRecord(file);
        // Keeping the opened game writes a file; with no size allowed, the
        // write fails and the window goes on.
        QProcess limited;
        start(limited, "sh", {"-c", "ulimit -f 0; exec \"$0\" \"$1\"", QUARN_PROGRAM, file});
        QVERIFY(!limited.waitForFinished(3000));
        QVERIFY(!QFile::exists(folder.gameFile()));
        limited.terminate();
        QVERIFY(limited.waitForFinished());
    }
};

QTEST_MAIN(OneWindowTest)
#include "one_window_test.moc"
