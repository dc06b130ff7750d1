// The game in progress: starting, recording, looking moves up, undo and redo.
#include "engine/game.h"
#include "engine/record.h"
#include "support/positions.h"
#include "support/random_games.h"

#include <gtest/gtest.h>

namespace {

// Plays the first legal move, so that games are reproducible.
void PlayFirstMove() {
    ASSERT_GT(n_next_valid, 0);
    ASSERT_FALSE(board.CurrentHasLost());
    current_move = next_valid[0];
    make_move();
}

void ExpectConsistent() {
    EXPECT_EQ(board, algo.board);
    EXPECT_EQ(board,
              history_pos > 0 ? history[history_pos - 1] : Position("........................", 0));
    Move fresh[kMaxMoves];
    ASSERT_EQ(board.GenMoves(fresh, kMaxMoves), n_next_valid);
    for (int i = 0; i < n_next_valid; ++i) EXPECT_EQ(fresh[i], next_valid[i]);
    EXPECT_TRUE(current_move.IsEmpty());
}

TEST(Game, StartsWithTheInitialPositionRecorded) {
    game_init();
    EXPECT_EQ(1, history_pos);
    EXPECT_EQ(1, history_length);
    EXPECT_EQ(Position("........................", 0), history[0]);
    EXPECT_EQ(24, n_next_valid);
    EXPECT_EQ(Move(-1, -1, -1), current_move);
    EXPECT_EQ(&eval_cnt, algo.eval);
    EXPECT_TRUE(algo.stop);
    ExpectConsistent();
}

TEST(Game, HistoryGrowsByAHundredAndKeepsItsCapacity) {
    game_init();
    ASSERT_EQ(0, history_size % 100);
    while (history_pos < history_size) PlayFirstMove();
    const int capacity = history_size;
    const Board last = history[capacity - 1];
    const Board second = history[1];
    PlayFirstMove();
    EXPECT_EQ(capacity + 100, history_size);
    EXPECT_EQ(capacity + 1, history_pos);
    EXPECT_EQ(last, history[capacity - 1]);
    EXPECT_EQ(second, history[1]);
    ExpectConsistent();

    game_init();
    EXPECT_EQ(capacity + 100, history_size);
    EXPECT_EQ(1, history_pos);
    EXPECT_EQ(1, history_length);
}

TEST(Game, UndoAndRedoStepTwoPositions) {
    game_init();
    PlayFirstMove();
    PlayFirstMove();
    const Board afterTwo = board;
    ASSERT_EQ(3, history_pos);
    undo_step();
    EXPECT_EQ(1, history_pos);
    EXPECT_EQ(3, history_length);
    EXPECT_EQ(history[0], board);
    ExpectConsistent();
    redo_step();
    EXPECT_EQ(3, history_pos);
    EXPECT_EQ(afterTwo, board);
    ExpectConsistent();
}

TEST(Game, UndoToTheInitialPositionAndOnFromThere) {
    game_init();
    PlayFirstMove();
    const Board afterOne = board;
    undo_step();
    EXPECT_EQ(0, history_pos);
    EXPECT_EQ(Position("........................", 0), board);
    ExpectConsistent();
    redo_step();
    EXPECT_EQ(2, history_pos);
    EXPECT_EQ(afterOne, board);

    // A move made at history_pos 0 becomes entry 0 and cuts the redo tail.
    undo_step();
    PlayFirstMove();
    EXPECT_EQ(1, history_pos);
    EXPECT_EQ(1, history_length);
    EXPECT_EQ(board, history[0]);
    ExpectConsistent();
}

TEST(Game, MoveAfterUndoDropsWhatCouldBeRedone) {
    game_init();
    for (int i = 0; i < 4; ++i) PlayFirstMove();
    undo_step();
    ASSERT_EQ(3, history_pos);
    current_move = next_valid[n_next_valid - 1];
    make_move();
    EXPECT_EQ(4, history_pos);
    EXPECT_EQ(4, history_length);
    ExpectConsistent();
}

TEST(Game, LookupsOfMillClosingMoves) {
    game_init();
    board = Pieces("a1 a2", "b1 b2", 4);
    algo.board = board;
    gen_valid_moves();
    EXPECT_FALSE(is_valid_move(Move(-1, 2, -1)));
    EXPECT_TRUE(valid_moving(Move(-1, 2, -1)));
    EXPECT_TRUE(is_valid_move(Move(-1, 2, 8)));
    EXPECT_FALSE(is_valid_move(Move(-1, 2, 10)));
    EXPECT_TRUE(is_valid_move(Move(-1, 3, -1)));
    EXPECT_FALSE(valid_moving(Move(0, 2, -1)));

    n_next_valid = 0;
    EXPECT_FALSE(is_valid_move(Move(-1, 3, -1)));
    EXPECT_FALSE(valid_moving(Move(-1, 3, -1)));
}

TEST(Game, MakeMoveKeepsBothPositionsEqual) {
    game_init();
    current_move = Move(-1, 9, -1);
    make_move();
    EXPECT_EQ(1, board.board[9]);
    EXPECT_EQ(-1, board.next);
    EXPECT_EQ(23, n_next_valid);
    ExpectConsistent();
    game_exit();
    EXPECT_TRUE(algo.stop);
}

// A game of the longest length a record may hold is restored and read back
// whole; the history takes its room in one step, in whole growth steps.
TEST(Game, RestoringTheLongestRecordKeepsEveryMove) {
    game_init();
    const int plies = kMaxRecordPlies;
    const std::vector<Move> moves = LongRandomGame(3, plies);
    game_restore(moves, plies - 2);
    EXPECT_EQ(moves, game_moves());
    EXPECT_EQ(plies - 2, game_moves_played());
    EXPECT_EQ(plies + 1, history_length);
    EXPECT_EQ((plies + 1 + 99) / 100 * 100, history_size);
    redo_step();
    EXPECT_EQ(history[plies], board);
}

} // namespace
