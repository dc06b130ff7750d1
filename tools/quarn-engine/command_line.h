// The command line of quarn-engine:
//   quarn-engine COMMAND [--position "CELLS SIDE PLIES" | --game FILE] [options] [MOVE...]
// Options come in any order, mixed with the moves, each at most once.
#pragma once

#include "engine/board.h"
#include "engine/levels.h"
#include "quarn-engine/input_error.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Command {
    Moves,
    Perft,
    Eval,
    Search,
    Play,
    Bench,
    Probe,
    Tables,
    Analyse,
    Sample,
    Match
};

struct Invocation {
    bool help = false;    // --help anywhere: print the usage and nothing else
    bool version = false; // --version anywhere (without --help): print the version
    Command command = Command::Moves;
    Board position{};                // --position, or the initial position
    std::optional<std::string> game; // --game FILE: start from the game's current position
    std::vector<std::string> moves;  // played from the position, in order
    std::int64_t depth = 0;          // perft D
    int nodes = 0;                   // search --nodes N
    int level = -1;                  // search --level L (0..5), instead of --nodes
    std::uint32_t seed = 1;          // --seed S
    int white = -1, black = -1;      // play, match --white L --black L
    std::int64_t max_plies = 400;    // play --max-plies P, match --plies P
    int games = 0;                   // match --games N
    int movetime = kLevelTable[kMasterLevel].millis; // match --movetime MS: Master's time a move
    bool timing = false;                             // play --timing
    bool game_moves = false;                         // match --moves
    std::string tables_action;                       // tables build|bench|book
    int max_pieces = 8;                              // tables --max-pieces N
    int threads = 0;                                 // tables --threads N (0: every core)
    std::string tables_folder; // tables build|book DIR (empty: the user's cache)
    int memory_mb = 4096;      // tables book --memory MB
    int book_plies = 10;       // tables book --plies N
    // sample MOVER OTHER VALUE COUNT: pieces of the side to move and of the
    // other side, "win", "draw" or "loss" for the side to move, how many.
    int sample_mover = 3, sample_other = 3, sample_count = 0;
    std::string sample_value;
};

// Throws InputError on bad usage.
Invocation ParseCommandLine(const std::vector<std::string>& args);

// Every word the parser knows: the commands, then the options.
std::vector<std::string_view> CommandLineWords();

extern const char* const kUsage;
