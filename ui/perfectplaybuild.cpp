#include "ui/perfectplaybuild.h"

#include "engine/endgame/endgame.h"
#include "platform/config.h"
#include "ui/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#include <signal.h>
#include <sys/resource.h>

namespace {

// The lowest priority a process can take: the build only uses what the
// window and the user's other programs leave.
constexpr int kBuildNiceness = 19;

// How long the end of the program waits for a terminated build.
constexpr int kEndMillis = 3000;

// Both numbers of "word <n> <m>", if that is what `words` hold.
bool TwoNumbers(const QList<QByteArray>& words, std::uint64_t& first, std::uint64_t& second) {
    if (words.size() != 3) return false;
    bool ok1 = false, ok2 = false;
    first = words[1].toULongLong(&ok1);
    second = words[2].toULongLong(&ok2);
    return ok1 && ok2;
}

// A table's name: the side to move's count, a dash, the other side's.
bool IsTableName(const QByteArray& word) {
    const int dash = static_cast<int>(word.indexOf('-'));
    bool ok1 = false, ok2 = false;
    word.left(dash).toInt(&ok1);
    word.mid(dash + 1).toInt(&ok2);
    return dash > 0 && ok1 && ok2;
}

void Signal(const QProcess* process, int signal) {
    if (process->processId() > 0) kill(static_cast<pid_t>(process->processId()), signal);
}

// Asks `process` to end, paused or not; `listener` hears no more of it.
void Terminate(QProcess* process, QObject* listener) {
    process->disconnect(listener);
    process->terminate();
    Signal(process, SIGCONT); // a stopped process acts on nothing else
}

} // namespace

bool PlaysPerfectly(const EndgameTables& tables) {
    const PlacingBook* book = tables.placingBook();
    return tables.maxPieces() >= kWholeSetPieces && book != nullptr &&
           book->deepest() >= kWholeGameBookPlies;
}

BuildLine ParseBuildLine(const QByteArray& line) {
    const QList<QByteArray> words = line.simplified().split(' ');
    BuildLine parsed;
    if (words[0] == "disk" && TwoNumbers(words, parsed.first, parsed.second)) {
        parsed.kind = BuildLine::Disk;
    } else if (words[0] == "progress" && TwoNumbers(words, parsed.first, parsed.second)) {
        parsed.kind = BuildLine::Progress;
        parsed.first = std::min(parsed.first, parsed.second);
    } else if (words.size() > 2 && words[2] == "positions" && IsTableName(words[0])) {
        parsed.kind = BuildLine::Table;
        parsed.table = QString::fromLatin1(words[0]);
    } else if (line.startsWith("tables up to ")) {
        parsed.kind = BuildLine::Done;
    }
    return parsed;
}

PerfectPlayBuild::PerfectPlayBuild(QObject* parent) : QObject(parent) {}

PerfectPlayBuild::~PerfectPlayBuild() {
    // Ended with the program, the running build is to go on at the next
    // start: the store keeps saying that it runs. A cancelled one may still
    // be on its way out.
    for (QProcess* process : findChildren<QProcess*>()) {
        Terminate(process, this);
        if (!process->waitForFinished(kEndMillis)) process->kill();
        process->waitForFinished(kEndMillis);
    }
}

QString PerfectPlayBuild::engineProgram() {
    const QByteArray given = qgetenv("QUARN_ENGINE");
    if (!given.isEmpty()) return QString::fromLocal8Bit(given);
    // Installed, both programs share a folder; in a build tree each has its
    // own.
    const QDir here(QCoreApplication::applicationDirPath());
    for (const char* path : {"quarn-engine", "../tools/quarn-engine"}) {
        const QFileInfo program(here.filePath(QString::fromLatin1(path)));
        if (program.isFile() && program.isExecutable()) return program.canonicalFilePath();
    }
    return QStandardPaths::findExecutable("quarn-engine");
}

QString PerfectPlayBuild::folder() {
    return QString::fromStdString(UserTableFolder());
}

void PerfectPlayBuild::start() {
    if (process_) return;
    const QString program = engineProgram(), where = folder();
    error_.clear();
    done_ = total_ = needed_ = free_ = 0;
    table_.clear();
    timed_ = false;
    if (program.isEmpty() || where.isEmpty()) {
        error_ = program.isEmpty()
                     ? tr("quarn-engine, which builds the tables, is neither beside Quarn nor on "
                          "the PATH.")
                     : tr("There is no folder for the tables: neither XDG_CACHE_HOME nor HOME "
                          "is set.");
        remember(false);
        return setState(Failed);
    }
    remember(true);
    launch(Step::Tables);
}

