// Game records: the moves of one game from the initial position, with a few
// facts about it, as plain UTF-8 text that a person can read and write.
//
//   # Quarn game record
//   # Date: 2026-12-08T22:41:07Z
//   # You: White
//   # Level: 4 (Very hard)
//   # White: You
//   # Black: Computer (Level 4)
//   1. a1 b2
//   2. a2 b4
//
// Lines starting with # (after blanks) are comments; "# Key: value" with
// the keys Date, You, Level, White, Black, Taken back and Result (any case)
// carry the facts, other comments are ignored. White and Black say who
// played each side: "You", "Computer (Level N)" or "Player" (one of two
// people at the same computer); a record without them is a game of the user
// against the computer, as You and Level say. A result ends a game that the rules
// alone have not ended: "# Result: draw by repetition" (the user claimed a
// draw when a position stood on the board for the third time) or
// "# Result: White resigns" / "# Result: Black resigns". The rest are moves in the engine's
// notation (a1, a1a2, a3-c5, b8c8-a5), separated by blanks and line breaks; move numbers ("12.")
// and "..." are skipped.
#pragma once

#include "engine/board.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Files larger than this are refused unread.
inline constexpr std::size_t kMaxRecordBytes = 2 << 20;
// The most moves a record holds, taken-back ones included: the writer
// refuses a longer game and the reader a longer record, so that whatever is
// written stays under kMaxRecordBytes and reads back.
inline constexpr int kMaxRecordPlies = 150000;
// The most bytes of the date that are written; a longer one is cut.
inline constexpr std::size_t kMaxDateBytes = 100;

// How a game ended where the position alone does not say so.
enum class GameResult { None, DrawByRepetition, WhiteResigns, BlackResigns };

// Who played one side of a recorded game.
struct RecordedPlayer {
    enum Kind { NotRecorded, You, Computer, Player };
    Kind kind = NotRecorded;
    int level = -1; // the computer's, 0..5

    friend bool operator==(const RecordedPlayer&, const RecordedPlayer&) = default;
};

struct GameRecord {
    int userColor = 0;       // +1: the user played White, -1: Black, 0: not recorded
    int level = -1;          // 0..5 ("Very easy".."Master"), -1: not recorded
    std::string played;      // when the game was played, as written (ISO 8601 UTC); may be empty
    std::vector<Move> moves; // every move in order from the initial position, each legal there
    int takenBack = 0; // how many of the last moves were taken back and can be redone; 0 in files
    GameResult result = GameResult::None; // reached after the moves not taken back
    RecordedPlayer white, black;          // both recorded, or neither written

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// Why a record was refused.
enum class RecordProblem {
    TooLong,
    NotText,
    UnknownWord,
    IllegalMove,
    AfterEnd,
    BadValue,
    TooManyMoves, // a move beyond kMaxRecordPlies
};
struct RecordError {
    int line = 0; // 1-based line of the fault; 0 when it concerns the whole file (TooLong)
    RecordProblem problem = RecordProblem::TooLong;
    std::string word; // the offending word or value, cut and escaped to be shown on one line
};
// One line of English: "line 7: \"a9\" is not a move", "line 12: \"c3c4\" is
// not a legal move here", ...
std::string Describe(const RecordError& e);

// The text of a record, or nullopt for a game of more than kMaxRecordPlies
// moves, which no reader would take. The text always ends with a newline.
// Only recorded facts are written; what is not text in `played` (line
// breaks, other control characters, bytes outside UTF-8) becomes spaces,
// the date is cut to kMaxDateBytes, and `takenBack` is kept within
// 0..moves.size().
std::optional<std::string> WriteGameRecord(const GameRecord& record);
// Reads text. On success fills `out` and returns true; on failure returns
// false, fills `error` and leaves `out` untouched.
bool ReadGameRecord(std::string_view text, GameRecord& out, RecordError& error);

// The position reached by the record's moves, less the taken-back ones.
Board CurrentPosition(const GameRecord& record);
