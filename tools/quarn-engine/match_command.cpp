#include "quarn-engine/match_command.h"

#include "engine/endgame/endgame.h"
#include "engine/levels.h"
#include "engine/match.h"
#include "engine/notation.h"
#include "quarn-engine/analyse.h"

#include <cstdio>

namespace {

const char* EndName(GameEnd end) {
    switch (end) {
    case GameEnd::TwoPieces:
        break;
    case GameEnd::Blocked:
        return "blocked";
    case GameEnd::Repetition:
        return "repetition";
    case GameEnd::PlyLimit:
        return "ply limit";
    }
    return "two pieces";
}

const char* WinnerName(int winner) {
    return winner > 0 ? "white wins" : winner < 0 ? "black wins" : "draw";
}

} // namespace

void RunMatch(const Invocation& inv) {
    EndgameTables tables;
    const bool perfect = (kLevelTable[inv.white].perfect || kLevelTable[inv.black].perfect) &&
                         OpenTables(tables, "Master plays without them");
    MatchSettings settings;
    settings.white = inv.white;
    settings.black = inv.black;
    settings.games = inv.games;
    settings.seed = inv.seed;
    settings.max_plies = static_cast<int>(inv.max_plies);
    settings.master_millis = inv.movetime;
    settings.tables = perfect ? &tables : nullptr;
    const MatchResult result = PlayMatch(settings, [&inv](int i, const GameResult& g) {
        std::printf("game %d: %s (%s) in %d plies\n", i + 1, WinnerName(g.winner), EndName(g.end),
                    g.plies);
        if (inv.game_moves) {
            for (const Move& m : g.moves) std::printf(" %s", MoveWord(m).c_str());
            std::printf("\n");
        }
        std::fflush(stdout);
    });
    const auto tally = [](const char* side, int level, int wins, int draws, int losses) {
        std::printf("%s %s: %d wins, %d draws, %d losses\n", side, kLevelTable[level].name, wins,
                    draws, losses);
    };
    tally("white", inv.white, result.white_wins, result.draws, result.black_wins);
    tally("black", inv.black, result.black_wins, result.draws, result.white_wins);
    std::printf("median length: %g plies\n", result.MedianPlies());
    for (int side = 0; side < 2; ++side) {
        const GameResult* slowest = nullptr;
        for (const GameResult& g : result.games)
            if (!slowest || g.slowest_ms[side] > slowest->slowest_ms[side]) slowest = &g;
        if (slowest == nullptr || slowest->slowest_ms[side] == 0.0) continue;
        std::printf("slowest %s reply: %.1f ms in %s\n", side == 0 ? "white" : "black",
                    slowest->slowest_ms[side], PositionText(slowest->slowest[side]).c_str());
    }
}
