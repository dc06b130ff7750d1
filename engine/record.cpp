#include "record.h"

#include "levels.h"
#include "notation.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr std::string_view kBlanks = " \t";

// The values of "# Result:", as written.
struct ResultText {
    GameResult result;
    std::string_view text;
};
constexpr std::array<ResultText, 3> kResults = {
    {{GameResult::DrawByRepetition, "draw by repetition"},
     {GameResult::WhiteResigns, "White resigns"},
     {GameResult::BlackResigns, "Black resigns"}}};

// The lines the writer puts before the moves, at their longest.
constexpr std::string_view kTitle = "# Quarn game record\n";
constexpr std::string_view kDateKey = "# Date: ";
constexpr std::string_view kColourLine = "# You: White\n"; // as long as "# You: Black\n"
constexpr std::string_view kLevelKey = "# Level: ";
constexpr std::string_view kWhiteKey = "# White: ";
constexpr std::string_view kBlackKey = "# Black: ";
constexpr std::string_view kComputerWord = "Computer (Level ";
constexpr std::string_view kTakenBackKey = "# Taken back: ";
constexpr std::string_view kResultKey = "# Result: ";
// The longest move text, b8c8-a5.
constexpr std::size_t kMoveChars = 7;

constexpr std::size_t Digits(std::size_t n) {
    std::size_t digits = 1;
    for (; n >= 10; n /= 10) ++digits;
    return digits;
}

// The size of the largest record of `plies` moves that the writer makes:
// every header line at its longest, every move a capture with a start.
constexpr std::size_t LongestRecordBytes(std::size_t plies) {
    std::size_t longestLevelName = 0;
    for (const Level& level : kLevelTable)
        longestLevelName = std::max(longestLevelName, std::string_view(level.name).size());
    std::size_t longestResult = 0;
    for (const ResultText& r : kResults) longestResult = std::max(longestResult, r.text.size());
    std::size_t bytes = kTitle.size() + kDateKey.size() + kMaxDateBytes + 1 + kColourLine.size() +
                        kLevelKey.size() + 1 + 2 + longestLevelName + 2 + kTakenBackKey.size() +
                        Digits(plies) + 1 + kResultKey.size() + longestResult + 1 +
                        kWhiteKey.size() + kBlackKey.size() + 2 * (kComputerWord.size() + 3);
    // A line per pair of moves: "N. MOVE MOVE\n".
    for (std::size_t pair = 1; 2 * pair - 1 <= plies; ++pair)
        bytes += Digits(pair) + 2 + kMoveChars + (2 * pair <= plies ? 1 + kMoveChars : 0) + 1;
    return bytes;
}
static_assert(LongestRecordBytes(kMaxRecordPlies) <= kMaxRecordBytes,
              "the longest record the writer may write must be one the reader takes");

std::string_view Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool SameWordIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
               return lower(x) == lower(y);
           });
}

// Words that a move list may hold besides moves: move numbers ("12.") and "...".
bool IsFiller(std::string_view word) {
    if (word == "...") return true;
    return word.size() >= 2 && word.back() == '.' &&
           word.substr(0, word.size() - 1).find_first_not_of("0123456789") ==
               std::string_view::npos;
}

// "You", "Computer (Level N)" or "Player", any case; nullopt for anything else.
std::optional<RecordedPlayer> PlayerNamed(std::string_view value) {
    if (SameWordIgnoringCase(value, "You")) return RecordedPlayer{RecordedPlayer::You, -1};
    if (SameWordIgnoringCase(value, "Player")) return RecordedPlayer{RecordedPlayer::Player, -1};
    const std::size_t prefix = kComputerWord.size();
    if (value.size() == prefix + 2 &&
        SameWordIgnoringCase(value.substr(0, prefix), kComputerWord) && value[prefix] >= '0' &&
        value[prefix] < '0' + kLevels && value[prefix + 1] == ')')
        return RecordedPlayer{RecordedPlayer::Computer, value[prefix] - '0'};
    return std::nullopt;
}

