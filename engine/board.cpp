#include "board.h"

#include "movegen.h"

#include <cassert>
#include <cctype>

namespace {

// Records mill (a, b, c) in the next free slot of each of its points; num[p]
// counts the mills already recorded for p.
constexpr void AddMill(MillTab& tab, int (&num)[24], const signed char (&mill)[3]) {
    const int a = mill[0], b = mill[1], c = mill[2];
    tab[a][num[a]][0] = static_cast<signed char>(b);
    tab[a][num[a]][1] = static_cast<signed char>(c);
    tab[b][num[b]][0] = static_cast<signed char>(a);
    tab[b][num[b]][1] = static_cast<signed char>(c);
    tab[c][num[c]][0] = static_cast<signed char>(a);
    tab[c][num[c]][1] = static_cast<signed char>(b);
    ++num[a];
    ++num[b];
    ++num[c];
}

// A point on a third mill would write past its two slots, which no
// constant evaluation allows: the build stops instead.
constexpr MillTab MillTabOf() {
    MillTab tab{};
    int num[24] = {};
    for (const auto& mill : milltab_short) AddMill(tab, num, mill);
    return tab;
}

// The table as the rules define it, a row per point a1..c8: slot 0, slot 1.
constexpr MillTab kRulesMillTab = {{
    {{1, 2}, {7, 6}},     {{0, 2}, {17, 9}},   {{0, 1}, {3, 4}},     {{2, 4}, {11, 19}},
    {{6, 5}, {2, 3}},     {{6, 4}, {13, 21}},  {{5, 4}, {0, 7}},     {{0, 6}, {15, 23}},
    {{9, 10}, {15, 14}},  {{8, 10}, {17, 1}},  {{8, 9}, {11, 12}},   {{10, 12}, {3, 19}},
    {{14, 13}, {10, 11}}, {{14, 12}, {5, 21}}, {{13, 12}, {8, 15}},  {{8, 14}, {7, 23}},
    {{17, 18}, {23, 22}}, {{16, 18}, {9, 1}},  {{16, 17}, {19, 20}}, {{18, 20}, {3, 11}},
    {{22, 21}, {18, 19}}, {{22, 20}, {5, 13}}, {{21, 20}, {16, 23}}, {{16, 22}, {7, 15}},
}};
static_assert(MillTabOf() == kRulesMillTab, "the mill list must give the rules' mill table");

} // namespace

constinit MillTab milltab = MillTabOf();

void InitMillTab() {
    int num[24] = {};
    for (const auto& mill : milltab_short) {
        const int a = mill[0], b = mill[1], c = mill[2];
        assert(num[a]<=1);
        assert(num[b]<=1);
        assert(num[c]<=1);
        AddMill(milltab, num, mill);
    }
}

// Move

namespace {

// The point named by a ring letter and a position digit, without validation.
signed char PointOf(signed char letter, signed char digit) {
    return static_cast<signed char>(((letter - 'a') << 3) | (digit - '1'));
}

signed char* WritePoint(signed char* out, int p) {
    *out++ = static_cast<signed char>('a' + (p >> 3));
    *out++ = static_cast<signed char>('1' + (p & 7));
    return out;
}

} // namespace

Move::Move(const signed char* s) : start(-1), end(PointOf(s[0], s[1])), take(-1) {
    int pos = 2;
    if (std::isalpha(static_cast<unsigned char>(s[2]))) {
        start = end;
        end = PointOf(s[2], s[3]);
        pos = 4;
    }
    if (s[pos] == '-') take = PointOf(s[pos + 1], s[pos + 2]);
}

// Board

void Board::Init() {
    for (auto& p : board) p = 0;
    next = 1;
    n_white = 0;
    n_black = 0;
    plies = 0;
}

void Board::DoMove(const Move& m) {
    if (m.start >= 0) {
        assert(board[m.start] == next);
        board[m.start] = 0;
    }
    assert(board[m.end] == 0);
    board[m.end] = next;
    if (m.take >= 0) {
        assert(board[m.take]== -next);
        board[m.take] = 0;
    }
    signed char& own = next == 1 ? n_white : n_black;
    signed char& opponent = next == 1 ? n_black : n_white;
    if (m.start < 0) ++own;
    if (m.take >= 0) --opponent;
    next = static_cast<signed char>(-next);
    ++plies;
}

bool Board::CurrentHasLost() const {
    if (InPlacingPhase()) return false;
    return (next == 1 ? n_white : n_black) == 2;
}

bool Board::OpponentHasLost() const {
    if (InPlacingPhase()) return false;
    return (next == 1 ? n_black : n_white) == 2;
}

bool SideToMoveHasLost(const Board& b) {
    Move moves[kMaxMoves];
    return b.CurrentHasLost() || b.GenMoves(moves, kMaxMoves) == 0;
}

void Board::MoveToString(const Move& m, signed char* out) const {
    if (m.start >= 0) out = WritePoint(out, m.start);
    assert(m.end>=0);
    out = WritePoint(out, m.end);
    if (m.take >= 0) {
        *out++ = '-';
        out = WritePoint(out, m.take);
    }
    *out = 0;
}

// Move generation

bool Board::WouldCloseMill(int s, int n) const {
    assert(board[n]==0);
    for (const auto& slot : milltab[n]) {
        const int p = slot[0], q = slot[1];
        if (board[p] == next && board[q] == board[p] && p != s && q != s) return true;
    }
    return false;
}

bool Board::IsInMill(int n) const {
    assert(board[n]!=0);
    for (const auto& slot : milltab[n])
        if (board[slot[0]] == board[n] && board[slot[1]] == board[n]) return true;
    return false;
}

int Board::Freedom(int n) const {
    int free = 0;
    for (int x : neighbour[n]) {
        if (x < 0) break;
        if (board[x] == 0) ++free;
    }
    return free;
}

int Board::GenTakes(Move* m) const {
    const Pieces pieces = PiecesOf(*this);
    int num = 0;
    for (PointSet s = Takeable(next == 1 ? pieces.black : pieces.white); s != 0; s &= s - 1) {
        m[num] = m[0];
        m[num].take = static_cast<signed char>(std::countr_zero(s));
        ++num;
    }
    assert(num>0);
    return num;
}

int Board::GenMoves(Move* moves, int maxMoves) const {
    MoveCursor candidate(*this);
    int num = 0;
    while (candidate.NextSource()) {
        assert(num<maxMoves);
        while (candidate.NextDestination()) {
            moves[num].start = static_cast<signed char>(candidate.start);
            moves[num].end = static_cast<signed char>(candidate.end);
            if (candidate.ClosesMill()) {
                assert(num < maxMoves-9);
                num += GenTakes(moves + num);
            } else {
                moves[num].take = -1;
                ++num;
            }
        }
    }
    return num;
}
