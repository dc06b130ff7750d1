#include "quarn-engine/command_line.h"

#include "engine/levels.h"
#include "engine/notation.h"
#include "engine/text.h"

#include <algorithm>
#include <array>
#include <string_view>

const char* const kUsage =
    "usage: quarn-engine COMMAND [--position \"CELLS SIDE PLIES\" | --game FILE] [options]\n"
    "                    [MOVE...]\n"
    "\n"
    "Drives the Quarn engine from the position given (the initial position\n"
    "\"........................ w 0\" by default) after playing the MOVEs in order.\n"
    "--game FILE starts from the current position of the game recorded in FILE (a\n"
    "Quarn game record): its moves from the initial position, less the taken-back ones.\n"
    "\n"
    "commands:\n"
    "  moves                       every legal move, one per line, in generation order\n"
    "  perft D                     the number of move sequences of length D (lines longer\n"
    "                              than 1000 plies are refused)\n"
    "  eval                        the static evaluation (positive favours White)\n"
    "  search --nodes N [--seed S] the computer's move with a budget of N nodes: MOVE NODES\n"
    "  search --level L [--seed S] [--timing]\n"
    "                              the same at level L: 0 Very easy .. 4 Very hard, 5 Master\n"
    "                              (its own search of under a second, perfect where the\n"
    "                              endgame tables cover the position); --timing adds the\n"
    "                              milliseconds\n"
    "  play --white L --black L [--seed S] [--max-plies P] [--timing]\n"
    "                              computer against computer at levels 0..5, a line per\n"
    "                              move (MOVE NODES [MILLISECONDS]), then the result\n"
    "  match --white L --black L --games N [--seed S] [--plies P] [--movetime MS]\n"
    "                              N games between levels 0..5, each opened by four random\n"
    "                              placements drawn from S; a game ends by the rules (two\n"
    "                              pieces or blocked), or as a draw when a position stands\n"
    "                              for the third time or after P plies (default 400);\n"
    "                              Master thinks MS milliseconds a move (default 950);\n"
    "                              --moves adds each game's moves, a record that analyse\n"
    "                              reads.\n"
    "                              A line per game, then each side's\n"
    "                              wins, draws and losses, the median length in plies and\n"
    "                              each side's slowest reply\n"
    "  bench                       searches the built-in positions; prints the node total\n"
    "  probe                       the position's value from the endgame tables (win D,\n"
    "                              loss D, draw or unknown), then each move: MOVE VALUE\n"
    "  tables build [--max-pieces N] [--threads N] [DIR]\n"
    "                              builds the endgame tables of up to N pieces (6..18,\n"
    "                              default 8) into DIR (default the user's cache folder)\n"
    "                              on N threads (default every core). Prints disk NEEDED\n"
    "                              FREE, progress DONE TOTAL lines and a line per table;\n"
    "                              stopped, it continues where it stopped when run again\n"
    "  tables bench [--max-pieces N] [--threads N]\n"
    "                              builds them into a temporary folder and reports\n"
    "  tables book [--memory MB] [--plies N] [DIR]\n"
    "                              once the whole set is in DIR (default the user's cache\n"
    "                              folder), proves the initial position's value on two\n"
    "                              threads with MB megabytes (default 4096) and writes the\n"
    "                              proof's positions of up to N plies (default 10) there as\n"
    "                              the placing book; stopped, it resumes close to where it\n"
    "                              stopped when run again\n"
    "  analyse --game FILE         a line per move of the game: number, move, the value for\n"
    "                              the side that moved before and after it (win D, loss D\n"
    "                              or draw from the tables, else a Very hard search score),\n"
    "                              and ? where the move threw a win or a draw away; then\n"
    "                              the count of such moves per side\n"
    "  sample MOVER OTHER VALUE COUNT [--seed S]\n"
    "                              COUNT random positions of the moving phase with MOVER\n"
    "                              pieces for the side to move and OTHER for the other side\n"
    "                              (3..9 each) that the endgame tables value VALUE (win,\n"
    "                              draw or loss) for the side to move, one per line\n"
    "\n"
    "position: CELLS is 24 characters, one per point a1..a8 b1..b8 c1..c8, W for a White\n"
    "piece, B for a Black one, . for an empty point; SIDE is w or b; PLIES 0..100000.\n"
    "moves: a1 (placement), a1a2 (slide or jump), a3-c5 or b8c8-a5 (with a capture).\n"
    "--help prints this text, --version the program's version.\n"
    "Exit status 0 on success, 1 when the output cannot be written or tables cannot\n"
    "be built, 2 on bad usage or input.\n";

