// quarn-engine's command line: an argument vector (the input split on zero
// bytes) goes through ParseCommandLine and RunCommand as in main. Whatever
// is typed must end in a result or in InputError, whose message is one line
// and which leaves stdout untouched. The expensive commands run with reduced
// effort: the point is the parsing and the moves played before the command.
#include "fuzz_check.h"

#include "quarn-engine/commands.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr std::int64_t kMaxPerftDepth = 2;
constexpr int kMaxSearchNodes = 300;
constexpr std::int64_t kMaxPlayPlies = 2;

// What the parser guarantees to the commands.
void CheckParsed(const Invocation& inv) {
    if (inv.help || inv.version) return;
    CheckConsistent(inv.position);
    FUZZ_CHECK(inv.position.n_white <= 9 && inv.position.n_black <= 9);
    FUZZ_CHECK(inv.depth >= 0);
    if (inv.command == Command::Search) FUZZ_CHECK(inv.nodes >= 1);
    if (inv.command == Command::Play) {
        FUZZ_CHECK(inv.white >= 0 && inv.white <= 4);
        FUZZ_CHECK(inv.black >= 0 && inv.black <= 4);
        FUZZ_CHECK(inv.max_plies >= 0);
    }
    if (inv.command == Command::Bench) FUZZ_CHECK(inv.moves.empty());
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
        if (inv.command == Command::Bench && !inv.help) return 0; // a fixed million-node search
        inv.depth = std::min(inv.depth, kMaxPerftDepth);
        inv.nodes = std::min(inv.nodes, kMaxSearchNodes);
        inv.white = inv.white >= 0 ? 0 : inv.white;
        inv.black = inv.black >= 0 ? 0 : inv.black;
        inv.max_plies = std::min(inv.max_plies, kMaxPlayPlies);
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
