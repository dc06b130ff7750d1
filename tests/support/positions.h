// Positions and move lists written the way the tests talk about them, in
// the engine's own text forms. The one position builder of every test.
#pragma once

#include "engine/notation.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

// A position from 24 cells (W, B or . for points a1..c8) and the number of
// plies made; the side to move follows from the parity, White at even plies.
// A position that no game reaches stops the test binary at once: a test
// that sets one up proves nothing about the game.
inline Board Position(std::string_view cells, int plies) {
    const std::string text =
        std::string(cells) + (plies % 2 == 0 ? " w " : " b ") + std::to_string(plies);
    std::string problem;
    const std::optional<Board> b = ReadPosition(text, problem);
    if (!b) {
        std::cerr << "test position " << text << " is refused: " << problem << "\n";
        std::abort();
    }
    return *b;
}

// A position with pieces on the named points ("a1 a2"), the rest empty.
inline Board Pieces(std::string_view white, std::string_view black, int plies) {
    std::string cells(24, '.');
    const auto put = [&](std::string_view names, char piece) {
        for (std::size_t i = 0; i + 1 < names.size(); i += 3)
            cells[PointNamed(names.substr(i))] = piece;
    };
    put(white, 'W');
    put(black, 'B');
    return Position(cells, plies);
}

inline Move Parse(const std::string& text) {
    return Move(reinterpret_cast<const signed char*>(text.c_str()));
}

inline std::vector<std::string> MoveTexts(const Board& b) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    std::vector<std::string> texts;
    for (int i = 0; i < n; ++i) texts.push_back(MoveWord(moves[i]));
    return texts;
}