void PerfectPlayBuild::launch(Step step) {
    step_ = step;
    process_ = new QProcess(this);
    process_->setProgram(engineProgram());
    process_->setArguments(step == Step::Tables
                               ? QStringList{"tables", "build", "--max-pieces",
                                             QString::number(kWholeSetPieces), folder()}
                               : QStringList{"tables", "book", folder()});
    process_->setChildProcessModifier([] { setpriority(PRIO_PROCESS, 0, kBuildNiceness); });
    connect(process_, &QProcess::readyReadStandardOutput, this, &PerfectPlayBuild::readOutput);
    connect(process_, &QProcess::finished, this, &PerfectPlayBuild::ended);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) failedToStart();
    });
    setState(Running);
    process_->start();
}

void PerfectPlayBuild::resumeInterrupted() {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    const int stored = config.readNumEntry(kPerfectPlayBuilding.key, kPerfectPlayBuilding.fallback);
    if (Normalised(kPerfectPlayBuilding, stored) != 0) start();
}

void PerfectPlayBuild::pause() {
    if (state_ != Running) return;
    Signal(process_, SIGSTOP);
    pausedSince_.start();
    setState(Paused);
}

void PerfectPlayBuild::resume() {
    if (state_ != Paused) return;
    Signal(process_, SIGCONT);
    pausedMillis_ += pausedSince_.elapsed();
    setState(Running);
}

void PerfectPlayBuild::cancel() {
    if (!process_) return;
    // The process goes on its own; a build started again meanwhile waits
    // for the folder until it has.
    Terminate(process_, this);
    connect(process_, &QProcess::finished, process_, &QObject::deleteLater);
    process_ = nullptr;
    step_ = Step::Tables;
    remember(false);
    setState(Idle);
}

double PerfectPlayBuild::secondsLeft() const {
    if (!timed_ || done_ <= firstDone_) return -1;
    qint64 millis = clock_.elapsed() - pausedMillis_;
    if (state_ == Paused) millis -= pausedSince_.elapsed();
    // A rate from less than a second of work says little.
    if (millis < 1000) return -1;
    const double perSecond = static_cast<double>(done_ - firstDone_) * 1000 / millis;
    return static_cast<double>(total_ - done_) / perSecond;
}

void PerfectPlayBuild::readOutput() {
    while (process_ && process_->canReadLine()) {
        const BuildLine line = ParseBuildLine(process_->readLine());
        if (line.kind == BuildLine::Disk) {
            needed_ = line.first;
            free_ = line.second;
        } else if (line.kind == BuildLine::Progress) {
            done_ = line.first;
            total_ = line.second;
            if (!timed_) {
                timed_ = true;
                firstDone_ = done_;
                pausedMillis_ = 0;
                clock_.start();
            }
        } else if (line.kind == BuildLine::Table) {
            table_ = line.table;
        }
    }
    emit changed();
}

void PerfectPlayBuild::ended(int exitCode, QProcess::ExitStatus status) {
    readOutput();
    QString said;
    for (const QByteArray& line : process_->readAllStandardError().split('\n'))
        if (!line.trimmed().isEmpty()) said = QString::fromLocal8Bit(line.trimmed());
    process_->deleteLater();
    process_ = nullptr;
    remember(false);
    if (status == QProcess::NormalExit && exitCode == 0) {
        // Once every table is there, the placing phase is solved over them,
        // unless an earlier build did so.
        if (step_ == Step::Tables &&
            !QFileInfo::exists(QDir(folder()).filePath(kPlacingBookName))) {
            remember(true);
            return launch(Step::Book);
        }
        step_ = Step::Tables;
        setState(Done);
        emit built();
        return;
    }
    step_ = Step::Tables;
    error_ = !said.isEmpty() ? said
             : status == QProcess::NormalExit
                 ? tr("The build stopped with exit code %1.").arg(exitCode)
                 : tr("The build stopped unexpectedly.");
    setState(Failed);
}

void PerfectPlayBuild::failedToStart() {
    error_ = tr("%1 could not be started: %2").arg(process_->program(), process_->errorString());
    process_->deleteLater();
    process_ = nullptr;
    step_ = Step::Tables;
    remember(false);
    setState(Failed);
}

void PerfectPlayBuild::setState(State state) {
    state_ = state;
    emit changed();
}

void PerfectPlayBuild::remember(bool building) {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    config.writeEntry(kPerfectPlayBuilding.key, building ? 1 : 0);
    config.save();
}
