#include "quarn-engine/bench.h"

#include "engine/notation.h"
#include "engine/tree.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Positions as "CELLS SIDE PLIES", taken from games of the engine against
// itself: placing, then moving, then flying (a side with three pieces).
constexpr const char* kPositions[] = {
    // placing
    "........WBBW.W.B...BWW.. b 9",
    ".B.......W.WBBWB.WWB.... w 10",
    "........BW.W.BWB.WWB.... b 9",
    "........BB...W.W........ w 4",
    ".BWWW...BW.WBWWBW..B.B.B w 16",
    "...........W.WBB........ w 4",
    // moving
    "...B.W.WW..B.B.B...W.WWW w 40",
    ".WBWWBW..W...W.....W...B w 50",
    "WBBW.B.BWB.....WWW.W...B w 36",
    "BBB.....WBW..W.WBWWB.... w 258",
    ".BBW..WB...W..B..W.W.... b 39",
    "BBB.....WB.W.W.WBWWB.... b 123",
    // flying
    ".....W....B.B.BW......W. w 60",
    ".....B...WB.WB.......W.. b 289",
    ".B......W....WBB.......W b 177",
    "BB......W....W.B.......W w 162",
};

constexpr unsigned kSeed = 1;

} // namespace

void RunBench() {
    std::srand(kSeed);
    long long total = 0;
    double seconds = 0;
    for (const char* text : kPositions) {
        std::string problem;
        SearchAlgo algo = CountingSearch(*ReadPosition(text, problem));
        const auto begin = std::chrono::steady_clock::now();
        const Move m = algo.ComputerMove(kBenchNodes);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        seconds += took.count();
        total += algo.nodes;
        std::printf("%s  %-7s %9lld nodes %8.1f ms\n", text, MoveWord(m).c_str(),
                    static_cast<long long>(algo.nodes), took.count() * 1000);
    }
    std::printf("positions: %zu\n", std::size(kPositions));
    std::printf("nodes: %lld\n", total);
    std::printf("time: %.0f ms\n", seconds * 1000);
    std::printf("nodes/second: %.0f\n", total / seconds);
}
