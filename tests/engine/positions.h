// Positions and move lists written the way the tests talk about them.
#pragma once

#include "engine/board.h"

#include <string>
#include <string_view>
#include <vector>

// A position from 24 cells (W, B or . for points a1..c8) and the number of
// plies made; the side to move follows from the parity, White at even plies.
inline Board Position(std::string_view cells, int plies) {
    Board b;
    b.Init();
    for (int p = 0; p < 24; ++p) {
        b.board[p] = cells[p] == 'W' ? 1 : cells[p] == 'B' ? -1 : 0;
        b.n_white += cells[p] == 'W';
        b.n_black += cells[p] == 'B';
    }
    b.plies = plies;
    b.next = plies % 2 == 0 ? 1 : -1;
    return b;
}

// A position with pieces on the named points ("a1 a2"), the rest empty.
inline Board Pieces(std::string_view white, std::string_view black, int plies) {
    std::string cells(24, '.');
    const auto put = [&](std::string_view names, char piece) {
        for (std::size_t i = 0; i + 1 < names.size(); i += 3)
            cells[(names[i] - 'a') * 8 + (names[i + 1] - '1')] = piece;
    };
    put(white, 'W');
    put(black, 'B');
    return Position(cells, plies);
}

inline std::string Text(const Board& b, const Move& m) {
    signed char text[8];
    b.MoveToString(m, text);
    return reinterpret_cast<const char*>(text);
}

inline Move Parse(const std::string& text) {
    return Move(reinterpret_cast<const signed char*>(text.c_str()));
}

inline std::vector<std::string> MoveTexts(const Board& b) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    std::vector<std::string> texts;
    for (int i = 0; i < n; ++i) texts.push_back(Text(b, moves[i]));
    return texts;
}

// Runs InitMillTab once before any test of the binary.
struct MillTabEnvironment {
    MillTabEnvironment() { InitMillTab(); }
};
inline const MillTabEnvironment kMillTabReady;
