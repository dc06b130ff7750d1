// A review of the game on the board: which moves threw a value away (a win
// turned into a draw or a loss, a draw into a loss), judged from the endgame
// tables where they cover a position and by a "Very hard" search elsewhere.
// The review runs on a worker thread over its own copy of the moves and its
// own search, so the window goes on answering while it runs; it tells its
// progress, and it can be cancelled at any time.
#pragma once

#include "engine/board.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

class EndgameTables;
class QThread;
struct MoveReview;

class GameReview : public QObject {
    Q_OBJECT

public:
    explicit GameReview(QObject* parent = nullptr);
    // Cancels a review that runs and waits for its thread.
    ~GameReview() override;

    // Reviews the game that `moves` play from `start` (each legal where it
    // is played); a review already running is cancelled first. `tables`
    // must outlive the review.
    void start(const Board& start, const std::vector<Move>& moves, const EndgameTables* tables);
    // Nothing more is heard of the review that runs, if any.
    void cancel();
    // Waits until no worker reads the tables any more: those of cancelled
    // reviews stop at their next position.
    void waitForWorkers() const;
    bool running() const { return running_; }

    // What the move list shows of each review: an empty note where the move
    // kept its value, else what it was worth before and after it.
    static QStringList notes(const std::vector<MoveReview>& reviews);

signals:
    // done of total positions valued; total is the number of moves plus one.
    void progressed(int done, int total);
    // One note per move reviewed.
    void finished(const QStringList& notes);

private:
    // Each run has its own flag, so that a cancelled run that still winds
    // down cannot stop the next one.
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool running_ = false;
    int run_ = 0; // the run whose results are wanted
    std::vector<QThread*> threads_;
};
