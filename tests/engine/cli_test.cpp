// quarn-engine's contract: its commands, and exit status 2 with a one-line
// message (and nothing on stdout) for anything it cannot take.
#include "engine/record.h"
#include "engine/signature.h"
#include "quarn-engine/commands.h"
#include "quarn_version.h"
#include "support/positions.h"
#include "support/random_games.h"
#include "support/run_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>
#include <fstream>

namespace {

ProgramResult Engine(const std::vector<std::string>& args) {
    return RunProgram(QUARN_ENGINE, args);
}

// Bad input: status 2, nothing on stdout, one line on stderr mentioning `about`.
void ExpectRejected(const std::vector<std::string>& args, const std::string& about) {
    std::string call;
    for (const auto& a : args) call += " [" + a + "]";
    const ProgramResult r = Engine(args);
    EXPECT_EQ(2, r.status) << call;
    EXPECT_EQ("", r.out) << call;
    // Lines of a sanitizer's own (in the sanitizer build) are not the program's.
    int lines = 0;
    std::istringstream err(r.err);
    for (std::string line; std::getline(err, line);)
        lines += line.rfind("==", 0) != 0 && line.rfind("False positive", 0) != 0 &&
                 line.rfind("For details see", 0) != 0;
    EXPECT_EQ(1, lines) << call << r.err;
    EXPECT_NE(std::string::npos, r.err.find(about)) << call << ": " << r.err;
}

TEST(Perft, CountsFromTheInitialPosition) {
    // 24 placements, then 23, 22, 21 of the remaining points; at the fifth
    // ply White's third piece can close a mill in 16 * 3! * 21 * 20 ways,
    // each with a choice of two captures.
    const Board start = Position("........................", 0);
    EXPECT_EQ(1u, Perft(start, 0));
    EXPECT_EQ(24u, Perft(start, 1));
    EXPECT_EQ(24u * 23, Perft(start, 2));
    EXPECT_EQ(24u * 23 * 22, Perft(start, 3));
    EXPECT_EQ(24u * 23 * 22 * 21, Perft(start, 4));
    EXPECT_EQ(24u * 23 * 22 * 21 * 20 + 16 * 6 * 21 * 20, Perft(start, 5));
}

TEST(Perft, LostSideEndsTheLine) {
    const Board lost = Position("WW......BBB.............", 30);
    EXPECT_EQ(1u, Perft(lost, 0));
    EXPECT_EQ(0u, Perft(lost, 3));
}

TEST(EngineProgram, CommandsFollowTheContract) {
    ProgramResult r = Engine({"moves", "--position", "WW......BB.............. w 4"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(0u, r.out.find("a3-b1\na3-b2\na4\n"));
    EXPECT_EQ(21, std::count(r.out.begin(), r.out.end(), '\n'));

    // 22 * 21 * 20 placements, and 4 * 20 of them close a mill through a1
    // and may capture either Black piece.
    r = Engine({"perft", "3", "a1", "b1"});
    EXPECT_EQ("9320\n", r.out);
    EXPECT_EQ("", r.err);

    r = Engine({"eval", "--position", ".........W.............. b 1"});
    EXPECT_EQ("2.4000000000000004\n", r.out);

    r = Engine({"search", "--position", "WW.W........B.B..W..B... w 30", "--nodes", "1000000"});
    EXPECT_EQ("a4a3-b7 122\n", r.out);

    r = Engine({"play", "--white", "0", "--black", "0", "--max-plies", "4", "--seed", "7"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(5, std::count(r.out.begin(), r.out.end(), '\n'));
    EXPECT_NE(std::string::npos, r.out.find("result: ply limit\n"));
    EXPECT_EQ(
        r.out,
        Engine({"play", "--seed", "7", "--black", "0", "--max-plies", "4", "--white", "0"}).out);

    r = Engine(
        {"play", "--white", "1", "--black", "0", "--position", "WW.W........B.B..W..B... w 30"});
    EXPECT_EQ(0u, r.out.find("a4a3-b7 122\n"));
    EXPECT_NE(std::string::npos, r.out.find("result: white wins\n"));

    // --timing appends the milliseconds as a third field.
    r = Engine({"play", "--white", "0", "--black", "0", "--timing", "--max-plies", "1"});
    const std::string first = r.out.substr(0, r.out.find('\n'));
    EXPECT_EQ(2, std::count(first.begin(), first.end(), ' ')) << first;
    EXPECT_NE(std::string::npos, r.out.find("\nresult: ply limit\n"));

    r = Engine({"perft", "1", "--help"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(0u, r.out.find("usage: quarn-engine COMMAND"));

    r = Engine({"moves", "--version"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(std::string("quarn-engine ") + kQuarnVersion + "\n", r.out);
}

TEST(EngineProgram, BenchPrintsTheSignature) {
    const ProgramResult r = Engine({"bench"});
    EXPECT_NE(std::string::npos, r.out.find("\nnodes: " + std::to_string(kBenchSignature) + "\n"))
        << r.out;
}

// A file in the test's temporary folder, removed at the end of the test.
struct TempFile {
    std::string path;
    explicit TempFile(const std::string& text) {
        char name[] = "/tmp/quarn-test-game-XXXXXX";
        const int fd = mkstemp(name);
        path = name;
        if (write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) path += "?";
        close(fd);
    }
    ~TempFile() { std::remove(path.c_str()); }
};

TEST(EngineProgram, GameStartsFromTheRecordedPosition) {
    // The last two moves are taken back; a typed move still applies.
    const std::vector<std::string> played = {"b2", "b4", "b6", "b5", "b3", "b1", "b8", "c2"};
    const TempFile game("# Taken back: 2\r\n1. b2 b4\n2. b6 b5\n3. b3 b1\n4. b8 c2\n5. a7 a6\n");
    for (const char* command : {"moves", "eval"}) {
        std::vector<std::string> typed = {command};
        typed.insert(typed.end(), played.begin(), played.end());
        typed.push_back("a7");
        const ProgramResult fromTyped = Engine(typed);
        const ProgramResult fromGame = Engine({command, "--game", game.path, "a7"});
        EXPECT_EQ(0, fromGame.status) << fromGame.err;
        EXPECT_EQ(fromTyped.out, fromGame.out);
    }
    const TempFile bad("a1\n\nb1 a9\n");
    ExpectRejected({"moves", "--game", bad.path}, bad.path + "\": line 3: \"a9\" is not a move");
    ExpectRejected({"moves", "--game", "/nonexistent/game"}, "cannot be opened");
    ExpectRejected({"moves", "--game", "/tmp"}, "not a regular file");
    ExpectRejected({"moves", "--game", game.path, "--position", "........................ w 0"},
                   "do not go together");
    const std::string fifo = game.path + ".fifo";
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    ExpectRejected({"eval", "--game", fifo}, "not a regular file");
    std::remove(fifo.c_str());
}

TEST(EngineProgram, LevelsAndTheReviewOfARecordedGame) {
    EXPECT_EQ(Engine({"search", "--nodes", "15000", "a1"}).out,
              Engine({"search", "--level", "1", "a1"}).out);
    ExpectRejected({"search", "--level", "6"}, "--level");
    ExpectRejected({"search", "--level", "1", "--nodes", "5"}, "do not go together");
    ExpectRejected({"analyse"}, "--game");

    // A line per move for the side that made it, then the count of moves
    // that threw a value away; the start is a draw where the placing book
    // that comes with the game is built in.
    const TempFile game("1. b2 b4\n");
    const ProgramResult r = Engine({"analyse", "--game", game.path});
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_TRUE(testing::internal::RE::FullMatch(
        r.out,
        "1\\. b2 (draw|[-+][0-9.]+) -> [-+][0-9.]+\n1\\. \\.\\.\\. b4 [-+][0-9.]+ -> [-+][0-9.]+\n"
        "White 0 \\?, Black 0 \\?\n"))
        << r.out;
    // The numbers and moves it quotes read back as the game.
    std::string quoted;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line) && line.rfind("White", 0) != 0;) {
        std::istringstream words(line);
        std::string number, move;
        words >> number >> move;
        if (move == "...") words >> move;
        quoted += number + " " + move + "\n";
    }
    GameRecord back;
    RecordError error;
    ASSERT_TRUE(ReadGameRecord(quoted, back, error)) << quoted << Describe(error);
    EXPECT_EQ(2u, back.moves.size()) << quoted;
}

TEST(EngineProgram, AnalyseTellsEachMoveAsSoonAsItIsKnown) {
    // Its whole review is shorter than a pipe's buffer: printed at the end,
    // it would come in one piece.
    GameRecord record;
    record.moves = LongRandomGame(7, 60);
    const std::optional<std::string> text = WriteGameRecord(record);
    ASSERT_TRUE(text);
    const TempFile game(*text);
    int out[2];
    ASSERT_EQ(0, pipe(out));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> args = {QUARN_ENGINE, "analyse", "--game", game.path};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(0, posix_spawn(&pid, QUARN_ENGINE, &actions, nullptr, argv.data(), environ));
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    // The first lines arrive while the rest of the game is still being
    // reviewed; the process is then stopped.
    char buffer[64 * 1024];
    const ssize_t got = read(out[0], buffer, sizeof buffer);
    const std::string first(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    int status = 0;
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    kill(pid, SIGKILL);
    if (ended == 0) waitpid(pid, &status, 0);
    close(out[0]);
    EXPECT_EQ(0u, first.find("1. ")) << first;
    EXPECT_EQ(std::string::npos, first.find("White ")) << "the review came in one piece";
    EXPECT_EQ(0, ended) << "the review ended before its first line was read";
}

TEST(EngineProgram, RejectsBadPositions) {
    const std::string p = "--position";
    ExpectRejected({"moves", p, "........................ w"}, "three fields");
    ExpectRejected({"moves", p, "........................ w 0 1"}, "three fields");
    ExpectRejected({"moves", p, "....................... w 0"}, "24 characters");
    ExpectRejected({"moves", p, "..........x............. w 0"}, "point 10");
    ExpectRejected({"moves", p, "WWWWWWWWWW.............. w 20"}, "more than 9");
    ExpectRejected({"moves", p, "........................ x 0"}, "SIDE");
    ExpectRejected({"moves", p, "........................ w -2"}, "PLIES");
    ExpectRejected({"moves", p, "........................ w 100002"}, "PLIES");
    ExpectRejected({"moves", p, "........................ w 1e3"}, "PLIES");
    ExpectRejected({"moves", p, "........................ b 4"}, "even plies");
    // Mills with nothing to capture: no game reaches this, so it is refused.
    ExpectRejected({"moves", p, "WW...................... w 2"}, "opponent has none");
    // Nine White pieces at ply 0 would let White place a tenth.
    ExpectRejected({"moves", p, "WWWWWWWWW......BBBBBBBB. w 0"},
                   "more pieces on the board than placed");
    ExpectRejected({"moves", p, "WW.......B.............. w 2"}, "than placed");
    // Exactly three fields, each separated by one space.
    for (const char* spaced : {"........................  w 0", " ........................ w 0",
                               "........................ w 0 ", "........................\tw 0",
                               "........................ w\n0"})
        ExpectRejected({"moves", p, spaced}, "single spaces");
    EXPECT_EQ(0, Engine({"moves", p, "W.......B............... w 2"}).status);
    EXPECT_EQ(0, Engine({"moves", p, "........................ w 0000000"}).status);
    EXPECT_EQ(0, Engine({"moves", p, "........................ w 100000"}).status);
}

TEST(EngineProgram, RejectsBadMovesNamingThem) {
    ExpectRejected({"moves", "a1", "a9"}, "a9");
    ExpectRejected({"moves", "d1"}, "d1");
    ExpectRejected({"moves", "a1a"}, "a1a");
    ExpectRejected({"moves", "a1-"}, "a1-");
    ExpectRejected({"moves", "a1", "a1"}, "a1 is not legal");
    ExpectRejected({"moves", "a1a2"}, "a1a2 is not legal");
    // a3 closes a mill, so it is legal only with its capture.
    ExpectRejected({"moves", "--position", "WW......BB.............. w 4", "a3"},
                   "a3 is not legal");
    ExpectRejected({"moves", "--position", "WW......BB.............. w 4", "a3-a1"}, "a3-a1");
    EXPECT_EQ(0, Engine({"moves", "--position", "WW......BB.............. w 4", "a3-b2"}).status);
    // No move after the game is over, by material or by blockade.
    ExpectRejected({"moves", "--position", "WW......BBB............. w 30", "a1a8"}, "over");
    ExpectRejected({"search", "--nodes", "10", "--position", "WW......BBB............. w 30"},
                   "lost");
    // The list of moves does not look at a loss by material; playing one does.
    EXPECT_EQ(0u,
              Engine({"moves", "--position", "WW......BBB............. w 30"}).out.find("a1a8\n"));
    // Shown on one line: control characters and broken UTF-8 escaped, long
    // words cut.
    ExpectRejected({"moves", "a\n1"}, "\"a\\x0a1\"");
    ExpectRejected({"moves", "\xff\xc3\xa9"}, "\"\\xff\xc3\xa9\"");
    ExpectRejected({"moves", std::string(5000, 'a')}, "\"" + std::string(40, 'a') + "\"...");
}

TEST(EngineProgram, EveryWordOfTheCommandLineIsInTheFuzzersDictionary) {
    std::ifstream file(QUARN_FUZZ_DICTIONARY);
    const std::string dictionary((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(dictionary.empty()) << QUARN_FUZZ_DICTIONARY;
    for (std::string_view word : CommandLineWords())
        EXPECT_NE(std::string::npos, dictionary.find("\n\"" + std::string(word) + "\"\n")) << word;
}

TEST(EngineProgram, RejectsBadUsage) {
    ExpectRejected({}, "no command");
    ExpectRejected({"fly"}, "unknown command");
    ExpectRejected({"moves", "--nodes", "5"}, "--nodes");
    ExpectRejected({"moves", "--fast"}, "unknown option");
    ExpectRejected({"perft"}, "depth");
    ExpectRejected({"perft", "-1"}, "depth");
    ExpectRejected({"perft", "2147483648"}, "depth");
    ExpectRejected({"perft", "00000000000000000000002147483648"}, "depth");
    EXPECT_EQ("24\n", Engine({"perft", "00000000000000000000001"}).out);
    ExpectRejected({"search"}, "--nodes");
    ExpectRejected({"search", "--nodes", "0"}, "--nodes");
    ExpectRejected({"search", "--nodes", "+5"}, "--nodes");
    ExpectRejected({"search", "--nodes", "5", "--nodes", "6"}, "twice");
    ExpectRejected({"search", "--nodes"}, "needs a value");
    ExpectRejected({"search", "--nodes", "5", "--seed", "4294967296"}, "--seed");
    ExpectRejected({"play", "--white", "0"}, "--black");
    ExpectRejected({"play", "--white", "6", "--black", "0"}, "--white");
    EXPECT_EQ(0, Engine({"play", "--white", "5", "--black", "0", "--max-plies", "1"}).status);
    ExpectRejected({"play", "--white", "0", "--black", "0", "--max-plies", "-1"}, "--max-plies");
    ExpectRejected({"match", "--white", "0", "--black", "0"}, "--games");
    ExpectRejected({"match", "--white", "0", "--black", "0", "--games", "1", "a1"}, "match");
    const ProgramResult match =
        Engine({"match", "--white", "0", "--black", "0", "--games", "2", "--moves"});
    EXPECT_EQ(0, match.status);
    EXPECT_NE(std::string::npos, match.out.find("median length: ")) << match.out;
    // The moves after a game's line are a record that analyse replays.
    const std::size_t from = match.out.find('\n') + 1;
    const TempFile game(match.out.substr(from, match.out.find('\n', from) - from));
    const ProgramResult review = Engine({"analyse", "--game", game.path});
    EXPECT_EQ(0, review.status) << review.err;
    EXPECT_NE(std::string::npos, review.out.find("White ")) << review.out;
    ExpectRejected({"bench", "--position", "........................ w 0"}, "--position");
    ExpectRejected({"bench", "a1"}, "bench");
    ExpectRejected({"eval", "--timing"}, "--timing");
}

TEST(EngineProgram, OutputThatCannotBeWrittenEndsInAnError) {
    for (const char* redirect : {"moves > /dev/full", "eval >&-", "--version > /dev/full"}) {
        const ProgramResult r =
            RunProgram("/bin/sh", {"-c", std::string("exec \"$0\" ") + redirect, QUARN_ENGINE});
        EXPECT_EQ(1, r.status) << redirect;
        EXPECT_NE(std::string::npos, r.err.find("the output cannot be written")) << r.err;
    }
}

TEST(EngineProgram, PathsAreShownWholeAndHiddenCharactersWrittenOut) {
    const std::string folder = "/tmp/quarn-test-" + std::string(50, 'd');
    ExpectRejected({"moves", "--game", folder + "/\xe2\x80\xaegame"},
                   "\"" + folder + "/\\u{202E}game\": cannot be opened");
    char path[] = "/tmp/quarn-test-record-XXXXXX";
    const int fd = mkstemp(path);
    const std::string record = "a1 b1\xe2\x80\xae\n";
    ASSERT_EQ(static_cast<ssize_t>(record.size()), write(fd, record.data(), record.size()));
    close(fd);
    ExpectRejected({"moves", "--game", path}, "line 1: \"b1\\u{202E}\" is not a move");
    std::remove(path);
}

TEST(EngineProgram, EndlessLinesAreRefusedNotCrashed) {
    // Always playing the first move never ends a game: perft would follow
    // that line for ever, one stack frame per ply.
    ExpectRejected({"perft", "2147483647"}, "longer than 1000 plies");
}

TEST(EngineProgram, RunsInAModestAddressSpace) {
    if (kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer reserves more than the limit";
    // The stack is sized for the deepest line a command can follow, so even
    // the largest budget starts within 200 MB.
    const auto limited = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"-c", "ulimit -v 200000 && exec \"$0\" \"$@\"", QUARN_ENGINE});
        return RunProgram("/bin/sh", args);
    };
    EXPECT_EQ(0, limited({"--help"}).status);
    EXPECT_EQ("a4a3-b7 122\n", limited({"search", "--nodes", "2147483647", "--position",
                                        "WW.W........B.B..W..B... w 30"})
                                   .out);
    EXPECT_EQ(2, limited({"perft", "2147483647"}).status);
}

} // namespace

namespace {

TEST(EngineProgram, ProbesTheEndgameTablesItBuilds) {
    char folder[] = "/tmp/quarn-cli-tables-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    const std::string cache = folder, tables = cache + "/quarn/tables";
    const ProgramResult built = Engine({"tables", "build", "--max-pieces", "6", tables});
    ASSERT_EQ(0, built.status) << built.err;
    EXPECT_NE(std::string::npos, built.out.find("3-3 "));
    // A broken table beside the good one is reported once and left unused.
    std::ofstream(tables + "/quarn-5-5.egt") << "not a table";
    const auto probe = [&](std::vector<std::string> args) {
        args.insert(args.begin(),
                    {"-c", "cache=$1; shift; XDG_CACHE_HOME=$cache exec \"$0\" probe \"$@\"",
                     QUARN_ENGINE, cache});
        return RunProgram("/bin/sh", args);
    };
    // White flies c5 to a3, closes a1 a2 a3 and leaves Black two pieces.
    const ProgramResult won = probe({"--position", "WW......B...B...B...W... w 40"});
    EXPECT_EQ(0, won.status);
    EXPECT_EQ(0u, won.out.find("win 1\n"));
    EXPECT_NE(std::string::npos, won.out.find("\nc5a3-b1 win 1\n"));
    const std::size_t reported = won.err.find("quarn-5-5.egt");
    EXPECT_NE(std::string::npos, reported) << won.err;
    EXPECT_EQ(std::string::npos, won.err.find("quarn-5-5.egt", reported + 1));
    // The placing book that comes with the game settles its positions: the
    // start is a draw, and so is the move its proof plays. Elsewhere the
    // lines of a placing position leave these small tables.
    std::filesystem::copy_file(QUARN_PLACING_BOOK, tables + "/quarn-placing.book");
    const ProgramResult start = probe({});
    EXPECT_EQ(0, start.status);
    EXPECT_EQ(0u, start.out.find("draw\na1 draw\na2 "));
    const ProgramResult placing = probe({"b1", "b2", "c1"});
    EXPECT_EQ(0, placing.status);
    EXPECT_EQ(0u, placing.out.find("unknown\n"));
    std::filesystem::remove_all(cache);

    ExpectRejected({"tables"}, "build, bench or book");
    ExpectRejected({"tables", "build", "--max-pieces", "19"}, "--max-pieces");
    ExpectRejected({"tables", "bench", "somewhere"}, "somewhere");
    ExpectRejected({"probe", "--nodes", "5"}, "--nodes");
}

} // namespace
