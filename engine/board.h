// The rules of Nine Men's Morris: board topology, positions, moves and
// move generation. No toolkit, no heap, no state beyond the tables below.
//
// A point is an index 0..23: ring = index >> 3 (0 outer, 1 middle, 2 inner
// square), position = index & 7, clockwise from the top-left corner of its
// square. -1 stands for "no point". Point p is named by the ring letter
// 'a' + (p >> 3) and the digit '1' + (p & 7): a1 is point 0, c8 is point 23.
#pragma once

#include <cstdint>

// Capacity of a legal-move list: no position with at most nine pieces a side
// yields as many entries (the most a game reaches is under 180).
inline constexpr int kMaxMoves = 200;

// Row p lists the points joined to p by a line, in the order in which slides
// are generated, padded with -1. Rows of the middle square's side middles
// (9, 11, 13, 15) have four entries and no terminator.
inline constexpr int neighbour[24][4] = {
    {1, 7, -1, -1},   {0, 2, 9, -1},    {1, 3, -1, -1},   {2, 4, 11, -1},   // a1..a4
    {3, 5, -1, -1},   {4, 6, 13, -1},   {5, 7, -1, -1},   {0, 6, 15, -1},   // a5..a8
    {9, 15, -1, -1},  {8, 1, 10, 17},   {9, 11, -1, -1},  {3, 10, 12, 19},  // b1..b4
    {11, 13, -1, -1}, {5, 12, 14, 21},  {13, 15, -1, -1}, {23, 14, 8, 7},   // b5..b8
    {17, 23, -1, -1}, {16, 18, 9, -1},  {17, 19, -1, -1}, {18, 11, 20, -1}, // c1..c4
    {19, 21, -1, -1}, {13, 22, 20, -1}, {21, 23, -1, -1}, {16, 15, 22, -1}, // c5..c8
};

// The 16 mills, three points each, in line order (the middle entry is the
// middle point of the line).
inline constexpr signed char milltab_short[16][3] = {
    {16, 17, 18}, {8, 9, 10},   {0, 1, 2},                 // top sides, inner to outer
    {6, 5, 4},    {14, 13, 12}, {22, 21, 20},              // bottom sides, outer to inner
    {16, 23, 22}, {8, 15, 14},  {0, 7, 6},                 // left sides, inner to outer
    {2, 3, 4},    {10, 11, 12}, {18, 19, 20},              // right sides, outer to inner
    {17, 9, 1},   {3, 11, 19},  {5, 13, 21},  {7, 15, 23}, // cross lines
};

// milltab[p][s] holds the two other points of the (s+1)-th mill through p,
// in mill order: 24 points by 2 slots by 2 points. Built from milltab_short
// at compile time, so it holds its contents before anything runs.
struct MillTab {
    signed char points[24][2][2];

    constexpr auto& operator[](int p) { return points[p]; }
    constexpr const auto& operator[](int p) const { return points[p]; }
    friend bool operator==(const MillTab&, const MillTab&) = default;
};
extern MillTab milltab;

// Builds milltab from milltab_short again, checking that no point lies on a
// third mill; the contents stay the same. Idempotent.
void InitMillTab();

// A placement (start -1), a slide or a jump, with or without a capture
// (take -1 for none). The empty move has all three fields -1.
struct Move {
    signed char start;
    signed char end;
    signed char take;

    // Leaves the fields unset: move lists are filled before they are read.
    Move() = default;
    constexpr Move(int s, int e, int t)
        : start(static_cast<signed char>(s)), end(static_cast<signed char>(e)),
          take(static_cast<signed char>(t)) {}
    // Parses the text form written by Board::MoveToString. The characters are
    // not validated: callers pass only text in that form.
    explicit Move(const signed char* text);

    void Reset() { start = end = take = -1; }
    bool IsEmpty() const { return end == -1; }

    friend bool operator==(const Move&, const Move&) = default;
};

// The placing phase: plies 0 to kPlacingPlies - 1 put a new piece on the
// board; from ply kPlacingPlies on, pieces move.
inline constexpr int kPlacingPlies = 18;
constexpr bool InPlacingPhase(int plies) {
    return plies < kPlacingPlies;
}

// A position. A plain value, copied for every node of the search.
// Invariants kept by DoMove for legal moves: n_white and n_black count the
// +1 and -1 entries of board; next is +1 exactly when plies is even.
struct Board {
    std::int16_t board[24]; // +1 White, -1 Black, 0 empty
    signed char next;       // side to move: +1 White, -1 Black
    signed char n_white;
    signed char n_black;
    std::int32_t plies; // moves made since the initial position

    void Init();
    bool InPlacingPhase() const { return ::InPlacingPhase(plies); }
    // Applies a move taken from this position's legal-move list.
    void DoMove(const Move& m);

    // Loss by material: once the placing phase is over, the side to move (or
    // the side that has just moved) is down to two pieces. A blocked side is
    // found by an empty move list instead (SideToMoveHasLost).
    bool CurrentHasLost() const;
    bool OpponentHasLost() const;

    // Writes the text form of m (at most 7 characters and a terminating 0).
    void MoveToString(const Move& m, signed char* out) const;

    // Every legal move, in the fixed order that both the search's tie-breaks
    // and the matching of taps rely on: ascending start point, then
    // destination (ascending, or in neighbour order for slides); a move that
    // closes a mill stands once per permitted capture. Returns the count.
    int GenMoves(Move* moves, int maxMoves) const;
    // Expands the entry at m (start and end set) into one entry per opposing
    // piece that may be taken. Returns the number of entries written.
    int GenTakes(Move* m) const;
    // Whether a piece of the side to move arriving at n from s (-1 for a
    // placement) closes a mill. A slide cannot close the mill of its own line.
    bool WouldCloseMill(int s, int n) const;
    // Whether the piece on n stands in a closed mill.
    bool IsInMill(int n) const;
    // Number of empty points joined to n by a line.
    int Freedom(int n) const;

    friend bool operator==(const Board&, const Board&) = default;
};

// Whether the side to move has lost the game: down to two pieces once the
// placing phase is over, or without a legal move.
bool SideToMoveHasLost(const Board& b);
