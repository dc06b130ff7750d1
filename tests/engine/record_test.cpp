// Game records: what the writer writes reads back the same, and every way a
// record can be wrong is refused with its line.
#include "engine/record.h"
#include "support/positions.h"
#include "support/random_games.h"

#include <gtest/gtest.h>

namespace {

// A record of the given moves, read from text that must be valid.
GameRecord Read(std::string_view text) {
    GameRecord r;
    RecordError e;
    EXPECT_TRUE(ReadGameRecord(text, r, e)) << Describe(e);
    return r;
}

// Reading text fails at `line` with `problem`; the record is left as it was.
void ExpectRefused(std::string_view text, int line, RecordProblem problem,
                   const std::string& word) {
    GameRecord r;
    r.level = 3;
    RecordError e;
    ASSERT_FALSE(ReadGameRecord(text, r, e)) << text;
    EXPECT_EQ(line, e.line) << text;
    EXPECT_EQ(problem, e.problem) << text;
    EXPECT_EQ(word, e.word) << text;
    EXPECT_EQ(3, r.level);
    EXPECT_TRUE(r.moves.empty());
}

// A game of the computer against itself that White wins at ply 31, Black
// being left with two pieces.
constexpr std::string_view kGame =
    "b2 b4 b6 b5 b3 b1 b8 c2 a7 a6 a8 c8 a1-c8 c8 c5 c1 c7 c3-b6 c5c4 a6b6 a1a2 b6a6 a2a1-b5 "
    "b4b5 a1a2 b5b4 a2a1-b4 a6a5 a1a2 a5a4 a2a1-a4";

TEST(GameRecord, WrittenRecordsReadBackTheSame) {
    GameRecord r = Read(kGame);
    ASSERT_EQ(31u, r.moves.size());
    r.userColor = -1;
    r.level = 4;
    r.played = "2026-12-08T22:41:07Z";
    r.takenBack = 2;
    const std::string text = WriteGameRecord(r).value();
    EXPECT_EQ(0u, text.find("# Quarn game record\n# Date: 2026-12-08T22:41:07Z\n# You: Black\n"
                            "# Level: 4 (Very hard)\n# Taken back: 2\n1. b2 b4\n2. b6 b5\n"));
    EXPECT_EQ(r, Read(text));

    r.moves.pop_back();
    r.userColor = 0;
    r.level = -1;
    r.played.clear();
    EXPECT_EQ(0u, WriteGameRecord(r)->find("# Quarn game record\n# Taken back: 2\n1. b2 b4\n"));
    EXPECT_TRUE(WriteGameRecord(r)->ends_with("\n15. a1a2 a5a4\n"));
    EXPECT_EQ(r, Read(*WriteGameRecord(r)));
    EXPECT_EQ(GameRecord{}, Read(*WriteGameRecord(GameRecord{})));
}

// What the writer writes, the reader takes: the longest game allowed, with
// every fact at its longest, is written under the byte limit and reads back;
// one move more is refused by both.
TEST(GameRecord, TheLongestGameAllowedIsWrittenAndReadsBack) {
    GameRecord r;
    r.moves = LongRandomGame(1, kMaxRecordPlies + 1);
    const Move oneMore = r.moves.back();
    r.moves.pop_back();
    r.userColor = -1;
    r.level = 4;
    r.white = r.black = {RecordedPlayer::Computer, 5};
    r.played = std::string(kMaxDateBytes - 3, '9') + "\xc3\xa9\xc3\xa9"; // cut inside no character
    r.takenBack = kMaxRecordPlies;
    const std::optional<std::string> text = WriteGameRecord(r);
    ASSERT_TRUE(text);
    EXPECT_LE(text->size(), kMaxRecordBytes);
    GameRecord back = Read(*text);
    EXPECT_EQ(r.moves, back.moves);
    EXPECT_EQ(std::string(kMaxDateBytes - 3, '9') + "\xc3\xa9", back.played);

    r.moves.push_back(oneMore);
    EXPECT_FALSE(WriteGameRecord(r));
    ExpectRefused(*text + MoveWord(oneMore),
                  static_cast<int>(std::count(text->begin(), text->end(), '\n')) + 1,
                  RecordProblem::TooManyMoves, MoveWord(oneMore));
}

TEST(GameRecord, AClaimedDrawOrAResignationIsKeptWithTheMasterLevel) {
    GameRecord r = Read("a1 b1");
    r.level = 5;
    r.result = GameResult::DrawByRepetition;
    const std::string text = WriteGameRecord(r).value();
    EXPECT_NE(std::string::npos, text.find("# Level: 5 (Master)\n# Result: draw by repetition\n"));
    EXPECT_EQ(r, Read(text));
    r.result = GameResult::BlackResigns;
    EXPECT_NE(std::string::npos, WriteGameRecord(r)->find("# Result: Black resigns\n"));
    EXPECT_EQ(GameResult::WhiteResigns, Read("# result:  white RESIGNS \na1").result);
}

// Who played each side: two people, or the computer at a level against
// itself; a side named some other way is refused.
TEST(GameRecord, WhoPlaysEachSideIsKept) {
    GameRecord r = Read("a1 b1");
    r.white = {RecordedPlayer::Player, -1};
    r.black = {RecordedPlayer::Player, -1};
    EXPECT_NE(std::string::npos, WriteGameRecord(r)->find("# White: Player\n# Black: Player\n"));
    EXPECT_EQ(r, Read(*WriteGameRecord(r)));
    r.white = {RecordedPlayer::Computer, 5};
    r.black = {RecordedPlayer::You, -1};
    EXPECT_NE(std::string::npos,
              WriteGameRecord(r)->find("# White: Computer (Level 5)\n# Black: You\n"));
    EXPECT_EQ(r, Read(*WriteGameRecord(r)));
    EXPECT_EQ(RecordedPlayer::Computer, Read("# white: computer (level 0)\na1").white.kind);
    ExpectRefused("# Black: Computer (Level 6)\n", 1, RecordProblem::BadValue,
                  "Black: Computer (Level 6)");
    ExpectRefused("a1\n# White: Somebody\n", 2, RecordProblem::BadValue, "White: Somebody");
}

TEST(GameRecord, ReadsWhatPeopleWrite) {
    const GameRecord r = Read("\xEF\xBB\xBF# Quarn\r\n  # you:  WHITE \r\n#LEVEL: 2 (Medium)\r\n"
                              "# Remark: anything\r\n# date:  Tuesday night  \r\n"
                              "1.\ta1  c1\r\n2. a2 ... c3\r\n");
    EXPECT_EQ(1, r.userColor);
    EXPECT_EQ(2, r.level);
    EXPECT_EQ("Tuesday night", r.played);
    EXPECT_EQ(4u, r.moves.size());
    EXPECT_TRUE(Read("").moves.empty());
    EXPECT_TRUE(Read("# only a comment").moves.empty());
    EXPECT_EQ(Pieces("a1 a2", "c1 c3", 4), CurrentPosition(r));
}

TEST(GameRecord, RefusesEachFaultOnItsLine) {
    ExpectRefused("a1\nb1 a9", 2, RecordProblem::UnknownWord, "a9");
    ExpectRefused("a1\n\n# x\nb1 a1", 4, RecordProblem::IllegalMove, "a1");
    // a3 closes a mill: only with a capture is it legal.
    ExpectRefused("a1 b1 a2 b2 a3", 1, RecordProblem::IllegalMove, "a3");
    ExpectRefused(std::string(kGame) + "\nc8", 2, RecordProblem::AfterEnd, "c8");
    ExpectRefused("a1\n# You: Green", 2, RecordProblem::BadValue, "You: Green");
    ExpectRefused("# Level: 6", 1, RecordProblem::BadValue, "Level: 6");
    ExpectRefused("# Result: a win", 1, RecordProblem::BadValue, "Result: a win");
    ExpectRefused("# Level: 12", 1, RecordProblem::BadValue, "Level: 12");
    ExpectRefused("# Taken back: 3\na1 b1", 1, RecordProblem::BadValue, "Taken back: 3");
    ExpectRefused("# Taken back: 12345678901234567890123456\na1", 1, RecordProblem::BadValue,
                  "Taken back: 12345678901234567890123456");
    ExpectRefused("a1\nb1\x01", 2, RecordProblem::NotText, "\\x01");
    ExpectRefused("a1\r b1", 1, RecordProblem::NotText, "\\x0d");
    ExpectRefused(std::string("a1\n\0", 4), 2, RecordProblem::NotText, "\\x00");
    ExpectRefused("a1\n# caf\xe9", 2, RecordProblem::NotText, "\\xe9");
    ExpectRefused(std::string(kMaxRecordBytes + 1, ' '), 0, RecordProblem::TooLong, "");
    ExpectRefused(std::string(100, 'x'), 1, RecordProblem::UnknownWord,
                  std::string(40, 'x') + "...");
    EXPECT_TRUE(Read(std::string(kMaxRecordBytes, ' ')).moves.empty());

    RecordError e{7, RecordProblem::UnknownWord, "a9"};
    EXPECT_EQ("line 7: \"a9\" is not a move", Describe(e));
    e = {12, RecordProblem::IllegalMove, "c3c4"};
    EXPECT_EQ("line 12: \"c3c4\" is not a legal move here", Describe(e));
}

} // namespace