namespace {

struct CommandName {
    std::string_view name;
    Command command;
};

constexpr std::array kCommands = {
    CommandName{"moves", Command::Moves},     CommandName{"perft", Command::Perft},
    CommandName{"eval", Command::Eval},       CommandName{"search", Command::Search},
    CommandName{"play", Command::Play},       CommandName{"bench", Command::Bench},
    CommandName{"probe", Command::Probe},     CommandName{"tables", Command::Tables},
    CommandName{"analyse", Command::Analyse}, CommandName{"sample", Command::Sample},
    CommandName{"match", Command::Match},
};

constexpr unsigned Bit(Command c) {
    return 1u << static_cast<int>(c);
}

// An option: its name, whether a value follows, and the commands taking it
// (a bit per command).
struct OptionSpec {
    std::string_view name;
    bool has_value;
    unsigned commands;
};

// The commands that start from a position other than the initial one.
constexpr unsigned kFromAPosition = Bit(Command::Moves) | Bit(Command::Perft) | Bit(Command::Eval) |
                                    Bit(Command::Search) | Bit(Command::Play) | Bit(Command::Probe);

constexpr OptionSpec kOptions[] = {
    {"--position", true, kFromAPosition},
    {"--game", true, kFromAPosition | Bit(Command::Analyse)},
    {"--nodes", true, Bit(Command::Search)},
    {"--level", true, Bit(Command::Search)},
    {"--seed", true,
     Bit(Command::Search) | Bit(Command::Play) | Bit(Command::Sample) | Bit(Command::Match)},
    {"--white", true, Bit(Command::Play) | Bit(Command::Match)},
    {"--black", true, Bit(Command::Play) | Bit(Command::Match)},
    {"--max-plies", true, Bit(Command::Play)},
    {"--timing", false, Bit(Command::Search) | Bit(Command::Play)},
    {"--max-pieces", true, Bit(Command::Tables)},
    {"--threads", true, Bit(Command::Tables)},
    {"--memory", true, Bit(Command::Tables)},
    {"--games", true, Bit(Command::Match)},
    {"--plies", true, Bit(Command::Match) | Bit(Command::Tables)},
    {"--movetime", true, Bit(Command::Match)},
    {"--moves", false, Bit(Command::Match)},
};

// A number of plain decimal digits within [low, high].
std::uint64_t Number(const std::string& text, std::uint64_t low, std::uint64_t high,
                     const std::string& what) {
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    const std::optional<std::uint64_t> value = WholeNumber(text);
    if (!value) throw InputError(what + " must be a whole number from " + range);
    if (*value < low || *value > high) throw InputError(what + " must be from " + range);
    return *value;
}

Board TypedPosition(const std::string& text) {
    std::string problem;
    const std::optional<Board> b = ReadPosition(text, problem);
    if (!b) throw InputError(problem);
    return *b;
}

void SetOption(Invocation& inv, std::string_view name, const std::string& value) {
    constexpr std::uint64_t kIntMax = 2147483647;
    if (name == "--position")
        inv.position = TypedPosition(value);
    else if (name == "--game")
        inv.game = value;
    else if (name == "--nodes")
        inv.nodes = static_cast<int>(Number(value, 1, kIntMax, "--nodes"));
    else if (name == "--level")
        inv.level = static_cast<int>(Number(value, 0, kLevels - 1, "--level"));
    else if (name == "--seed")
        inv.seed = static_cast<std::uint32_t>(Number(value, 0, 4294967295, "--seed"));
    else if (name == "--white")
        inv.white = static_cast<int>(Number(value, 0, kLevels - 1, "--white"));
    else if (name == "--black")
        inv.black = static_cast<int>(Number(value, 0, kLevels - 1, "--black"));
    else if (name == "--games")
        inv.games = static_cast<int>(Number(value, 1, 100000, "--games"));
    else if (name == "--movetime")
        inv.movetime = static_cast<int>(Number(value, 1, 3600000, "--movetime"));
    else if (name == "--plies" && inv.command == Command::Tables)
        inv.book_plies = static_cast<int>(Number(value, 1, 17, "--plies"));
    else if (name == "--max-plies" || name == "--plies")
        inv.max_plies = static_cast<std::int64_t>(Number(value, 0, kIntMax, std::string(name)));
    else if (name == "--timing")
        inv.timing = true;
    else if (name == "--moves")
        inv.game_moves = true;
    else if (name == "--max-pieces")
        inv.max_pieces = static_cast<int>(Number(value, 6, 18, "--max-pieces"));
    else if (name == "--threads")
        inv.threads = static_cast<int>(Number(value, 1, 1024, "--threads"));
    else if (name == "--memory")
        inv.memory_mb = static_cast<int>(Number(value, 64, 1 << 20, "--memory"));
}

} // namespace

