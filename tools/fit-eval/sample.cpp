// fit-eval-sample SEED GAMES: plays GAMES varied games and writes, for each
// position from ply 6 on whose exact value is known, that value and the
// terms of Master's evaluation for both sides, a line each (the header line
// names the columns). A position of the moving phase takes its value from
// the endgame tables; a placing position takes the value that its own solve
// finds within a second. Meant for the whole moving phase and its placing
// book (quarn-engine tables build --max-pieces 18, then tables book): with
// fewer tables, the positions they do not settle are left out.
#include "engine/endgame/endgame.h"
#include "engine/levels.h"
#include "engine/master.h"
#include "engine/mastereval.h"
#include "engine/placing.h"
#include "engine/tree.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// How long a placing position's solve may take before it is left out.
constexpr int kSolveMillis = 1000;

// 2 a win for the side to move, 1 a draw, 0 a loss; -1 not known.
int Label(Outcome o) {
    return o == Outcome::Win ? 2 : o == Outcome::Draw ? 1 : o == Outcome::Loss ? 0 : -1;
}

std::string Terms(const SideTerms& t) {
    char line[128];
    std::snprintf(line, sizeof line, " %d %d %d %d %d %d %d %d %d", t.pieces, t.freedom, t.blocked,
                  t.openMills, t.closedMills, t.threats, t.forks, t.cramp, t.flying ? 1 : 0);
    return line;
}

// The position's line without its value: ply, phase, the side to move's
// terms, the other side's.
std::string Row(const Board& b) {
    return std::to_string(b.plies) + (b.InPlacingPhase() ? " 0" : " 1") +
           Terms(TermsOf(b, b.next)) + Terms(TermsOf(b, -b.next));
}

// A move of one of the players that make the games varied: a random one
// now and then, else Master at 15 ms, Medium or Hard.
Move Play(const Board& b, int player, std::mt19937& rng) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    if (rng() % 40 == 0) return moves[rng() % static_cast<unsigned>(n)];
    SearchAlgo algo = CountingSearch(b);
    if (player < 0) return MasterMove(algo, 15);
    return algo.ComputerMove(LevelNodes(player));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fit-eval-sample SEED GAMES\n");
        return 2;
    }
    std::mt19937 rng(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
    const long games = std::strtol(argv[2], nullptr, 10);
    EndgameTables tables;
    tables.open(DefaultTableFolders());
    std::printf("value ply moving");
    for (const char* side : {"own", "other"})
        for (const char* term : {"pieces", "freedom", "blocked", "open", "closed", "threats",
                                 "forks", "cramp", "flying"})
            std::printf(" %s_%s", side, term);
    std::printf("\n");
    for (long g = 0; g < games; ++g) {
        Board b;
        b.Init();
        const int opening = 2 + static_cast<int>(rng() % 9);
        const int player[2] = {rng() % 3 == 0 ? -1 : 2 + static_cast<int>(rng() % 2),
                               rng() % 3 == 0 ? -1 : 2 + static_cast<int>(rng() % 2)};
        for (int ply = 0; ply < 120 && !SideToMoveHasLost(b); ++ply) {
            // Exact labels only: a game's own result says little of the
            // placing positions it passed, as its players err.
            if (ply >= 6) {
                const int value =
                    Label(SolvePlacing(tables, b, Within(kSolveMillis)).value.outcome);
                if (value >= 0) std::printf("%d %s\n", value, Row(b).c_str());
            }
            Move m;
            if (ply < opening) {
                Move moves[kMaxMoves];
                m = moves[rng() % static_cast<unsigned>(b.GenMoves(moves, kMaxMoves))];
            } else {
                m = Play(b, player[b.next == 1 ? 0 : 1], rng);
            }
            b.DoMove(m);
        }
        std::fflush(stdout);
    }
}
