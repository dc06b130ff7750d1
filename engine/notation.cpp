#include "notation.h"

#include "text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

bool IsPointAt(std::string_view text, std::size_t at) {
    return text.size() >= at + 2 && text[at] >= 'a' && text[at] <= 'c' && text[at + 1] >= '1' &&
           text[at + 1] <= '8';
}

// The fields of text separated by single spaces; empty fields are kept, so
// that doubled, leading or trailing spaces are seen.
std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t at = 0;; ++at) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        fields.push_back(text.substr(at, space - at));
        if (space == text.size()) return fields;
        at = space;
    }
}

// Sets problem and gives no position.
std::optional<Board> Refused(std::string& problem, std::string reason) {
    problem = std::move(reason);
    return std::nullopt;
}

} // namespace

std::string PointName(int p) {
    return {static_cast<char>('a' + (p >> 3)), static_cast<char>('1' + (p & 7))};
}

int PointNamed(std::string_view name) {
    return IsPointAt(name, 0) ? (name[0] - 'a') * 8 + (name[1] - '1') : -1;
}

std::string MoveWord(const Move& m) {
    // The text form does not depend on the position.
    Board any;
    any.Init();
    signed char text[8];
    any.MoveToString(m, text);
    return reinterpret_cast<const char*>(text);
}

bool IsMoveText(std::string_view text) {
    switch (text.size()) {
    case 2:
        return IsPointAt(text, 0);
    case 4:
        return IsPointAt(text, 0) && IsPointAt(text, 2);
    case 5:
        return IsPointAt(text, 0) && text[2] == '-' && IsPointAt(text, 3);
    case 7:
        return IsPointAt(text, 0) && IsPointAt(text, 2) && text[4] == '-' && IsPointAt(text, 5);
    default:
        return false;
    }
}

std::optional<Move> LegalMoveNamed(const Board& b, std::string_view text, MoveTextFault* fault) {
    const auto none = [&](MoveTextFault why) -> std::optional<Move> {
        if (fault) *fault = why;
        return std::nullopt;
    };
    if (!IsMoveText(text)) return none(MoveTextFault::NotAMove);
    if (SideToMoveHasLost(b)) return none(MoveTextFault::GameOver);
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    // The parser reads a zero-terminated text; a move text has at most 7 characters.
    signed char word[8] = {};
    std::copy(text.begin(), text.end(), word);
    const Move m(word);
    if (std::find(moves, moves + n, m) == moves + n) return none(MoveTextFault::NotLegal);
    return m;
}

std::string PositionText(const Board& b) {
    std::string cells;
    for (int v : b.board) cells += v == 1 ? 'W' : v == -1 ? 'B' : '.';
    return cells + (b.next == 1 ? " w " : " b ") + std::to_string(b.plies);
}

std::optional<Board> ReadPosition(std::string_view text, std::string& problem) {
    const std::vector<std::string_view> fields = Fields(text);
    if (fields.size() != 3 || fields[0].empty() || fields[1].empty() || fields[2].empty())
        return Refused(problem,
                       "position " + Quoted(text) +
                           ": expected three fields separated by single spaces, CELLS SIDE PLIES");
    const std::string_view cells = fields[0];
    if (cells.size() != 24)
        return Refused(problem, "position: CELLS must have 24 characters, not " +
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
            return Refused(problem, "position: " + Quoted(cells.substr(p, 1)) + " at point " +
                                        std::to_string(p) + " is not W, B or .");
        }
    }
    if (b.n_white > 9 || b.n_black > 9)
        return Refused(problem, "position: a side has more than 9 pieces");

    const std::string_view side = fields[1];
    if (side != "w" && side != "b") return Refused(problem, "position: SIDE must be w or b");
    b.next = side == "w" ? 1 : -1;

    const std::optional<std::uint64_t> plies = WholeNumber(fields[2]);
    if (!plies || *plies > kMaxPositionPlies)
        return Refused(problem, "position: PLIES must be a whole number from 0 to " +
                                    std::to_string(kMaxPositionPlies));
    b.plies = static_cast<std::int32_t>(*plies);
    if ((b.plies % 2 == 0) != (b.next == 1))
        return Refused(problem, "position: White moves at even plies and Black at odd ones");

    // No game reaches such a position, and the side to move could close a
    // mill with nothing to capture.
    const int own = b.next == 1 ? b.n_white : b.n_black;
    const int opponent = b.next == 1 ? b.n_black : b.n_white;
    if (own >= 2 && opponent == 0)
        return Refused(problem, "position: the side to move has pieces but its opponent has none");
    // While placing, a side has at most the pieces it has placed; more would
    // let it place a tenth.
    if (b.InPlacingPhase() && (b.n_white > (b.plies + 1) / 2 || b.n_black > b.plies / 2))
        return Refused(problem, "position: more pieces on the board than placed in " +
                                    std::to_string(b.plies) + " plies");
    return b;
}
