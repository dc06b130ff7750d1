// Levels 0 to 4 make exactly the moves they made before the Master level
// came: the same move and the same node count on every recorded search.
#include "engine/tree.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

TEST(Levels, NamesAndBudgetsStandInOneTable) {
    EXPECT_STREQ("Very hard", kLevelTable[4].name);
    EXPECT_STREQ("Master", kLevelTable[kMasterLevel].name);
    for (int level = 0; level < 5; ++level) {
        EXPECT_EQ(level2nodes[level], LevelNodes(level));
        EXPECT_FALSE(kLevelTable[level].perfect);
        EXPECT_EQ(0, kLevelTable[level].millis); // bounded by nodes, not time
    }
    EXPECT_EQ(level2nodes[4], LevelNodes(kMasterLevel));
}

TEST(Levels, ZeroToFourKeepEveryMove) {
    std::ifstream data(QUARN_TEST_DATA "/levels.txt");
    ASSERT_TRUE(data) << QUARN_TEST_DATA "/levels.txt";
    SearchAlgo algo = CountingSearch(Board{});
    int searches = 0;
    for (std::string line; std::getline(data, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int level = 0, plies = 0;
        unsigned seed = 0;
        std::string cells, side, move;
        std::int64_t nodes = 0;
        fields >> level >> seed >> cells >> side >> plies >> move >> nodes;
        ASSERT_TRUE(fields) << line;
        algo.board = Position(cells, plies);
        std::srand(seed);
        const Move m = algo.ComputerMove(level2nodes[level]);
        ASSERT_EQ(move, MoveWord(m)) << line;
        ASSERT_EQ(nodes, algo.nodes) << line;
        ++searches;
    }
    EXPECT_EQ(720, searches);
}

} // namespace
