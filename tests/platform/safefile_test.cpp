// Replacing a file either leaves it whole with the new content or as it
// was, and says which; never a half-written file reported as saved.
#include "platform/safefile.h"
#include "support/files.h"
#include "support/permissions.h"

#include <QtTest>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 kLimit = 64 * 1024;

// Runs safefile::write in a child process held to files of `maxFileBytes`
// with SIGXFSZ ignored, as a shell's `ulimit -f` leaves a program that
// ignores the signal. Returns the child's exit status: 0 when the write
// reported failure, 1 when it reported success, -1 when it was killed.
int writeUnderFileSizeLimit(const QString& path, const QByteArray& bytes, rlim_t maxFileBytes) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{maxFileBytes, maxFileBytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
        _exit(safefile::write(path, bytes, kLimit) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs safefile::write into `folder` after mounting a file system there,
// in a mount namespace of a child process, and filling it up: `leaveRoom`
// bytes are left free. Returns the reason the write gave, "written" when it
// reported success, or nothing when no file system can be mounted here (the
// test is not run as root).
std::optional<QString> whyWriteFailsOnAFullDisk(const QString& folder, qint64 leaveRoom) {
    int channel[2];
    if (pipe(channel) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const QByteArray where = QFile::encodeName(folder);
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
            _exit(2);
        // Fills the file system but for `leaveRoom` bytes.
        QFile filler(folder + "/filler");
        if (!filler.open(QIODevice::WriteOnly)) _exit(3);
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
        }
        filler.close();
        filler.resize(std::max<qint64>(0, filler.size() - leaveRoom));
        QString why;
        const QByteArray said =
            safefile::write(folder + "/game", QByteArray(8192, 'g'), kLimit, &why)
                ? QByteArray("written")
                : why.toUtf8();
        _exit(write(channel[1], said.constData(), static_cast<size_t>(said.size())) == said.size()
                  ? 0
                  : 3);
    }
    close(channel[1]);
    QByteArray said;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return std::nullopt;
    return QString::fromUtf8(said);
}

} // namespace

class SafeFileTest : public QObject {
    Q_OBJECT

private slots:
    void aWriteCutShortByTheFileSizeLimitFailsAndKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("game");
        const QByteArray before = "the game before\n";
        put(path, before);
        QCOMPARE(writeUnderFileSizeLimit(path, QByteArray(20000, 'x'), 4096), 0);
        QCOMPARE(contents(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game"});
        QCOMPARE(writeUnderFileSizeLimit(path, "a new game\n", 4096), 1);
        QCOMPARE(contents(path), QByteArray("a new game\n"));
    }

    // A full disk is told as such, whether even the lock cannot be written
    // or only the new content cannot.
    void aFullDiskIsToldAsAFullDisk() {
        QTemporaryDir dir;
        for (const qint64 room : {0, 4096}) {
            const std::optional<QString> why = whyWriteFailsOnAFullDisk(dir.path(), room);
            if (!why) QSKIP("no file system can be mounted here");
            QCOMPARE(*why, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        }
    }

    // What is written must read back: content over the reader's limit is refused.
    void contentOverTheLimitIsNeverWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath("store");
        put(path, "before\n");
        QVERIFY(!safefile::write(path, QByteArray(kLimit + 1, 'x'), kLimit));
        QCOMPARE(contents(path), QByteArray("before\n"));
        QVERIFY(safefile::write(path, QByteArray(kLimit, 'x'), kLimit));
        QCOMPARE(safefile::read(path, kLimit).status, safefile::Content::Read);
    }

    // Each row puts something in the way of the file; the write must report
    // failure and leave what stands there as it was.
    void aFileThatCannotBeWrittenIsReportedAsNotWritten_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("dangling symbolic link") << "dangling symbolic link";
        QTest::newRow("regular file as the folder") << "regular file as the folder";
        QTest::newRow("read-only folder") << "read-only folder";
    }
    void aFileThatCannotBeWrittenIsReportedAsNotWritten() {
        QFETCH(QString, obstacle);
        QTemporaryDir dir;
        QString path = dir.filePath("state/quarn/game");
        QVERIFY(QDir().mkpath(dir.filePath("state/quarn")));
        std::optional<Mode> readOnly;
        if (obstacle == "dangling symbolic link") {
            QVERIFY(QFile::link(dir.filePath("gone/game"), path));
        } else if (obstacle == "regular file as the folder") {
            put(dir.filePath("file"), "not a folder\n");
            path = dir.filePath("file/quarn/game");
        } else {
            readOnly.emplace(dir.filePath("state/quarn"), 0555, 0755);
        }
        PermissionChecks enforced;
        if (readOnly && !permissionsEnforced()) QSKIP("file permissions are not enforced here");
        QVERIFY(!safefile::write(path, "a game\n", kLimit));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(dir.filePath("gone")));
        QCOMPARE(contents(dir.filePath("file")), obstacle == "regular file as the folder"
                                                     ? QByteArray("not a folder\n")
                                                     : QByteArray());
    }
};

QTEST_GUILESS_MAIN(SafeFileTest)
#include "safefile_test.moc"
