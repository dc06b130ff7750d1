// The endgame tables: built here for up to 7 pieces (3-3, 4-3 and 3-4),
// checked against the rules as Board::GenMoves and Board::DoMove play them.
#include "engine/endgame/endgame.h"
#include "engine/endgame/moves.h"
#include "engine/endgame/symmetry.h"
#include "engine/endgame/tablefile.h"
#include "support/built_tables.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>

namespace {

namespace fs = std::filesystem;
using endgame::TableFileName;

Board BoardOf(PointSet white, PointSet black, int next) {
    Board b;
    b.Init();
    for (int p = 0; p < 24; ++p) b.board[p] = white & Bit(p) ? 1 : black & Bit(p) ? -1 : 0;
    b.n_white = static_cast<signed char>(std::popcount(white));
    b.n_black = static_cast<signed char>(std::popcount(black));
    b.next = static_cast<signed char>(next);
    b.plies = next == 1 ? 40 : 41;
    return b;
}

// A random position of the moving phase with these counts for the side to
// move and the other side.
Board RandomPosition(std::mt19937& rng, int mover, int other) {
    int points[24];
    for (int p = 0; p < 24; ++p) points[p] = p;
    std::shuffle(points, points + 24, rng);
    PointSet own = 0, opposing = 0;
    for (int i = 0; i < mover; ++i) own |= Bit(points[i]);
    for (int i = mover; i < mover + other; ++i) opposing |= Bit(points[i]);
    return rng() % 2 ? BoardOf(own, opposing, 1) : BoardOf(opposing, own, -1);
}

// The positions after each legal move, as the engine plays them.
std::vector<Board> Children(const Board& b) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    std::vector<Board> children(n, b);
    for (int i = 0; i < n; ++i) children[i].DoMove(moves[i]);
    return children;
}

// Ranks a value for the side to move: quicker wins above slower ones, then
// draws, then slower losses above quicker ones.
int Worth(EndgameValue v) {
    switch (v.outcome) {
    case Outcome::Win:
        return 1000 - v.plies;
    case Outcome::Loss:
        return -1000 + v.plies;
    default:
        return 0;
    }
}

// The value of b by exhaustive search to `depth` plies, Unknown where the
// game is not decided within them.
EndgameValue Search(const Board& b, int depth) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    if (b.CurrentHasLost() || n == 0) return {Outcome::Loss, 0};
    if (depth == 0) return {};
    EndgameValue best{Outcome::Loss, 0};
    bool allLose = true;
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const EndgameValue v = ValueOfMove(Search(child, depth - 1));
        if (v.outcome != Outcome::Loss) allLose = false;
        if (v.outcome == Outcome::Win && (best.outcome != Outcome::Win || v.plies < best.plies))
            best = v;
        if (v.outcome == Outcome::Loss && best.outcome == Outcome::Loss)
            best.plies = std::max(best.plies, v.plies);
    }
    return best.outcome == Outcome::Win || allLose ? best : EndgameValue{};
}

class Tables : public testing::Test {
protected:
    static void SetUpTestSuite() {
        InitMillTab();
        built_ = new BuiltTables(7);
        folder_ = &built_->folder;
        tables_ = &built_->tables;
    }
    static void TearDownTestSuite() { delete built_; }

    static inline BuiltTables* built_ = nullptr;
    static inline const std::string* folder_ = nullptr;
    static inline EndgameTables* tables_ = nullptr;
    static constexpr std::pair<int, int> kMaterials[] = {{3, 3}, {4, 3}, {3, 4}};
};

TEST(TableMoves, AreTheMovesOfTheEngineAndTheirUnmovesLeadBack) {
    InitMillTab();
    std::mt19937 rng(18);
    for (int i = 0; i < 3000; ++i) {
        const Board b = RandomPosition(rng, 3 + i % 7, 3 + i / 7 % 7);
        const Pieces pieces = PiecesOf(b);
        const PointSet mover = b.next == 1 ? pieces.white : pieces.black;
        const PointSet other = b.next == 1 ? pieces.black : pieces.white;
        std::vector<std::pair<PointSet, PointSet>> ours, engine;
        endgame::ForEachMove(
            mover, other,
            [&](PointSet after) {
                ours.emplace_back(other, after);
                // The slide is among the moves that lead back to b's mover.
                bool found = false;
                endgame::ForEachUnmove(after, other,
                                       [&](PointSet before) { found = found || before == mover; });
                EXPECT_TRUE(found);
            },
            [&](PointSet after, int taken) { ours.emplace_back(other & ~Bit(taken), after); });
        for (const Board& child : Children(b)) {
            const Pieces p = PiecesOf(child);
            engine.emplace_back(b.next == 1 ? p.black : p.white, b.next == 1 ? p.white : p.black);
        }
        std::sort(ours.begin(), ours.end());
        std::sort(engine.begin(), engine.end());
        ASSERT_EQ(engine, ours) << i;
        // Every unmove is a slide of the side that moved.
        endgame::ForEachUnmove(mover, other, [&](PointSet before) {
            bool found = false;
            endgame::ForEachMove(
                before, other, [&](PointSet after) { found = found || after == mover; },
                [](PointSet, int) {});
            EXPECT_TRUE(found);
        });
    }
}

TEST_F(Tables, AgreeWithAnExhaustiveSearchOfShortGames) {
    std::mt19937 rng(7);
    int decided = 0;
    for (const auto& [mover, other] : kMaterials)
        for (int i = 0; i < 20; ++i) {
            const Board b = RandomPosition(rng, mover, other);
            const EndgameValue searched = Search(b, 3);
            const EndgameValue table = tables_->probe(b);
            if (searched.outcome != Outcome::Unknown) {
                ++decided;
                EXPECT_EQ(searched, table) << mover << "-" << other << " " << i;
            } else {
                // Not decided within the search's horizon.
                EXPECT_TRUE(table.outcome == Outcome::Draw || table.plies > 3) << i;
            }
        }
    EXPECT_GT(decided, 10);
}

