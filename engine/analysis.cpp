#include "analysis.h"

#include "eval.h"
#include "placing.h"
#include "record.h"
#include "tree.h"

#include <cmath>
#include <cstdio>

namespace {

// Base of the search's score of a lost position, and the least score that
// tells a decided game (the search's own constants).
constexpr double kLoss = 9999.9;
constexpr double kDecisive = 100;

int Rank(Outcome o) {
    return o == Outcome::Win ? 2 : o == Outcome::Draw ? 1 : 0;
}

// The value of b for its side to move: the tables (or the rules) where they
// cover it, or while placing, every line to the end of the placing phase;
// otherwise a search at Master's budget that scores covered positions from
// the tables.
Judgement Value(const Board& b, const EndgameTables* tables, SearchAlgo& search) {
    if (SideToMoveHasLost(b)) return FromTables({Outcome::Loss, 0});
    if (tables != nullptr) {
        const EndgameValue v = b.InPlacingPhase()
                                   ? SolvePlacing(*tables, b, Within(kQuickSolveMillis)).value
                                   : MovingValue(*tables, b);
        if (v.outcome != Outcome::Unknown) return FromTables(v);
    }
    search.board = b;
    search.ComputerMove(kMasterNodes);
    Judgement j;
    j.score = b.next * search.last_score;
    if (std::abs(j.score) > kDecisive) {
        // A lost position found at remaining depth r scores kLoss + r; the
        // tables' values mesh with that, so r may be below 0.
        const int remaining = static_cast<int>(std::lround(std::abs(j.score) - kLoss));
        j.outcome = j.score > 0 ? Outcome::Win : Outcome::Loss;
        j.plies = search.last_depth - remaining;
    }
    return j;
}

// The value for the side that moved into a position of value j for the
// side to move there: the other way round, one ply further from the end.
Judgement OfMove(Judgement j) {
    if (j.outcome == Outcome::Win)
        j.outcome = Outcome::Loss;
    else if (j.outcome == Outcome::Loss)
        j.outcome = Outcome::Win;
    if (j.outcome != Outcome::Draw && j.outcome != Outcome::Unknown) ++j.plies;
    j.score = -j.score;
    return j;
}

} // namespace

void ReviewEachMove(const Board& start, const std::vector<Move>& moves, const EndgameTables* tables,
                    const ReviewTold& told, const ReviewProgress& progress,
                    const std::atomic<bool>* cancel) {
    CountEval evaluator;
    SearchAlgo search;
    search.eval = &evaluator;
    search.tables = tables;
    const int total = static_cast<int>(moves.size()) + 1;
    const auto cancelled = [&] { return cancel != nullptr && cancel->load(); };

    int reviewed = 0;
    Board b = start;
    Judgement current = Value(b, tables, search);
    if (progress) progress(1, total);
    for (const Move& m : moves) {
        if (cancelled()) break;
        MoveReview r;
        r.ply = b.plies + 1;
        r.side = b.next;
        r.move = m;
        r.before = current;
        b.DoMove(m);
        current = Value(b, tables, search);
        r.after = OfMove(current);
        r.lostValue = r.before.outcome != Outcome::Unknown && r.after.outcome != Outcome::Unknown &&
                      Rank(r.after.outcome) < Rank(r.before.outcome);
        ++reviewed;
        told(r);
        if (progress) progress(reviewed + 1, total);
    }
}

std::vector<MoveReview> ReviewGame(const Board& start, const std::vector<Move>& moves,
                                   const EndgameTables* tables, const ReviewProgress& progress,
                                   const std::atomic<bool>* cancel) {
    std::vector<MoveReview> reviews;
    ReviewEachMove(
        start, moves, tables, [&](const MoveReview& r) { reviews.push_back(r); }, progress, cancel);
    return reviews;
}

Judgement FromTables(EndgameValue v) {
    Judgement j;
    j.outcome = v.outcome;
    j.plies = v.plies;
    j.exact = true;
    return j;
}

std::string JudgementText(const Judgement& j) {
    const std::string plies = (j.exact ? " " : " <=") + std::to_string(j.plies);
    switch (j.outcome) {
    case Outcome::Win:
        return "win" + plies;
    case Outcome::Loss:
        return "loss" + plies;
    case Outcome::Draw:
        return "draw";
    case Outcome::Unknown:
        if (j.exact) return "unknown";
        break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", j.score);
    return text;
}
