#include "platform/config.h"
#include "support/files.h"
#include "support/permissions.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

using Values = std::array<int, 3>; // PlayerColor, Level, Animations

namespace {

// A configuration folder of the test's own: no test touches the user's.
struct Folder {
    QTemporaryDir dir;
    Folder() { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }
    QString path(const QString& name = "Quarn.conf") const { return dir.filePath(name); }
    QStringList entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
};

Values readValues() {
    Config config("Quarn");
    config.setGroup("Settings");
    return {config.readNumEntry("PlayerColor"), config.readNumEntry("Level"),
            config.readNumEntry("Animations")};
}

// Whether the store says it saved them.
bool writeValues(Values values) {
    Config config("Quarn", Config::User);
    config.setGroup("Settings");
    config.writeEntry("PlayerColor", values[0]);
    config.writeEntry("Level", values[1]);
    config.writeEntry("Animations", values[2]);
    return config.save();
}

} // namespace

class ConfigTest : public QObject {
    Q_OBJECT

private slots:
    void theStoreIsAPlainFileInTheUsersConfigurationFolder_data() {
        QTest::addColumn<QByteArray>("xdg"); // null: unset; a relative path stays relative
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/xdg") << "xdg";
        QTest::newRow("a folder still to be made") << QByteArray("/xdg/new/one") << "xdg/new/one";
        QTest::newRow("unset") << QByteArray() << "home/.config";
        QTest::newRow("empty") << QByteArray("") << "home/.config";
        QTest::newRow("relative") << QByteArray("xdg") << "home/.config";
    }
    void theStoreIsAPlainFileInTheUsersConfigurationFolder() {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, folder);
        const HomeFolder root("XDG_CONFIG_HOME", xdg);
        QCOMPARE(readValues(), (Values{-1, -1, -1}));
        writeValues({1, 4, 0});
        const QDir store(root.path(folder));
        QCOMPARE(contents(store.filePath("Quarn.conf")),
                 QByteArray("[Settings]\nPlayerColor=1\nLevel=4\nAnimations=0\n"));
        QCOMPARE(store.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Quarn.conf"});
        QCOMPARE(readValues(), (Values{1, 4, 0}));
    }

    void savingReplacesTheFileInOneStep() {
        Folder folder;
        writeValues({0, 1, 1});
        const ino_t before = inode(folder.path());
        {
            Config config("Quarn");
            config.setGroup("Settings");
            config.writeEntry("Level", 2);
            config.writeEntry("Level", 3);
            QCOMPARE(config.readNumEntry("Level"), 3); // what was written, before the save
            QCOMPARE(inode(folder.path()), before);
        }
        QVERIFY(inode(folder.path()) != before); // renamed over, not rewritten in place
        QCOMPARE(readValues(), (Values{0, 3, 1}));
        QCOMPARE(folder.entries(), QStringList{"Quarn.conf"});

        // A store kept elsewhere and linked in stays linked.
        QVERIFY(QFile::rename(folder.path(), folder.path("elsewhere.conf")));
        QVERIFY(QFile::link(folder.path("elsewhere.conf"), folder.path()));
        writeValues({1, 0, 0});
        QVERIFY(QFileInfo(folder.path()).isSymLink());
        QCOMPARE(contents(folder.path("elsewhere.conf")),
                 QByteArray("[Settings]\nPlayerColor=1\nLevel=0\nAnimations=0\n"));
    }

