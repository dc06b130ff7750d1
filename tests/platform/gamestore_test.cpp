#include "files.h"
#include "permissions.h"
#include "platform/gamestore.h"

#include <QElapsedTimer>
#include <QtTest>

#include <optional>

using safefile::Content;

class GameStoreTest : public QObject {
    Q_OBJECT

private slots:
    void theGameIsKeptInTheUsersStateFolder_data() {
        QTest::addColumn<QByteArray>("xdg"); // null: unset; a relative path stays relative
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_STATE_HOME") << QByteArray("/state") << "state/quarn";
        QTest::newRow("unset") << QByteArray() << "home/.local/state/quarn";
        QTest::newRow("empty") << QByteArray("") << "home/.local/state/quarn";
        QTest::newRow("relative") << QByteArray("state") << "home/.local/state/quarn";
    }
    void theGameIsKeptInTheUsersStateFolder() {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, folder);
        const HomeFolder root("XDG_STATE_HOME", xdg);
        const GameStore store;
        QCOMPARE(store.path(), root.path(folder + "/game"));
        QCOMPARE(store.read().status, Content::Absent);

        const QByteArray record = "a record\n\0with any bytes\xff"_qba;
        QVERIFY(store.write(record));
        QCOMPARE(contents(store.path()), record);
        const Content read = GameStore().read();
        QCOMPARE(read.status, Content::Read);
        QCOMPARE(read.bytes, record);
        QVERIFY(store.write(""));
        QCOMPARE(store.read().status, Content::Read);
        QCOMPARE(QDir(root.path(folder)).entryList(QDir::Files | QDir::Hidden), {"game"});
    }

    // Each row puts something in the game's place that cannot be used: it
    // reads as unusable, a write fails without a hang, and it stays as it was.
    void aRecordThatCannotBeUsedIsLeftAlone_data() {
        QTest::addColumn<QString>("obstacle");
        for (const char* obstacle :
             {"read-only file", "unreadable file", "directory", "pipe", "file over 1 MiB"})
            QTest::newRow(obstacle) << QString(obstacle);
    }
    void aRecordThatCannotBeUsedIsLeftAlone() {
        QFETCH(QString, obstacle);
        QTemporaryDir dir;
        const GameStore store(dir.filePath("game"));
        const QByteArray before = obstacle == "file over 1 MiB"
                                      ? QByteArray(GameStore::maxSize + 1, '#')
                                      : QByteArray("the game before\n");
        if (obstacle == "directory")
            QVERIFY(QDir().mkdir(store.path()));
        else if (obstacle == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(store.path()).constData(), 0644), 0);
        else
            put(store.path(), before);
        std::optional<Mode> mode;
        if (obstacle == "read-only file") mode.emplace(store.path(), 0444, 0644);
        if (obstacle == "unreadable file") mode.emplace(store.path(), 0, 0644);
        PermissionChecks enforced;
        if (mode && !permissionsEnforced()) QSKIP("file permissions are not enforced here");

        QElapsedTimer timer;
        timer.start();
        const Content read = store.read();
        QCOMPARE(read.status, obstacle == "read-only file" ? Content::Read : Content::Unusable);
        QVERIFY(!store.write("a new game\n"));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed()) + " ms"));
        if (QFileInfo(store.path()).isFile() && obstacle != "unreadable file")
            QCOMPARE(contents(store.path()), before);
    }

    void aRecordTooLargeToReadBackIsNotWritten() {
        QTemporaryDir dir;
        const GameStore store(dir.filePath("game"));
        QVERIFY(store.write("kept"));
        QVERIFY(!store.write(QByteArray(GameStore::maxSize + 1, 'x')));
        QCOMPARE(contents(store.path()), QByteArray("kept"));
    }

    void badRecordsAreSetAsideAndNeverReplaced() {
        QTemporaryDir dir;
        const GameStore store(dir.filePath("game"));
        QCOMPARE(store.setAside(), QString()); // nothing to move
        put(dir.filePath("game.bad.1"), "made by hand");
        QVERIFY(store.write("first"));
        QCOMPARE(store.setAside(), dir.filePath("game.bad"));
        QCOMPARE(store.read().status, Content::Absent);
        QVERIFY(store.write("second"));
        QCOMPARE(store.setAside(), dir.filePath("game.bad.2"));
        QVERIFY(QDir().mkdir(store.path())); // moved as it is, never opened
        QCOMPARE(store.setAside(), dir.filePath("game.bad.3"));
        QCOMPARE(contents(dir.filePath("game.bad")), QByteArray("first"));
        QCOMPARE(contents(dir.filePath("game.bad.1")), QByteArray("made by hand"));
        QCOMPARE(contents(dir.filePath("game.bad.2")), QByteArray("second"));
        QVERIFY(QFileInfo(dir.filePath("game.bad.3")).isDir());

        // In a folder that cannot be changed the record stays where it is.
        QVERIFY(store.write("third"));
        const Mode readOnly(dir.path(), 0555, 0755);
        PermissionChecks enforced;
        if (!permissionsEnforced()) QSKIP("file permissions are not enforced here");
        QCOMPARE(store.setAside(), QString());
        QCOMPARE(contents(store.path()), QByteArray("third"));
    }
};

QTEST_GUILESS_MAIN(GameStoreTest)
#include "gamestore_test.moc"
