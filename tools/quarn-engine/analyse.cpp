#include "quarn-engine/analyse.h"

#include "engine/analysis.h"
#include "engine/notation.h"
#include "engine/record.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>

bool OpenTables(EndgameTables& tables, const std::string& without) {
    tables.open(DefaultTableFolders());
    for (const std::string& problem : tables.problems())
        std::fprintf(stderr, "quarn-engine: %s\n", problem.c_str());
    if (tables.maxPieces() > 0) return true;
    std::fprintf(stderr, "quarn-engine: no endgame tables found: %s\n", without.c_str());
    return false;
}

void Analyse(const std::vector<Move>& moves) {
    using Clock = std::chrono::steady_clock;
    // A long game tells how far it has come on standard error this often.
    constexpr auto kProgressEvery = std::chrono::seconds(10);
    EndgameTables tables;
    const bool found = OpenTables(tables, "every value comes from a Very hard search");
    int lost[2] = {0, 0}; // White, Black
    Board start;
    start.Init();
    // Output that can no longer be written ends the review: nobody reads it.
    std::atomic<bool> unwritable = false;
    auto told = Clock::now();
    const auto line = [&](const MoveReview& r) {
        // Move numbers as a record reads them: "12. a1" for White, "12. ... b4"
        // for Black.
        const int number = (r.ply + 1) / 2;
        std::printf("%d.%s %s %s -> %s%s\n", number, r.side == 1 ? "" : " ...",
                    MoveWord(r.move).c_str(), JudgementText(r.before).c_str(),
                    JudgementText(r.after).c_str(), r.lostValue ? " ?" : "");
        // Each line as soon as it is known, also through a pipe.
        if (std::fflush(stdout) != 0) unwritable = true;
        lost[r.side == 1 ? 0 : 1] += r.lostValue;
    };
    const auto progress = [&](int done, int total) {
        if (Clock::now() - told < kProgressEvery || done == total) return;
        told = Clock::now();
        std::fprintf(stderr, "quarn-engine: analyse: %d of %d moves\n", done - 1, total - 1);
    };
    ReviewEachMove(start, moves, found ? &tables : nullptr, line, progress, &unwritable);
    std::printf("White %d ?, Black %d ?\n", lost[0], lost[1]);
}

void Sample(const Invocation& inv) {
    EndgameTables tables;
    OpenTables(tables, "there is nothing to sample");
    const Outcome wanted = inv.sample_value == "win"    ? Outcome::Win
                           : inv.sample_value == "draw" ? Outcome::Draw
                                                        : Outcome::Loss;
    std::mt19937 rng(inv.seed);
    int points[24];
    std::iota(std::begin(points), std::end(points), 0);
    // Some values are rare in some materials, or missing: the draws stop at
    // this many per position asked for.
    constexpr std::int64_t kDrawsPerPosition = 1000000;
    int found = 0;
    for (std::int64_t draws = 0; found < inv.sample_count; ++draws) {
        if (draws == kDrawsPerPosition * inv.sample_count) {
            std::fprintf(stderr, "quarn-engine: sample: only %d of %d found\n", found,
                         inv.sample_count);
            return;
        }
        // Either side to move, at a ply of the moving phase of its parity.
        Board b;
        b.Init();
        b.next = rng() % 2 == 0 ? 1 : -1;
        b.plies = b.next == 1 ? 40 : 41;
        std::shuffle(std::begin(points), std::end(points), rng);
        for (int i = 0; i < inv.sample_mover + inv.sample_other; ++i)
            b.board[points[i]] = static_cast<std::int16_t>(i < inv.sample_mover ? b.next : -b.next);
        b.n_white = static_cast<signed char>(b.next == 1 ? inv.sample_mover : inv.sample_other);
        b.n_black = static_cast<signed char>(b.next == 1 ? inv.sample_other : inv.sample_mover);
        if (!tables.covers(b))
            throw InputError("sample: no endgame table covers " + std::to_string(inv.sample_mover) +
                             " against " + std::to_string(inv.sample_other));
        if (tables.probe(b).outcome != wanted) continue;
        std::printf("%s\n", PositionText(b).c_str());
        ++found;
    }
}