    void onlyWholeNumbersCount_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("read");
        QTest::newRow("3") << QByteArray("3") << 3;
        QTest::newRow("-2") << QByteArray("-2") << -2;
        QTest::newRow("+7") << QByteArray("+7") << 7;
        QTest::newRow("blanks around") << QByteArray(" \t9 ") << 9;
        QTest::newRow("007") << QByteArray("007") << 7;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << -2147483647 - 1;
        for (const char* text : {"", "abc", "2.5", "99999999999", "2147483648", "-2147483649",
                                 "1 2", "0x10", "3abc", "1e3", "+", "--1", "+-1", "\"3\""})
            QTest::newRow(text) << QByteArray(text) << -1;
    }
    void onlyWholeNumbersCount() {
        QFETCH(QByteArray, stored);
        QFETCH(int, read);
        Folder folder;
        put(folder.path(), "[Settings]\nLevel=" + stored + "\n");
        Config config("Quarn");
        config.setGroup("Settings");
        QCOMPARE(config.readNumEntry("Level"), read);
        QCOMPARE(config.readNumEntry("Level", 4), read == -1 ? 4 : read);
    }

    // A text entry reads back as written; one that would not (a line
    // break, blanks at an end) leaves the entry as it was.
    void aTextEntryReadsBackAsWritten() {
        Folder folder;
        {
            Config config("Quarn");
            config.setGroup("Settings");
            QCOMPARE(config.readEntry("LastFolder", "none"), QString("none"));
            config.writeEntry("LastFolder", QString("/home/zoë/Mühle = games"));
            config.writeEntry("LastFolder", QString("/two\nlines"));
            config.writeEntry("LastFolder", QString(" /padded"));
        }
        Config config("Quarn");
        config.setGroup("Settings");
        QCOMPARE(config.readEntry("LastFolder"), QString("/home/zoë/Mühle = games"));
    }

    // Each row: the file before, what it reads as, the file after writing
    // PlayerColor 1, Level 3, Animations 1.
    void savingRewritesOnlyOurKeys_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Values>("read");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray() << Values{-1, -1, -1}
                                 << QByteArray(
                                        "[Settings]\nPlayerColor=1\nLevel=3\nAnimations=1\n");
        QTest::newRow("empty") << QByteArray("") << Values{-1, -1, -1}
                               << QByteArray("[Settings]\nPlayerColor=1\nLevel=3\nAnimations=1\n");
        QTest::newRow("edited by hand")
            << QByteArray("; kept\ntop=level\n[Window]\npath=C:\\dir\\new\nnote=a;b \"q\"\n"
                          "[Settings]\nLevel=9\nLevel = 2 \nExtra=kept\n# kept too\n\n"
                          "[Other]\nPlayerColor=1\n[Settings]\nAnimations=0\n")
            << Values{-1, 2, 0}
            << QByteArray("; kept\ntop=level\n[Window]\npath=C:\\dir\\new\nnote=a;b \"q\"\n"
                          "[Settings]\nLevel=3\nLevel=3\nExtra=kept\n# kept too\n\n"
                          "[Other]\nPlayerColor=1\n[Settings]\nAnimations=1\nPlayerColor=1\n");
        QTest::newRow("windows line ends")
            << QByteArray("[Settings]\r\nLevel=2\r\n") << Values{-1, 2, -1}
            << QByteArray("[Settings]\r\nLevel=3\r\nPlayerColor=1\r\nAnimations=1\r\n");
        QTest::newRow("broken header, no final line break")
            << QByteArray("[Settings\nLevel=4") << Values{-1, -1, -1}
            << QByteArray(
                   "[Settings\nLevel=4\n\n[Settings]\nPlayerColor=1\nLevel=3\nAnimations=1\n");
    }
    void savingRewritesOnlyOurKeys() {
        QFETCH(QByteArray, before);
        QFETCH(Values, read);
        QFETCH(QByteArray, after);
        Folder folder;
        if (!before.isNull()) put(folder.path(), before);
        QCOMPARE(readValues(), read);
        QVERIFY(writeValues({1, 3, 1}));
        QCOMPARE(contents(folder.path()), after);
        QCOMPARE(readValues(), (Values{1, 3, 1}));
    }

    void garbageAndHugeFilesKeepTheirBytes() {
        Folder folder;
        QByteArray garbage(64 * 1024, '\0');
        QRandomGenerator random(7);
        for (char& byte : garbage) byte = char(random.bounded(256));
        put(folder.path(), garbage);
        QCOMPARE(readValues(), (Values{-1, -1, -1}));
        writeValues({1, 2, 1});
        QVERIFY(contents(folder.path()).startsWith(garbage));
        QCOMPARE(readValues(), (Values{1, 2, 1}));

        QByteArray huge = "[Settings]\nLevel=3\n";
        while (huge.size() < 10 * 1024 * 1024) huge += "a junk line without any meaning at all\n";
        put(folder.path(), huge);
        QCOMPARE(readValues(), (Values{-1, 3, -1}));
        QVERIFY(writeValues({1, 4, 1}));
        QCOMPARE(contents(folder.path()),
                 "[Settings]\nLevel=4\nPlayerColor=1\nAnimations=1\n" + huge.mid(19));
    }

    // Each row makes the store unusable in one way: the program must neither
    // hang nor crash, and whatever stood there stays as it was.
    void aStoreThatCannotBeUsedIsLeftAlone_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("level"); // what Level reads as
        for (const auto& [obstacle, level] : std::initializer_list<std::pair<const char*, int>>{
                 {"read-only folder", 2},
                 {"read-only folder with a lock left behind", 2},
                 {"read-only file", 2},
                 {"unreadable file", -1},
                 {"directory as the file", -1},
                 {"directory as the lock", 2},
                 {"pipe as the file", -1},
                 {"file over 16 MiB", -1}})
            QTest::newRow(obstacle) << QString(obstacle) << level;
    }
    void aStoreThatCannotBeUsedIsLeftAlone() {
        QFETCH(QString, obstacle);
        QFETCH(int, level);
        Folder folder;
        const QString store = folder.path();
        QByteArray before = "[Settings]\nLevel=2\n";
        if (obstacle == "file over 16 MiB") before += QByteArray(16 * 1024 * 1024, '#');
        if (obstacle == "directory as the file")
            QVERIFY(QDir().mkdir(store));
        else if (obstacle == "pipe as the file")
            QCOMPARE(mkfifo(QFile::encodeName(store).constData(), 0644), 0);
        else
            put(store, before);
        if (obstacle.contains("lock left behind"))
            put(store + ".lock", "2147483646\nquarn\nhost\n");
        if (obstacle == "directory as the lock") QVERIFY(QDir().mkdir(store + ".lock"));
        const QStringList entries = folder.entries();
        const ino_t node = inode(store);

        const bool readOnlyFolder = obstacle.startsWith("read-only folder");
        std::optional<Mode> mode;
        if (readOnlyFolder) mode.emplace(folder.dir.path(), 0555, 0755);
        if (obstacle == "read-only file") mode.emplace(store, 0444, 0644);
        if (obstacle == "unreadable file") mode.emplace(store, 0, 0644);
        PermissionChecks enforced;
        if (mode && !permissionsEnforced()) QSKIP("file permissions are not enforced here");

        // A lock that cannot be taken is waited for a bounded time; the
        // test's time limit catches a wait for ever.
        QCOMPARE(readValues()[1], level);
        QVERIFY(!writeValues({1, 3, 1}));
        QCOMPARE(folder.entries(), entries);
        QCOMPARE(inode(store), node);
        if (QFileInfo(store).isFile() && obstacle != "unreadable file")
            QCOMPARE(contents(store), before);
        QCOMPARE(QFileInfo(store).isDir(), obstacle == "directory as the file");
    }

    void aFullDiskLeavesTheStoreAsItWas_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("written in one flush") << 4000;
        QTest::newRow("written past the buffer") << 1000000;
    }
    void aFullDiskLeavesTheStoreAsItWas() {
        QFETCH(int, size);
        Folder folder;
        const QByteArray before = "[Settings]\nLevel=2\n; " + QByteArray(size, 'x') + "\n";
        put(folder.path(), before);
        // The process may write files of the store's size but no larger,
        // as on a disk that is full; the lock file is much smaller.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = before.size() + 8;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const bool saved = writeValues({1, 3, 1});
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QVERIFY(!saved);
        QCOMPARE(contents(folder.path()), before);
        QCOMPARE(folder.entries(), QStringList{"Quarn.conf"});
    }

    // A store at the size limit that one change would grow past it is left
    // as it is, and the failure is told: written, it could not be read again.
    void aStoreIsNeverWrittenPastWhatCanBeRead() {
        Folder folder;
        QByteArray before = "[Settings]\nLevel=2\n";
        before += QByteArray(16 * 1024 * 1024 - before.size() - 1, '#') + '\n';
        put(folder.path(), before);
        QCOMPARE(readValues()[1], 2);
        QVERIFY(!writeValues({1, 3, 1}));
        QCOMPARE(contents(folder.path()), before);
        QCOMPARE(readValues()[1], 2);

        Config config("Quarn");
        config.setGroup("Settings");
        config.writeEntry("Level", 2); // the line as it stands: nothing grows
        QVERIFY(config.save());
        QVERIFY(config.save());
        QCOMPARE(contents(folder.path()), before);
    }
};

QTEST_GUILESS_MAIN(ConfigTest)
#include "config_test.moc"
