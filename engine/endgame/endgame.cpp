#include "engine/endgame/endgame.h"

#include "engine/endgame/blockcache.h"
#include "engine/endgame/indexing.h"
#include "engine/endgame/representatives.h"
#include "engine/endgame/tablefile.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef QUARN_TABLE_DATA_DIR
#define QUARN_TABLE_DATA_DIR "/usr/share/quarn/tables"
#endif

namespace {

constexpr int kFewest = endgame::kFewestPieces, kMost = endgame::kMostPieces;

EndgameValue Decode(std::uint8_t v) {
    if (v == 0) return {Outcome::Draw, 0};
    const int d = v - 1;
    return {d % 2 == 1 ? Outcome::Win : Outcome::Loss, d};
}

// A dropped table's file is looked at no more often than this.
constexpr std::int64_t kLookAgainNanoseconds = 1000000000;

std::int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace

EndgameValue ValueOfMove(EndgameValue v) {
    switch (v.outcome) {
    case Outcome::Win:
        return {Outcome::Loss, v.plies + 1};
    case Outcome::Loss:
        return {Outcome::Win, v.plies + 1};
    case Outcome::Draw:
    case Outcome::Unknown:
        break;
    }
    return v;
}

EndgameTables::EndgameTables()
    : cache_(std::make_unique<endgame::BlockCache>()), reporter_([](const std::string& line) {
          std::fprintf(stderr, "%s: endgame table %s\n", program_invocation_short_name,
                       line.c_str());
      }) {}
EndgameTables::~EndgameTables() = default;

void EndgameTables::open(const std::vector<std::string>& folders, std::size_t cacheBytes) {
    cache_->reset(0, 0);
    for (auto& row : tables_)
        for (auto& t : row) t.reset();
    book_.reset();
    const std::lock_guard lock(problemsMutex_);
    problems_.clear();
    std::size_t blocks = 0;
    for (const std::string& folder : folders) {
        for (int mover = kFewest; mover <= kMost; ++mover)
            for (int other = kFewest; other <= kMost; ++other) {
                if (tables_[mover][other]) continue;
                const std::string path = endgame::TablePath(folder, mover, other);
                // A symbolic link counts even when broken, so that it is reported.
                std::error_code ec;
                if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) continue;
                std::string why;
                auto file = endgame::TableFile::Open(path, mover, other,
                                                     endgame::Indexing::entries(mover, other), why);
                if (!file) {
                    problems_.push_back(path + ": " + why + "; not used");
                    continue;
                }
                blocks += file->blocks();
                tables_[mover][other] =
                    std::make_unique<endgame::CachedTable>(std::move(file), mover, other);
            }
        // Of several books, the largest: one built here goes deeper than
        // one installed with the game.
        const std::string bookPath = Join(folder, kPlacingBookName);
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(bookPath, ec))) continue;
        auto book = std::make_unique<PlacingBook>();
        if (std::string why; !book->open(bookPath, why))
            problems_.push_back(bookPath + ": " + why + "; not used");
        else if (!book_ || book->size() > book_->size())
            book_ = std::move(book);
    }
    cache_->reset(blocks, cacheBytes);
    maxPieces_ = coveredPieces();
}

void EndgameTables::setReporter(Reporter reporter) {
    reporter_ = std::move(reporter);
}

void EndgameTables::tell(const std::string& line) const {
    {
        const std::lock_guard lock(problemsMutex_);
        problems_.push_back(line);
        maxPieces_ = coveredPieces();
    }
    if (reporter_) reporter_(line);
}

void EndgameTables::drop(endgame::CachedTable& table, const std::string& why) const {
    {
        const std::lock_guard lock(lookMutex_);
        table.seen = endgame::IdentityOf(table.path);
        table.nextLook = SteadyNanoseconds() + kLookAgainNanoseconds;
    }
    tell(table.path + ": " + why + "; not used until it changes");
}

void EndgameTables::lookAgain(endgame::CachedTable& table) const {
    const std::int64_t now = SteadyNanoseconds();
    if (now < table.nextLook.load(std::memory_order_relaxed)) return;
    const std::unique_lock lock(lookMutex_, std::try_to_lock);
    if (!lock || !table.dropped || now < table.nextLook) return;
    table.nextLook = now + kLookAgainNanoseconds;
    const endgame::FileIdentity identity = endgame::IdentityOf(table.path);
    if (identity == table.seen) return;
    table.seen = identity;
    std::string why;
    auto file = endgame::TableFile::Open(table.path, table.mover, table.other,
                                         endgame::Indexing::entries(table.mover, table.other), why);
    if (!file) return;
    cache_->replace(table, std::move(file));
    tell(table.path + ": changed again and opens; used");
}

EndgameValue EndgameTables::probe(const Board& b) const {
    if (b.InPlacingPhase()) return {};
    const Pieces pieces = PiecesOf(b);
    const PointSet mover = b.next == 1 ? pieces.white : pieces.black;
    const PointSet other = b.next == 1 ? pieces.black : pieces.white;
    const int m = std::popcount(mover), o = std::popcount(other);
    if (m != (b.next == 1 ? b.n_white : b.n_black) || o != (b.next == 1 ? b.n_black : b.n_white))
        return {}; // the counts do not describe this board
    if (m == 2) return {Outcome::Loss, 0};
    if (m < kFewest || m > kMost || o < kFewest || o > kMost || !tables_[m][o]) return {};
    // The classes of the mover's sets are found when first needed, so that
    // opening the tables stays quick.
    std::call_once(prepared_[m], [&] { representatives_[m] = endgame::Representatives(m); });
    const std::uint32_t index = endgame::IndexByRepresentatives(representatives_[m], mover, other);
    std::uint8_t entry = 0;
    std::string why;
    switch (cache_->entry(*tables_[m][o], index, entry, why)) {
    case endgame::BlockCache::Read::Ok:
        return Decode(entry);
    case endgame::BlockCache::Read::Failed:
        drop(*tables_[m][o], why);
        break;
    case endgame::BlockCache::Read::Dropped:
        lookAgain(*tables_[m][o]);
        break;
    }
    return {};
}

bool EndgameTables::covers(const Board& b) const {
    return probe(b).outcome != Outcome::Unknown;
}

int EndgameTables::maxPieces() const {
    return maxPieces_.load(std::memory_order_relaxed);
}

int EndgameTables::coveredPieces() const {
    int covered = 0;
    for (int n = 2 * kFewest; n <= 2 * kMost; ++n) {
        for (int mover = kFewest; mover <= n - kFewest; ++mover) {
            const int other = n - mover;
            if (mover > kMost || other > kMost) continue;
            const auto& t = tables_[mover][other];
            if (!t || t->dropped.load(std::memory_order_relaxed)) return covered;
        }
        covered = n;
    }
    return covered;
}

std::vector<std::string> EndgameTables::problems() const {
    const std::lock_guard lock(problemsMutex_);
    return problems_;
}

std::string UserTableFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/') return Join(cache, "quarn/tables");
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return Join(home, ".cache/quarn/tables");
    return {};
}

std::vector<std::string> DefaultTableFolders() {
    std::vector<std::string> folders{QUARN_TABLE_DATA_DIR};
    if (std::string user = UserTableFolder(); !user.empty()) folders.push_back(user);
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) folders.push_back((program.parent_path().parent_path() / "tables").string());
    return folders;
}
