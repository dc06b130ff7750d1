// Exact endgame tables: the value of every position of the moving phase with
// no piece in hand and few pieces on the board, read from files built by
// retrograde analysis. No toolkit; any number of threads may probe one
// EndgameTables at once.
#pragma once

#include "engine/board.h"
#include "engine/endgame/placingbook.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Tables of up to this many pieces, the pieces on the board when the moving
// phase starts, cover every position of the moving phase: the whole set.
inline constexpr int kWholeSetPieces = 18;

// The value of a position for its side to move.
enum class Outcome : std::int8_t { Unknown, Loss, Draw, Win };

// plies: the number of plies to the end of the game with best play (the
// winner as fast as it can, the loser as slowly as it can): odd for a win,
// even for a loss, 0 for a side to move that has already lost; 0 for a draw.
struct EndgameValue {
    Outcome outcome = Outcome::Unknown;
    int plies = 0;

    friend bool operator==(const EndgameValue&, const EndgameValue&) = default;
};

// The value for the side that made a move leading to a position of value v:
// a position lost in d plies for the side to move is won in d + 1 for the
// side that moved into it.
EndgameValue ValueOfMove(EndgameValue v);

namespace endgame {
class BlockCache;
struct CachedTable;
} // namespace endgame

// A set of table files, one per material (the mover's count, the other
// side's count). Opening reads each file's header and directory only; a
// probe reads and checks the block it needs the first time. A table whose
// file has changed or been cut short since it was opened is dropped at the
// first block that no longer matches: its positions are Unknown from then on,
// and the reporter is told once. Its file is looked at again at most once a
// second while it is probed, and taken back once it has changed and opens.
class EndgameTables {
public:
    EndgameTables();
    ~EndgameTables();
    EndgameTables(const EndgameTables&) = delete;
    EndgameTables& operator=(const EndgameTables&) = delete;

    // Opens every valid table file found in the folders, dropping any opened
    // before. A material whose file stands in several folders is taken from
    // the first folder that holds a valid one; a missing folder is skipped.
    // Probes keep the blocks they read in a cache of cacheBytes.
    static constexpr std::size_t kCacheBytes = std::size_t{256} << 20;
    void open(const std::vector<std::string>& folders, std::size_t cacheBytes = kCacheBytes);

    // The value of b; Unknown where no table covers b. A side to move that
    // has lost by material (two pieces from ply 18 on) is a loss in 0.
    EndgameValue probe(const Board& b) const;
    bool covers(const Board& b) const;
    // The largest total n of pieces such that every material with n pieces or
    // fewer (each side 3 or more) is covered; 0 when none is.
    int maxPieces() const;
    // The largest sound placing book of the folders; null where none holds
    // one.
    const PlacingBook* placingBook() const { return book_.get(); }
    // One line per table file left unused, and why: those refused at open,
    // then those dropped since.
    std::vector<std::string> problems() const;

    // Told, from the probing thread, of each table dropped after open. By
    // default the line goes to standard error after the program's name.
    using Reporter = std::function<void(const std::string&)>;
    void setReporter(Reporter reporter);

private:
    void drop(endgame::CachedTable& table, const std::string& why) const;
    void lookAgain(endgame::CachedTable& table) const;
    void tell(const std::string& line) const;
    int coveredPieces() const;

    // By the mover's count: the representatives (point sets) of its classes,
    // found once.
    mutable std::once_flag prepared_[10];
    mutable std::vector<std::uint32_t> representatives_[10];
    std::unique_ptr<endgame::BlockCache> cache_;
    // tables_[mover][other], null where no valid file was found.
    std::unique_ptr<endgame::CachedTable> tables_[10][10];
    mutable std::atomic<int> maxPieces_{0};
    mutable std::mutex lookMutex_; // guards CachedTable::seen
    mutable std::mutex problemsMutex_;
    mutable std::vector<std::string> problems_;
    Reporter reporter_;
    std::unique_ptr<PlacingBook> book_;
};

// The folders searched for tables, in order: the installed data folder, the
// user's cache folder ($XDG_CACHE_HOME/quarn/tables or
// ~/.cache/quarn/tables), and the folder `tables` next to the folder of the
// running program, where a build tree keeps the tables it builds.
std::vector<std::string> DefaultTableFolders();
// The user's cache folder of DefaultTableFolders(), where tables built on
// request go by default; empty when neither variable gives one.
std::string UserTableFolder();

// What building wrote for one material.
struct TableReport {
    std::string name; // "5-3": the side to move's count, then the other's
    std::string path;
    double seconds = 0; // its share of the time its pair of tables took
    std::uint64_t bytes = 0;
    // Over the positions after symmetry, for the side to move.
    std::uint64_t positions = 0, wins = 0, draws = 0, losses = 0;
    int longestWin = 0, longestLoss = 0; // in plies
};
using TableProgress = std::function<void(const TableReport&)>;

// What a build is asked to do, and whom it tells how it goes. The callbacks
// are called one at a time, from any of the build's threads.
struct BuildOptions {
    int maxPieces = 8; // every material of 6 up to this many pieces (at most 18)
    int threads = 0;   // 0: one per core; the tables do not depend on it
    TableProgress tableDone;
    // The work done and in all, in units of positions; told often.
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
    // Before any table is built: the bytes the missing ones may take on disk,
    // and the bytes free there.
    std::function<void(std::uint64_t needed, std::uint64_t free)> disk;
    // A table that opened but proved damaged when read whole; it is removed
    // and built again.
    std::function<void(const std::string&)> damaged;
};

// Builds every table of the options' materials into folder, creating it if
// need be, smallest material first, each side's table solved with its
// mirror, and only the tables that a pair's captures reach held in memory.
// Tables already present there are kept and not built again, so that a build
// stopped in any way continues where it stopped: each file is written whole
// or not at all. A build holds a lock on the folder throughout, so a second
// build into it waits and then keeps what the first wrote. Returns false with
// a message in error on failure (too little disk space, or a file too large
// for the process's limit, included), leaving no partly written file behind.
bool BuildTables(const BuildOptions& options, const std::string& folder, std::string& error);
// The same, for the materials of up to maxPieces pieces, on every core.
bool BuildTables(int maxPieces, const std::string& folder, std::string& error,
                 const TableProgress& progress = {});
