#include "ui/gamereview.h"

#include "engine/analysis.h"

#include <QThread>

#include <algorithm>

GameReview::GameReview(QObject* parent) : QObject(parent) {}

GameReview::~GameReview() {
    cancel();
    // The worker reads the moves and tables given to it; they must stay
    // until it has stopped, at its next position at the latest.
    waitForWorkers();
    for (QThread* thread : threads_) delete thread;
}

void GameReview::waitForWorkers() const {
    for (QThread* thread : threads_) thread->wait();
}

void GameReview::start(const Board& start, const std::vector<Move>& moves,
                       const EndgameTables* tables) {
    cancel();
    running_ = true;
    const int run = ++run_;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancelled;
    // Results come back through queued calls into this object on its own
    // thread; a run that is no longer wanted is ignored there.
    QThread* thread = QThread::create([this, run, start, moves, tables, cancelled] {
        const auto progress = [this, run](int done, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, run, done, total] {
                    if (run == run_ && running_) emit progressed(done, total);
                },
                Qt::QueuedConnection);
        };
        std::vector<MoveReview> reviews =
            ReviewGame(start, moves, tables, progress, cancelled.get());
        if (cancelled->load()) return;
        QMetaObject::invokeMethod(
            this,
            [this, run, reviews = std::move(reviews)] {
                if (run != run_ || !running_) return;
                running_ = false;
                emit finished(notes(reviews));
            },
            Qt::QueuedConnection);
    });
    threads_.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        threads_.erase(std::remove(threads_.begin(), threads_.end(), thread), threads_.end());
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}

void GameReview::cancel() {
    if (cancel_) cancel_->store(true);
    cancel_.reset();
    running_ = false;
}

namespace {

// A value for the side that moved, in words, counted in that side's moves
// as the move list numbers them: the plies to the end include this move,
// and the side makes every other one of them.
QString valueText(const Judgement& j) {
    switch (j.outcome) {
    case Outcome::Win: {
        // One ply: the move itself ends the game, whoever judged it.
        if (j.plies <= 1) return GameReview::tr("won with this move");
        const int moves = (j.plies + 1) / 2;
        return j.exact ? GameReview::tr("won in %1 moves").arg(moves)
                       : GameReview::tr("won within %1 moves").arg(moves);
    }
    case Outcome::Loss: {
        // A loss for the side that moved is at least two plies away.
        const int moves = j.plies / 2;
        if (moves <= 1)
            return j.exact ? GameReview::tr("lost after this move")
                           : GameReview::tr("lost within 1 move");
        return j.exact ? GameReview::tr("lost in %1 moves").arg(moves)
                       : GameReview::tr("lost within %1 moves").arg(moves);
    }
    case Outcome::Draw:
        return GameReview::tr("drawn");
    case Outcome::Unknown:
        break;
    }
    return GameReview::tr("undecided (%1)").arg(j.score, 0, 'f', 1);
}

} // namespace

QStringList GameReview::notes(const std::vector<MoveReview>& reviews) {
    QStringList out;
    for (const MoveReview& r : reviews)
        out << (r.lostValue ? tr("Before this move: %1\nAfter it: %2")
                                  .arg(valueText(r.before), valueText(r.after))
                            : QString());
    return out;
}