std::vector<std::string_view> CommandLineWords() {
    std::vector<std::string_view> words;
    for (const CommandName& c : kCommands) words.push_back(c.name);
    for (const OptionSpec& o : kOptions) words.push_back(o.name);
    return words;
}

Invocation ParseCommandLine(const std::vector<std::string>& args) {
    Invocation inv;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        inv.help = true;
        return inv;
    }
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        inv.version = true;
        return inv;
    }
    if (args.empty()) throw InputError("no command given; try --help");
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const CommandName& c) { return c.name == args[0]; });
    if (command == kCommands.end())
        throw InputError("unknown command " + Quoted(args[0]) + "; try --help");
    inv.command = command->command;
    inv.position.Init();

    std::vector<std::string_view> seen;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            positional.push_back(arg);
            continue;
        }
        const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                         [&](const OptionSpec& o) { return o.name == arg; });
        if (option == std::end(kOptions)) throw InputError("unknown option " + Quoted(arg));
        if ((option->commands & Bit(inv.command)) == 0)
            throw InputError("option " + arg + " does not go with " + args[0]);
        if (std::find(seen.begin(), seen.end(), option->name) != seen.end())
            throw InputError("option " + arg + " given twice");
        seen.push_back(option->name);
        std::string value;
        if (option->has_value) {
            if (++i == args.size()) throw InputError("option " + arg + " needs a value");
            value = args[i];
        }
        SetOption(inv, option->name, value);
    }

    auto first = positional.begin();
    if (inv.command == Command::Perft) {
        if (first == positional.end()) throw InputError("perft needs a depth D");
        inv.depth = static_cast<std::int64_t>(Number(*first++, 0, 2147483647, "perft depth"));
    }
    if ((inv.command == Command::Bench || inv.command == Command::Analyse ||
         inv.command == Command::Match) &&
        first != positional.end())
        throw InputError(args[0] + " takes no moves");
    if (inv.command == Command::Tables) {
        if (first == positional.end() ||
            (*first != "build" && *first != "bench" && *first != "book"))
            throw InputError("tables needs build, bench or book");
        inv.tables_action = *first++;
        if (inv.tables_action != "bench" && first != positional.end()) inv.tables_folder = *first++;
        if (first != positional.end())
            throw InputError("tables " + inv.tables_action + ": unexpected " + Quoted(*first));
    }
    if (inv.command == Command::Sample) {
        if (positional.end() - first != 4) throw InputError("sample needs MOVER OTHER VALUE COUNT");
        inv.sample_mover = static_cast<int>(Number(*first++, 3, 9, "sample MOVER"));
        inv.sample_other = static_cast<int>(Number(*first++, 3, 9, "sample OTHER"));
        inv.sample_value = *first++;
        if (inv.sample_value != "win" && inv.sample_value != "draw" && inv.sample_value != "loss")
            throw InputError("sample VALUE must be win, draw or loss");
        inv.sample_count = static_cast<int>(Number(*first++, 1, 1000000, "sample COUNT"));
    }
    inv.moves.assign(first, positional.end());

    const auto required = [&](std::string_view name) {
        if (std::find(seen.begin(), seen.end(), name) == seen.end())
            throw InputError(args[0] + " needs " + std::string(name));
    };
    if (std::find(seen.begin(), seen.end(), "--game") != seen.end() &&
        std::find(seen.begin(), seen.end(), "--position") != seen.end())
        throw InputError("options --game and --position do not go together");
    const bool byLevel = std::find(seen.begin(), seen.end(), "--level") != seen.end();
    if (byLevel && std::find(seen.begin(), seen.end(), "--nodes") != seen.end())
        throw InputError("options --nodes and --level do not go together");
    if (inv.command == Command::Search && !byLevel) required("--nodes");
    if (inv.command == Command::Analyse) required("--game");
    if (inv.command == Command::Play || inv.command == Command::Match) {
        required("--white");
        required("--black");
    }
    if (inv.command == Command::Match) required("--games");
    return inv;
}
