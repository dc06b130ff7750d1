// Building the tables of the whole game, so that Master plays perfectly: the
// terminal program `quarn-engine tables build --max-pieces 18 FOLDER`, then
// `quarn-engine tables book FOLDER` (the placing phase solved from the first
// move), each run as a child process at the lowest priority, its report read
// line by line while the window goes on. Pause stops the child and Resume lets it go on; Cancel
// and the end of the program terminate it. The build is resumable (it writes
// its files table by table, each whole or not at all), so a build that was
// running when the program ended is started again at the next start: the
// settings store remembers that one was running.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <cstdint>

class EndgameTables;

// What the whole set costs, before its build has said: the figures of a
// 2-core machine, scaled by the cores of this one for the time.
struct WholeGameCost {
    std::uint64_t positions;        // after the board's symmetries
    std::uint64_t bytes;            // on disk
    double tablesSecondsOnTwoCores; // wall time of the tables, on every core
    double bookSecondsOnTwoCores;   // then of the placing book, on two threads
    // The whole build's seconds, and the book's, on a machine of `cores`.
    double seconds(int cores) const {
        return tablesSecondsOnTwoCores * 2 / cores + bookSeconds(cores);
    }
    double bookSeconds(int cores) const { return bookSecondsOnTwoCores * 2 / std::min(cores, 2); }
};
inline constexpr WholeGameCost kWholeGameCost{8'904'593'601, 4'845'664'369, 7337.0, 720.0};

// The placing book of the whole game goes this deep; a shallower one (such
// as one installed with the game) leaves later placing positions to solves.
inline constexpr int kWholeGameBookPlies = 10;

// Whether `tables` cover every position of the moving phase, with the book
// of the whole game.
bool PlaysPerfectly(const EndgameTables& tables);

// One line of the build's standard output.
struct BuildLine {
    enum Kind {
        Other,    // anything else: ignored
        Disk,     // "disk <needed bytes> <free bytes>", once at the start
        Progress, // "progress <done> <total>": work units
        Table,    // a table's report, "9-8  526... positions ..."
        Done,     // "tables up to 18 pieces in FOLDER: 1234.5 s"
    };
    Kind kind = Other;
    std::uint64_t first = 0, second = 0; // needed and free, or done and total
    QString table;                       // "9-8" for a Table line
};
BuildLine ParseBuildLine(const QByteArray& line);

class PerfectPlayBuild : public QObject {
    Q_OBJECT

public:
    enum State { Idle, Running, Paused, Done, Failed };

    explicit PerfectPlayBuild(QObject* parent = nullptr);
    // A build still running is terminated; it is started again at the next
    // start of the program.
    ~PerfectPlayBuild() override;

    // The program that builds: $QUARN_ENGINE when set, else quarn-engine
    // beside the running program or where a build tree keeps it, else on
    // the PATH; empty when none is found.
    static QString engineProgram();
    // Where the tables go: the user's table folder; empty when unknown.
    static QString folder();

    // Starts the build (Idle, Done or Failed); says why not in error().
    void start();
    // Starts it again if it was running when the program last ended.
    void resumeInterrupted();
    void pause();
    void resume();
    // Terminates the build; what it wrote stays, and Build goes on from it.
    void cancel();

    State state() const { return state_; }
    // Whether the build is at its last step, the placing book (which says
    // nothing of its progress).
    bool solvingPlacing() const { return step_ == Step::Book; }
    // Work units done and in all, 0 of 0 until the build says.
    std::uint64_t done() const { return done_; }
    std::uint64_t total() const { return total_; }
    // Bytes the missing tables need at most, and free in the folder; 0
    // until the build says.
    std::uint64_t neededBytes() const { return needed_; }
    std::uint64_t freeBytes() const { return free_; }
    // The table being built ("9-8"), after the first report; else empty.
    const QString& table() const { return table_; }
    // Seconds left at the rate of this run; negative while unknown.
    double secondsLeft() const;
    // Why the last build stopped, in the words of its program where it said.
    const QString& error() const { return error_; }

signals:
    // After every change of what the getters return.
    void changed();
    // The build ended with every table written.
    void built();

private:
    enum class Step { Tables, Book };
    void launch(Step step);
    void readOutput();
    void ended(int exitCode, QProcess::ExitStatus status);
    void failedToStart();
    void setState(State state);
    static void remember(bool building);

    QProcess* process_ = nullptr; // the running build, if any
    State state_ = Idle;
    Step step_ = Step::Tables;
    std::uint64_t done_ = 0, total_ = 0, needed_ = 0, free_ = 0;
    QString table_;
    QString error_;
    // The rate: units done at the first report of this run, and the time
    // since; pauses are not counted.
    std::uint64_t firstDone_ = 0;
    bool timed_ = false;
    QElapsedTimer clock_;
    qint64 pausedMillis_ = 0;
    QElapsedTimer pausedSince_;
};