std::string PlayerText(const RecordedPlayer& player) {
    switch (player.kind) {
    case RecordedPlayer::You:
        return "You";
    case RecordedPlayer::Computer:
        return std::string(kComputerWord) +
               std::to_string(std::clamp(player.level, 0, kLevels - 1)) + ")";
    default:
        return "Player";
    }
}

struct Reader {
    GameRecord record;
    Board board;
    RecordError error;
    int takenBackLine = 0;
    std::string takenBackText; // the line of the count, as written

    bool Fail(int line, RecordProblem problem, std::string_view word) {
        error = {line, problem, Printable(word)};
        return false;
    }

    bool Comment(int line, std::string_view text) {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) return true;
        const std::string_view key = Trimmed(text.substr(0, colon));
        const std::string_view value = Trimmed(text.substr(colon + 1));
        const auto bad = [&] { return Fail(line, RecordProblem::BadValue, Trimmed(text)); };
        if (SameWordIgnoringCase(key, "Date")) {
            record.played = value;
        } else if (SameWordIgnoringCase(key, "You")) {
            if (SameWordIgnoringCase(value, "White"))
                record.userColor = 1;
            else if (SameWordIgnoringCase(value, "Black"))
                record.userColor = -1;
            else
                return bad();
        } else if (SameWordIgnoringCase(key, "Level")) {
            if (value.empty() || value[0] < '0' || value[0] >= '0' + kLevels ||
                (value.size() > 1 && value[1] >= '0' && value[1] <= '9'))
                return bad();
            record.level = value[0] - '0';
        } else if (SameWordIgnoringCase(key, "White") || SameWordIgnoringCase(key, "Black")) {
            const std::optional<RecordedPlayer> player = PlayerNamed(value);
            if (!player) return bad();
            (SameWordIgnoringCase(key, "White") ? record.white : record.black) = *player;
        } else if (SameWordIgnoringCase(key, "Taken back")) {
            // More than any record holds; refused once the moves are counted,
            // with the number as it was written.
            constexpr std::uint64_t kTooMany = kMaxRecordPlies + 1;
            const std::optional<std::uint64_t> count = WholeNumber(value);
            if (!count) return bad();
            record.takenBack = static_cast<int>(std::min(*count, kTooMany));
            takenBackLine = line;
            takenBackText = Trimmed(text);
        } else if (SameWordIgnoringCase(key, "Result")) {
            const auto found = std::find_if(kResults.begin(), kResults.end(), [&](const auto& r) {
                return SameWordIgnoringCase(value, r.text);
            });
            if (found == kResults.end()) return bad();
            record.result = found->result;
        }
        return true;
    }

    bool Word(int line, std::string_view word) {
        if (IsFiller(word)) return true;
        MoveTextFault fault;
        const std::optional<Move> m = LegalMoveNamed(board, word, &fault);
        if (m && record.moves.size() == static_cast<std::size_t>(kMaxRecordPlies))
            return Fail(line, RecordProblem::TooManyMoves, word);
        if (!m)
            return Fail(line,
                        fault == MoveTextFault::NotAMove   ? RecordProblem::UnknownWord
                        : fault == MoveTextFault::GameOver ? RecordProblem::AfterEnd
                                                           : RecordProblem::IllegalMove,
                        word);
        board.DoMove(*m);
        record.moves.push_back(*m);
        return true;
    }

    bool Line(int line, std::string_view text) {
        if (const std::size_t bad = FirstNonText(text); bad != std::string_view::npos)
            return Fail(line, RecordProblem::NotText, text.substr(bad, 1));
        const std::string_view content = Trimmed(text);
        if (!content.empty() && content[0] == '#') return Comment(line, content.substr(1));
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t begin = text.find_first_not_of(kBlanks, at);
            if (begin == std::string_view::npos) break;
            const std::size_t end = std::min(text.find_first_of(kBlanks, begin), text.size());
            if (!Word(line, text.substr(begin, end - begin))) return false;
            at = end;
        }
        return true;
    }
};

} // namespace

