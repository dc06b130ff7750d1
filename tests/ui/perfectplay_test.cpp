// Building the whole game from the "Perfect play" dialog, with a stand-in for
// quarn-engine: a shell script that writes what the real build writes. The
// bar follows the build, the placing book follows the tables, Pause and Resume stop and wake the
// process, Cancel ends it, a failed build says why in its program's words, and a build cut short by
// the end of the program goes on at the next start.
#include "platform/config.h"
#include "ui/perfectplaybuild.h"
#include "ui/perfectplaydialog.h"
#include "ui/settings.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

namespace {

// A build that reports a table and its progress, then runs on in small
// steps until it is stopped.
constexpr const char* kLongBuild = "echo disk 3000000000 50000000000\n"
                                   "echo progress 0 100\n"
                                   "echo '3-3          45 positions  win 1  draw 2  loss 3'\n"
                                   "while :; do echo progress 40 100; sleep 0.05; done\n";

// The state letter and the niceness of a process, from its line in /proc;
// "" when it has gone.
QStringList ProcessState(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return {};
    // After the command's name in parentheses: the state is the first field,
    // the niceness the seventeenth.
    const QList<QByteArray> fields = stat.readAll().split(')').last().simplified().split(' ');
    return {QString(fields[0]), QString(fields[16])};
}

template <class T> T* Child(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(name);
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

} // namespace

class PerfectPlayTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Makes `body` the build program; it writes its arguments and its
    // process id to files of the test.
    void fakeEngine(const QByteArray& body) {
        const QString path = dir_.filePath("quarn-engine");
        QFile script(path);
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\necho \"$*\" > '" + dir_.filePath("args").toLocal8Bit() +
                     "'\necho $$ > '" + dir_.filePath("pid").toLocal8Bit() + "'\n" + body);
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("QUARN_ENGINE", path.toLocal8Bit());
        QFile::remove(dir_.filePath("pid"));
    }
    QByteArray written(const char* name) const {
        QFile f(dir_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
    }
    qint64 childPid() const { return written("pid").toLongLong(); }
    static int storedBuilding() {
        Config config(settings::kStore);
        config.setGroup(settings::kGroup);
        return config.readNumEntry(settings::kPerfectPlayBuilding.key, 0);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CACHE_HOME", dir_.filePath("cache").toLocal8Bit());
    }

    void theBuildsLinesAreReadForWhatTheyReport() {
        BuildLine line = ParseBuildLine("disk 2500000000 9000000000\n");
        QCOMPARE(line.kind, BuildLine::Disk);
        QCOMPARE(line.first, 2500000000ull);
        QCOMPARE(line.second, 9000000000ull);
        line = ParseBuildLine("progress 18446744073709551615 18446744073709551615\n");
        QCOMPARE(line.kind, BuildLine::Progress);
        QCOMPARE(line.first, 18446744073709551615ull);
        // Never more done than there is to do.
        QCOMPARE(ParseBuildLine("progress 7 5").first, 5ull);
        line = ParseBuildLine("9-8  526291200 positions  win 1  draw 2  loss 3  longest win 5 "
                              "loss 4  100 bytes  3.10 s\n");
        QCOMPARE(line.kind, BuildLine::Table);
        QCOMPARE(line.table, QString("9-8"));
        QCOMPARE(ParseBuildLine("tables up to 18 pieces in /x: 1234.5 s\n").kind, BuildLine::Done);
        for (const char* other : {"", "progress 5", "progress -1 5", "disk a b", "x-y 5 positions",
                                  "quarn-engine: tables build: failed"})
            QCOMPARE(ParseBuildLine(other).kind, BuildLine::Other);
    }

    void aBuildMovesTheBarAndEndsBuilt() {
        fakeEngine("echo disk 3000000000 50000000000\n"
                   "echo progress 10 100; sleep 0.3\n"
                   "echo '9-8  526 positions  win 1'; echo progress 60 100; sleep 0.3\n"
                   "echo progress 100 100; echo 'tables up to 18 pieces in x: 0.6 s'\n");
        PerfectPlayBuild build;
        PerfectPlayDialog dialog(nullptr, build);
        QSignalSpy built(&build, &PerfectPlayBuild::built);
        Child<QPushButton>(dialog, "build")->click();
        QCOMPARE(build.state(), PerfectPlayBuild::Running);
        QCOMPARE(storedBuilding(), 1);
        auto* bar = dialog.findChild<QProgressBar*>();
        QTRY_COMPARE(bar->value(), 600);
        QVERIFY(Child<QLabel>(dialog, "status")->text().contains("9-8"));
        QVERIFY(Child<QLabel>(dialog, "cost")->text().contains("3.0 GB more"));
        // At the lowest priority, into the user's table folder.
        QCOMPARE(ProcessState(childPid()).value(1), QString("19"));
        QCOMPARE(written("args"), "tables build --max-pieces 18 " +
                                      dir_.filePath("cache/quarn/tables").toLocal8Bit());
        // Then, as its last step, the placing phase is solved over the tables.
        QTRY_COMPARE(written("args"),
                     "tables book " + dir_.filePath("cache/quarn/tables").toLocal8Bit());
        QVERIFY(Child<QLabel>(dialog, "status")->text().contains("placing phase"));
        QTRY_COMPARE(built.count(), 1);
        QCOMPARE(build.state(), PerfectPlayBuild::Done);
        QCOMPARE(storedBuilding(), 0);
        // Said perfect only once the tables opened cover the whole game.
        QVERIFY(Child<QLabel>(dialog, "status")->text().contains("do not cover"));
        QVERIFY(!Child<QPushButton>(dialog, "build")->isHidden());
        dialog.setWholeGameBuilt(true);
        QCOMPARE(Child<QLabel>(dialog, "status")->text(),
                 QString("Built: Master plays perfectly."));
        QVERIFY(Child<QPushButton>(dialog, "build")->isHidden());
    }

    void pauseStopsTheBuildResumeWakesItCancelEndsIt() {
        fakeEngine(kLongBuild);
        PerfectPlayBuild build;
        PerfectPlayDialog dialog(nullptr, build);
        Child<QPushButton>(dialog, "build")->click();
        QTRY_COMPARE(build.done(), 40ull);
        const qint64 pid = childPid();
        Child<QPushButton>(dialog, "pause")->click();
        QTRY_COMPARE(ProcessState(pid).value(0), QString("T"));
        QVERIFY(Child<QPushButton>(dialog, "pause")->isHidden());
        Child<QPushButton>(dialog, "resume")->click();
        QTRY_VERIFY(ProcessState(pid).value(0) != "T");
        Child<QPushButton>(dialog, "cancel")->click();
        QTRY_VERIFY(ProcessState(pid).isEmpty());
        QCOMPARE(build.state(), PerfectPlayBuild::Idle);
        QVERIFY(!Child<QPushButton>(dialog, "build")->isHidden());
        QCOMPARE(storedBuilding(), 0);
    }

    void aPausedBuildCutShortByTheEndOfTheProgramGoesOnAtTheNextStart() {
        fakeEngine(kLongBuild);
        qint64 pid = 0;
        {
            PerfectPlayBuild build;
            build.start();
            QTRY_COMPARE(build.done(), 40ull);
            pid = childPid();
            build.pause();
            QTRY_COMPARE(ProcessState(pid).value(0), QString("T"));
        }
        QVERIFY(ProcessState(pid).isEmpty());
        QCOMPARE(storedBuilding(), 1);
        PerfectPlayBuild next;
        next.resumeInterrupted();
        QCOMPARE(next.state(), PerfectPlayBuild::Running);
        QTRY_COMPARE(next.done(), 40ull);
        QVERIFY(childPid() != pid);
        next.cancel();
    }

    void aFailedBuildSaysWhyInItsProgramsWords() {
        fakeEngine("echo disk 3000000000 10000000\n"
                   "echo 'quarn-engine: tables build: not enough disk space in x: needs 3000 MB, "
                   "10 MB free' >&2\nexit 1\n");
        PerfectPlayBuild build;
        PerfectPlayDialog dialog(nullptr, build);
        Child<QPushButton>(dialog, "build")->click();
        QTRY_COMPARE(build.state(), PerfectPlayBuild::Failed);
        QVERIFY(Child<QLabel>(dialog, "status")->text().contains("needs 3000 MB, 10 MB free"));
        QVERIFY(!Child<QPushButton>(dialog, "build")->isHidden());
        QCOMPARE(storedBuilding(), 0);

        qputenv("QUARN_ENGINE", dir_.filePath("missing").toLocal8Bit());
        build.start();
        QTRY_COMPARE(build.state(), PerfectPlayBuild::Failed);
        QVERIFY(build.error().contains("could not be started"));
    }

    void theTimeLeftIsSaidInMinutesThenHours() {
        QCOMPARE(PerfectPlayDialog::durationText(20), QString("less than a minute"));
        QCOMPARE(PerfectPlayDialog::durationText(14 * 60 + 10), QString("about 14 min"));
        QCOMPARE(PerfectPlayDialog::durationText(2 * 3600 + 5 * 60), QString("about 2 h 05 min"));
    }
};

QTEST_MAIN(PerfectPlayTest)
#include "perfectplay_test.moc"