TEST_F(Tables, EveryValueIsTheBestThatItsMovesReach) {
    std::mt19937 rng(3);
    int counts[4] = {};
    for (const auto& [mover, other] : kMaterials)
        for (int i = 0; i < 10000; ++i) {
            const Board b = RandomPosition(rng, mover, other);
            const EndgameValue v = tables_->probe(b);
            ++counts[static_cast<int>(v.outcome)];
            const std::vector<Board> children = Children(b);
            if (children.empty()) {
                EXPECT_EQ((EndgameValue{Outcome::Loss, 0}), v);
                continue;
            }
            // A win has a move to a loss one ply shorter and none quicker, a
            // loss has only moves to wins, the longest one ply shorter, and a
            // draw a drawing move and no winning one.
            EndgameValue best{Outcome::Loss, 0};
            for (const Board& child : children) {
                const EndgameValue m = ValueOfMove(tables_->probe(child));
                ASSERT_NE(Outcome::Unknown, m.outcome);
                if (Worth(m) > Worth(best)) best = m;
            }
            ASSERT_EQ(best, v) << mover << "-" << other << " " << i;
        }
    EXPECT_EQ(0, counts[static_cast<int>(Outcome::Unknown)]);
    for (Outcome o : {Outcome::Win, Outcome::Draw, Outcome::Loss})
        EXPECT_GT(counts[static_cast<int>(o)], 0);
}

TEST_F(Tables, SymmetricAndColourSwappedPositionsShareTheirValue) {
    std::mt19937 rng(11);
    for (int i = 0; i < 2000; ++i) {
        const auto [mover, other] = kMaterials[i % 3];
        const Board b = RandomPosition(rng, mover, other);
        const Pieces p = PiecesOf(b);
        const int s = static_cast<int>(rng() % endgame::kSymmetries);
        const Board image =
            BoardOf(endgame::Apply(s, p.black), endgame::Apply(s, p.white), -b.next);
        EXPECT_EQ(tables_->probe(b), tables_->probe(image));
    }
}

TEST_F(Tables, KnowTheEndOfTheGameAndNothingBeyondTheirMaterial) {
    // Down to two pieces from ply 18 on, the side to move has lost.
    Board two = BoardOf(Bit(0) | Bit(1), Bit(8) | Bit(9) | Bit(10), 1);
    EXPECT_EQ((EndgameValue{Outcome::Loss, 0}), tables_->probe(two));
    // A mill closed with the opponent at three wins at once.
    const Board closing = BoardOf(Bit(0) | Bit(1) | Bit(20), Bit(8) | Bit(12) | Bit(16), 1);
    EXPECT_EQ((EndgameValue{Outcome::Win, 1}), tables_->probe(closing));
    std::mt19937 rng(5);
    Board placing = RandomPosition(rng, 3, 3);
    placing.plies = placing.next == 1 ? 16 : 17;
    EXPECT_EQ(Outcome::Unknown, tables_->probe(placing).outcome);
    EXPECT_EQ(Outcome::Unknown, tables_->probe(RandomPosition(rng, 4, 4)).outcome);
    EXPECT_EQ(7, tables_->maxPieces());
}

TEST_F(Tables, BrokenFilesAreLeftUnusedAndAGoodCopyElsewhereIsTaken) {
    char pattern[] = "/tmp/quarn-tables-broken-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    const fs::path broken = pattern;
    for (const auto& [mover, other] : kMaterials)
        fs::copy_file(fs::path(*folder_) / TableFileName(mover, other),
                      broken / TableFileName(mover, other));
    {
        // One entry of 3-3 changed, 4-3 cut short, 3-4 replaced by 4-3's file.
        std::fstream f(broken / TableFileName(3, 3),
                       std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(endgame::kHeaderBytes) + 1000);
        f.put('\x7f');
    }
    fs::resize_file(broken / TableFileName(4, 3), fs::file_size(broken / TableFileName(4, 3)) - 1);
    fs::copy_file(fs::path(*folder_) / TableFileName(4, 3), broken / TableFileName(3, 4),
                  fs::copy_options::overwrite_existing);
    // A pipe, which would block a reader, in place of 5-5.
    ASSERT_EQ(0, mkfifo((broken / TableFileName(5, 5)).c_str(), 0600));

    EndgameTables tables;
    tables.open({broken.string()});
    ASSERT_EQ(4u, tables.problems().size());
    EXPECT_NE(std::string::npos, tables.problems()[0].find("checksum"));
    EXPECT_NE(std::string::npos, tables.problems()[1].find("3-4.egt: holds material 4-3"));
    EXPECT_NE(std::string::npos, tables.problems()[2].find("4-3.egt: truncated"));
    EXPECT_NE(std::string::npos, tables.problems()[3].find("5-5.egt: not a regular file"));
    EXPECT_EQ(0, tables.maxPieces());
    std::mt19937 rng(9);
    for (const auto& [mover, other] : kMaterials)
        EXPECT_EQ(Outcome::Unknown, tables.probe(RandomPosition(rng, mover, other)).outcome);

    tables.open({broken.string(), "/nonexistent-folder", *folder_});
    EXPECT_EQ(4u, tables.problems().size());
    EXPECT_EQ(7, tables.maxPieces());
    for (int i = 0; i < 100; ++i) {
        const Board b = RandomPosition(rng, 3 + i % 2, 3);
        EXPECT_EQ(tables_->probe(b), tables.probe(b));
    }
    fs::remove_all(broken);
}

} // namespace
