// A review of a game: the value of every position it passed through, and
// the moves that changed the theoretical value for the side that made them.
// Exact where the endgame tables cover a position, or where a solve of a
// placing position to the end of the placing phase settles it within a
// quarter of a second; a search at the budget of "Very hard" elsewhere.
// No toolkit; meant to run on a worker thread.
#pragma once

#include "board.h"
#include "endgame/endgame.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// What is known of a position for one side.
struct Judgement {
    // Win, Draw or Loss when known: from the tables (exact), or a forced
    // result that the search proved (Draw only from the tables); Unknown
    // when the search found no forced result.
    Outcome outcome = Outcome::Unknown;
    bool exact = false; // from the tables (or the rules): plies is the distance with best play
    // With a known win or loss, plies to the end: exact with best play, or
    // the longest the search's forced line takes (the winner can do at
    // least as well).
    int plies = 0;
    // The search's score for this side (positive is good); 0 when exact.
    double score = 0.0;

    friend bool operator==(const Judgement&, const Judgement&) = default;
};

struct MoveReview {
    int ply = 0;  // 1 for the game's first move
    int side = 0; // who made it: +1 White, -1 Black
    Move move{};
    // The value for the side that moved, of the position before the move
    // and of the move itself (the position after it, as probe's move lines
    // count: a win kept by the quickest move stays "win d").
    Judgement before, after;
    // The move made the value worse for its side, from a win to a draw or a
    // loss or from a draw to a loss, where both values are known.
    bool lostValue = false;
};

// Told after each position is valued: done of total positions (the
// moves' count plus one).
using ReviewProgress = std::function<void(int done, int total)>;
// Told each move's review as soon as it is known, in the game's order.
using ReviewTold = std::function<void(const MoveReview&)>;

// Reviews the game that `moves` play from `start` (the initial position for
// a whole game); each move must be legal where it is played. tables may be
// null (then every value comes from the search). Stops early when *cancel
// becomes true (checked between positions), returning the reviews finished
// so far, in order.
std::vector<MoveReview> ReviewGame(const Board& start, const std::vector<Move>& moves,
                                   const EndgameTables* tables, const ReviewProgress& progress = {},
                                   const std::atomic<bool>* cancel = nullptr);

// The same review, each move told to `told` as soon as it is valued and not
// kept: its memory does not grow with the game.
void ReviewEachMove(const Board& start, const std::vector<Move>& moves, const EndgameTables* tables,
                    const ReviewTold& told, const ReviewProgress& progress = {},
                    const std::atomic<bool>* cancel = nullptr);

// The tables' value of a position, exact; Unknown where they do not cover it.
Judgement FromTables(EndgameValue v);

// A value as text, the same wherever it is shown: "win 7", "loss 12",
// "draw", "unknown" (the tables do not cover it), "win <=9" (proved by the
// search), "+1.3" (the search's score).
std::string JudgementText(const Judgement& j);