std::string Describe(const RecordError& e) {
    const std::string where = "line " + std::to_string(e.line) + ": ";
    const std::string word = '"' + e.word + '"';
    switch (e.problem) {
    case RecordProblem::TooLong:
        return "the file is larger than " + std::to_string(kMaxRecordBytes) +
               " bytes; it is not a game record";
    case RecordProblem::NotText:
        return where + word + " is not text";
    case RecordProblem::UnknownWord:
        return where + word + " is not a move";
    case RecordProblem::IllegalMove:
        return where + word + " is not a legal move here";
    case RecordProblem::AfterEnd:
        return where + word + " comes after the end of the game";
    case RecordProblem::BadValue:
        return where + word + " has a value that cannot be read";
    case RecordProblem::TooManyMoves:
        return where + word + " is a move beyond the " + std::to_string(kMaxRecordPlies) +
               " that a record may hold";
    }
    return where + word;
}

std::optional<std::string> WriteGameRecord(const GameRecord& record) {
    if (record.moves.size() > static_cast<std::size_t>(kMaxRecordPlies)) return std::nullopt;
    std::string text(kTitle);
    std::string played = record.played;
    // The date stays on its line and readable: whatever is not text becomes a blank.
    for (std::size_t at; (at = FirstNonText(played)) != std::string::npos;) played[at] = ' ';
    std::string_view date = Trimmed(played);
    if (date.size() > kMaxDateBytes) {
        // Cut before a character, never inside one.
        std::size_t cut = kMaxDateBytes;
        while ((static_cast<unsigned char>(date[cut]) & 0xC0) == 0x80) --cut;
        date = Trimmed(date.substr(0, cut));
    }
    if (!date.empty()) text += std::string(kDateKey) + std::string(date) + "\n";
    if (record.userColor == 1 || record.userColor == -1)
        text += record.userColor == 1 ? kColourLine : "# You: Black\n";
    if (ValidLevel(record.level))
        text += std::string(kLevelKey) + std::to_string(record.level) + " (" +
                kLevelTable[record.level].name + ")\n";
    if (record.white.kind != RecordedPlayer::NotRecorded &&
        record.black.kind != RecordedPlayer::NotRecorded)
        text += std::string(kWhiteKey) + PlayerText(record.white) + "\n" + std::string(kBlackKey) +
                PlayerText(record.black) + "\n";
    const int moves = static_cast<int>(record.moves.size());
    const int takenBack = std::clamp(record.takenBack, 0, moves);
    if (takenBack > 0) text += std::string(kTakenBackKey) + std::to_string(takenBack) + "\n";
    for (const ResultText& r : kResults)
        if (r.result == record.result) text += std::string(kResultKey) + std::string(r.text) + "\n";
    for (int i = 0; i < moves; ++i) {
        text += i % 2 == 0 ? std::to_string(i / 2 + 1) + ". " : " ";
        text += MoveWord(record.moves[i]);
        if (i % 2 == 1 || i + 1 == moves) text += '\n';
    }
    return text;
}

bool ReadGameRecord(std::string_view text, GameRecord& out, RecordError& error) {
    if (text.size() > kMaxRecordBytes) {
        error = {0, RecordProblem::TooLong, ""};
        return false;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Reader reader;
    reader.board.Init();
    int line = 1;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view content = text.substr(0, end);
        // A carriage return ends a line only together with the line feed.
        if (end < text.size() && !content.empty() && content.back() == '\r')
            content.remove_suffix(1);
        if (!reader.Line(line, content)) {
            error = reader.error;
            return false;
        }
        text.remove_prefix(std::min(end + 1, text.size()));
        ++line;
    }
    if (reader.record.takenBack > static_cast<int>(reader.record.moves.size())) {
        error = {reader.takenBackLine, RecordProblem::BadValue, Printable(reader.takenBackText)};
        return false;
    }
    out = std::move(reader.record);
    return true;
}

Board CurrentPosition(const GameRecord& record) {
    Board b;
    b.Init();
    const std::size_t played =
        record.moves.size() - std::clamp<std::size_t>(record.takenBack, 0, record.moves.size());
    for (std::size_t i = 0; i < played; ++i) b.DoMove(record.moves[i]);
    return b;
}
