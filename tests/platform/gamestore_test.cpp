#include "engine/record.h"
#include "platform/gamestore.h"
#include "platform/recentgames.h"
#include "support/files.h"
#include "support/permissions.h"

#include <QtTest>

using safefile::Content;

// The longest game a record may hold can be kept.
static_assert(GameStore::maxSize == kMaxRecordBytes);

class GameStoreTest : public QObject {
    Q_OBJECT

private slots:
    void theGameIsKeptInTheUsersStateFolder_data() {
        QTest::addColumn<QByteArray>("xdg"); // null: unset; a relative path stays relative
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_STATE_HOME") << QByteArray("/state") << "state/quarn";
        QTest::newRow("unset") << QByteArray() << "home/.local/state/quarn";
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
        const Content read = GameStore().read();
        QCOMPARE(read.status, Content::Read);
        QCOMPARE(read.bytes, record);
        QVERIFY(!store.write(QByteArray(GameStore::maxSize + 1, 'x'))); // could not be read back
        QVERIFY(store.write(""));
        QCOMPARE(store.read().status, Content::Read); // an empty record is still there
    }

    // A file too large to be a game reads as unusable, one the user made
    // read-only reads as usual; neither is written over. (Folders, pipes and
    // unreadable files in the way are tried with the settings store, which
    // reads and writes the same way.)
    void aFileThatMayNotBeReplacedIsLeftAlone() {
        QTemporaryDir dir;
        const GameStore store(dir.filePath("game"));
        const QByteArray huge(GameStore::maxSize + 1, '#');
        put(store.path(), huge);
        QCOMPARE(store.read().status, Content::Unusable);
        QVERIFY(!store.write("a new game\n"));
        QCOMPARE(contents(store.path()), huge);

        const QByteArray before = "the game before\n";
        put(store.path(), before);
        const Mode readOnly(store.path(), 0444, 0644);
        PermissionChecks enforced;
        if (!permissionsEnforced()) QSKIP("file permissions are not enforced here");
        QCOMPARE(store.read().bytes, before);
        QVERIFY(!store.write("a new game\n"));
        QCOMPARE(contents(store.path()), before);
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

    // The games that ended go to the user's data folder; the newest 20 are
    // kept and listed newest first, and nothing else there is touched.
    void onlyTheNewestFinishedGamesAreKept() {
        const HomeFolder root("XDG_DATA_HOME", QByteArray());
        const RecentGames recent;
        QCOMPARE(recent.folder(), root.path("home/.local/share/quarn/recent"));
        QVERIFY(recent.paths().isEmpty());
        QVERIFY(QDir().mkpath(recent.folder()));
        put(recent.folder() + "/notes.txt", "mine");
        for (int game = 0; game < RecentGames::kept + 2; ++game)
            QVERIFY(recent.add("game " + QByteArray::number(game)));
        const QStringList paths = recent.paths();
        QCOMPARE(paths.size(), RecentGames::kept);
        QCOMPARE(contents(paths.first()), QByteArray("game 21"));
        QCOMPARE(contents(paths.last()), QByteArray("game 2"));
        QCOMPARE(contents(recent.folder() + "/notes.txt"), QByteArray("mine"));
    }
};

QTEST_GUILESS_MAIN(GameStoreTest)
#include "gamestore_test.moc"
