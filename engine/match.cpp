#include "match.h"

#include "levels.h"
#include "master.h"
#include "pointset.h"
#include "tree.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <chrono>
#include <cstdlib>
#include <random>

namespace {

// Whether two positions of the moving phase are the same for the rules:
// the same pieces on the same points, the same side to move.
bool SamePlace(const Board& a, const Board& b) {
    return a.next == b.next && std::equal(std::begin(a.board), std::end(a.board), b.board);
}

// The reply of `level` in b.
Move LevelMove(const MatchSettings& s, int level, const Board& b) {
    SearchAlgo algo = CountingSearch(b, kLevelTable[level].perfect ? s.tables : nullptr);
    if (kLevelTable[level].millis > 0) algo.millis = s.master_millis;
    return algo.ComputerMove(kLevelTable[level].nodes);
}

// Whether a placing position is quiet: no empty point where either side
// closes a mill, and none where the side to move makes two threats at once
// (a fork, of which the opponent can block only one).
bool Quiet(const Board& b) {
    const Pieces p = PiecesOf(b);
    const PointSet own = b.next == 1 ? p.white : p.black;
    const PointSet empty = ~(p.white | p.black) & kAllPoints;
    for (PointSet s = empty; s != 0; s &= s - 1) {
        const int point = std::countr_zero(s);
        if (MillsThrough(p.white, point) > 0 || MillsThrough(p.black, point) > 0 ||
            ThreatsMade(own, empty, point) >= 2)
            return false;
    }
    return true;
}

// The random placements that open a game, drawn again until they leave a
// quiet position with every piece on the board. A random move that hands a
// side a mill, or the next move a fork, decides the game before the levels
// play it, and measures nothing. Openings too long to be quiet
// (more than a few thousand draws) are taken as they come.
std::vector<Move> Opening(int plies, std::mt19937& rng) {
    plies = std::min(plies, kPlacingPlies);
    for (int attempt = 0;; ++attempt) {
        Board b;
        b.Init();
        std::vector<Move> line;
        for (int i = 0; i < plies; ++i) {
            Move moves[kMaxMoves];
            const int n = b.GenMoves(moves, kMaxMoves);
            line.push_back(moves[rng() % static_cast<unsigned>(n)]);
            b.DoMove(line.back());
        }
        if ((b.n_white + b.n_black == plies && Quiet(b)) || attempt == 4096) return line;
    }
}

} // namespace

double MatchResult::MedianPlies() const {
    if (games.empty()) return 0.0;
    std::vector<int> plies;
    for (const GameResult& g : games) plies.push_back(g.plies);
    std::sort(plies.begin(), plies.end());
    const std::size_t mid = plies.size() / 2;
    return plies.size() % 2 ? plies[mid] : (plies[mid - 1] + plies[mid]) / 2.0;
}

GameResult PlayGame(const MatchSettings& s, int index) {
    using Clock = std::chrono::steady_clock;
    const std::uint32_t gameSeed = s.seed * 2654435761u + static_cast<std::uint32_t>(index);
    std::mt19937 rng(gameSeed);
    std::srand(gameSeed);
    const std::vector<Move> opening = Opening(s.opening_plies, rng);
    Board b;
    b.Init();
    GameResult result;
    std::vector<Board> seen; // the positions of the moving phase so far
    for (;; ++result.plies) {
        if (SideToMoveHasLost(b)) {
            result.winner = -b.next;
            result.end = b.CurrentHasLost() ? GameEnd::TwoPieces : GameEnd::Blocked;
            return result;
        }
        if (!b.InPlacingPhase()) {
            const auto count = std::count_if(seen.begin(), seen.end(),
                                             [&](const Board& o) { return SamePlace(o, b); });
            if (count >= 2) {
                result.end = GameEnd::Repetition;
                return result;
            }
            seen.push_back(b);
        }
        if (result.plies >= s.max_plies) {
            result.end = GameEnd::PlyLimit;
            return result;
        }
        Move m;
        if (result.plies < static_cast<int>(opening.size())) {
            m = opening[result.plies];
        } else {
            const auto begin = Clock::now();
            m = LevelMove(s, b.next == 1 ? s.white : s.black, b);
            const std::chrono::duration<double, std::milli> took = Clock::now() - begin;
            const int side = b.next == 1 ? 0 : 1;
            if (took.count() > result.slowest_ms[side]) {
                result.slowest_ms[side] = took.count();
                result.slowest[side] = b;
            }
        }
        assert(!m.IsEmpty());
        b.DoMove(m);
        result.moves.push_back(m);
    }
}

MatchResult PlayMatch(const MatchSettings& s,
                      const std::function<void(int, const GameResult&)>& each) {
    MatchResult match;
    for (int i = 0; i < s.games; ++i) {
        const GameResult g = PlayGame(s, i);
        (g.winner > 0 ? match.white_wins : g.winner < 0 ? match.black_wins : match.draws) += 1;
        match.games.push_back(g);
        if (each) each(i, g);
    }
    return match;
}
