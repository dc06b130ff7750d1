// quarn-engine's command line: an argument vector (the input split on zero
// bytes) goes through ParseCommandLine and RunCommand as in main. Whatever
// is typed must end in a result or in InputError, whose message is one line
// and which leaves stdout untouched. The expensive commands run with reduced
// effort: the point is the parsing and the moves played before the command.
// The checks take the levels from the program's own level table, and every
// command of the parser's enumeration must be given its effort here.
#include "fuzz_check.h"

#include "engine/levels.h"
#include "quarn-engine/commands.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr std::int64_t kMaxPerftDepth = 2;
constexpr int kMaxSearchNodes = 300;
constexpr std::int64_t kMaxPlayPlies = 2;
constexpr int kMaxSamples = 2;

// What the parser guarantees to the commands.
void CheckParsed(const Invocation& inv) {
    if (inv.help || inv.version) return;
    CheckConsistent(inv.position);
    FUZZ_CHECK(inv.position.n_white <= 9 && inv.position.n_black <= 9);
    FUZZ_CHECK(inv.depth >= 0);
    if (inv.command == Command::Search) // a budget or a level, not both
        FUZZ_CHECK(inv.level == -1 ? inv.nodes >= 1 : ValidLevel(inv.level) && inv.nodes == 0);
    if (inv.command == Command::Play || inv.command == Command::Match) {
        FUZZ_CHECK(ValidLevel(inv.white) && ValidLevel(inv.black));
        FUZZ_CHECK(inv.max_plies >= 0);
    }
    if (inv.command == Command::Match) FUZZ_CHECK(inv.games >= 1 && inv.movetime >= 1);
    if (inv.command == Command::Bench || inv.command == Command::Analyse ||
        inv.command == Command::Match)
        FUZZ_CHECK(inv.moves.empty());
}

// Brings a parsed command down to a few milliseconds of work; false for the
// commands that are only parsed: bench (a fixed search of millions of
// nodes), tables (builds files) and analyse (a deep search per move).
bool ReduceEffort(Invocation& inv) {
    switch (inv.command) {
    case Command::Perft:
        inv.depth = std::min(inv.depth, kMaxPerftDepth);
        return true;
    case Command::Search:
        inv.nodes = std::min(inv.level >= 0 ? LevelNodes(inv.level) : inv.nodes, kMaxSearchNodes);
        inv.level = -1;
        return true;
    case Command::Play:
        inv.white = inv.black = 0;
        inv.max_plies = std::min(inv.max_plies, kMaxPlayPlies);
        return true;
    case Command::Match:
        inv.white = inv.black = 0;
        inv.games = 1;
        inv.max_plies = std::min(inv.max_plies, kMaxPlayPlies);
        return true;
    case Command::Sample:
        inv.sample_count = std::min(inv.sample_count, kMaxSamples);
        return true;
    case Command::Moves:
    case Command::Eval:
    case Command::Probe:
        return true;
    case Command::Bench:
    case Command::Tables:
    case Command::Analyse:
        break;
    }
    return false;
}

// Bytes written to stdout since the last call.
long StdoutWritten() {
    std::fflush(stdout);
    const long written = std::ftell(stdout);
    std::rewind(stdout);
    return written;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitMillTab();
    // The commands print their results; a scratch file in place of stdout
    // keeps the fuzzer's terminal clean and tells whether anything was written.
    std::FILE* scratch = std::tmpfile();
    if (scratch == nullptr || dup2(fileno(scratch), STDOUT_FILENO) < 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return -1;
    const std::vector<std::string> args = ArgumentsOf(data, size);
    StdoutWritten();
    try {
        Invocation inv = ParseCommandLine(args);
        CheckParsed(inv);
        if (inv.version) return 0; // main prints the version and runs no command
        if (!inv.help && !ReduceEffort(inv)) return 0;
        FUZZ_CHECK(RunCommand(inv) == 0);
        // Every command but `moves` (in a position without moves) prints a result.
        const long written = StdoutWritten();
        if (inv.help || inv.command != Command::Moves) FUZZ_CHECK(written > 0);
    } catch (const InputError& e) {
        CheckMessage(e);
        FUZZ_CHECK(StdoutWritten() == 0);
    }
    return 0;
}
