#include "quarn-engine/notation.h"

#include <vector>

namespace {

constexpr int kMaxPlies = 100000;

// The fields of text separated by single spaces; empty fields are kept, so
// that doubled, leading or trailing spaces are seen.
std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ' ')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

} // namespace

Board ParsePosition(const std::string& text) {
    const std::vector<std::string> fields = Fields(text);
    if (fields.size() != 3 || fields[0].empty() || fields[1].empty() || fields[2].empty())
        throw InputError("position " + Quoted(text) +
                         ": expected three fields separated by single spaces, CELLS SIDE PLIES");
    const std::string& cells = fields[0];
    if (cells.size() != 24)
        throw InputError("position: CELLS must have 24 characters, not " +
                         std::to_string(cells.size()));

    Board b;
    b.Init();
    for (int p = 0; p < 24; ++p) {
        switch (cells[p]) {
        case 'W':
            b.board[p] = 1;
            ++b.n_white;
            break;
        case 'B':
            b.board[p] = -1;
            ++b.n_black;
            break;
        case '.':
            break;
        default:
            throw InputError("position: " + Quoted(std::string(1, cells[p])) + " at point " +
                             std::to_string(p) + " is not W, B or .");
        }
    }
    if (b.n_white > 9 || b.n_black > 9) throw InputError("position: a side has more than 9 pieces");

    const std::string& side = fields[1];
    if (side != "w" && side != "b") throw InputError("position: SIDE must be w or b");
    b.next = side == "w" ? 1 : -1;

    const std::optional<std::uint64_t> plies = WholeNumber(fields[2]);
    if (!plies || *plies > kMaxPlies)
        throw InputError("position: PLIES must be a whole number from 0 to 100000");
    b.plies = static_cast<std::int32_t>(*plies);
    if ((b.plies % 2 == 0) != (b.next == 1))
        throw InputError("position: White moves at even plies and Black at odd ones");

    // No game reaches such a position, and the side to move could close a
    // mill with nothing to capture.
    const int own = b.next == 1 ? b.n_white : b.n_black;
    const int opponent = b.next == 1 ? b.n_black : b.n_white;
    if (own >= 2 && opponent == 0)
        throw InputError("position: the side to move has pieces but its opponent has none");
    // While placing, a side has at most the pieces it has placed; more would
    // let it place a tenth.
    if (b.plies <= 17 && (b.n_white > (b.plies + 1) / 2 || b.n_black > b.plies / 2))
        throw InputError("position: more pieces on the board than placed in " +
                         std::to_string(b.plies) + " plies");
    return b;
}

std::string PositionText(const Board& b) {
    std::string cells;
    for (int v : b.board) cells += v == 1 ? 'W' : v == -1 ? 'B' : '.';
    return cells + (b.next == 1 ? " w " : " b ") + std::to_string(b.plies);
}

void PlayMoveText(Board& b, const std::string& text) {
    if (!IsMoveText(text))
        throw InputError("move " + Quoted(text) + " is not of the form a1, a1a2, a1-b2 or a1a2-b2");
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    if (b.CurrentHasLost() || n == 0)
        throw InputError("move " + text + ": the game is over, the side to move has lost");
    const Move m(reinterpret_cast<const signed char*>(text.c_str()));
    for (int i = 0; i < n; ++i) {
        if (moves[i] == m) {
            b.DoMove(m);
            return;
        }
    }
    throw InputError("move " + text + " is not legal in position " + PositionText(b));
}
