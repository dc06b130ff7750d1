// Building the tables into a folder: the order of the materials, the tables
// kept from an earlier build, and the folder's lock that lets builds running
// side by side take turns.
#include "engine/endgame/endgame.h"

#include "engine/endgame/indexing.h"
#include "engine/endgame/solver.h"
#include "engine/endgame/tablefile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

constexpr int kFewest = endgame::kFewestPieces;

// The build lock of a folder, held until destroyed; the kernel releases it
// when the process ends, however it ends.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : path_((std::filesystem::path(folder) / ".quarn-build.lock").string()),
          fd_(::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {}
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Waits for the lock; false with a message in error when it cannot be had.
    bool take(std::string& error) {
        int status = -1;
        if (fd_ >= 0)
            while ((status = flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
            }
        if (status != 0) error = "cannot lock " + path_ + ": " + std::strerror(errno);
        return status == 0;
    }

private:
    std::string path_;
    int fd_;
};

// Removes what builds that were killed left half written. Only done under the
// folder's lock, where no other build is writing.
void RemoveLeftovers(const std::string& folder) {
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = item.path().filename().string();
        if (name.starts_with("quarn-") && name.find(".egt.part") != std::string::npos)
            std::filesystem::remove(item.path(), ec);
    }
}

TableReport ReportOf(const endgame::SolvedMaterial& m, const std::string& path, double seconds) {
    TableReport report;
    report.name = std::to_string(m.mover) + "-" + std::to_string(m.other);
    report.path = path;
    report.seconds = seconds;
    std::error_code ec;
    report.bytes = std::filesystem::file_size(path, ec);
    report.positions = m.summary.positions;
    report.wins = m.summary.wins;
    report.draws = m.summary.draws;
    report.losses = m.summary.losses;
    report.longestWin = m.summary.longestWin;
    report.longestLoss = m.summary.longestLoss;
    return report;
}

// The materials of a build, in the order they are built: by total pieces,
// each pair (a, b) with a >= b standing for both (a, b) and (b, a).
std::vector<std::pair<int, int>> PairsUpTo(int maxPieces) {
    std::vector<std::pair<int, int>> pairs;
    for (int n = 2 * kFewest; n <= maxPieces; ++n)
        for (int b = std::max(kFewest, n - endgame::kMostPieces); 2 * b <= n; ++b)
            pairs.emplace_back(n - b, b);
    return pairs;
}

std::uint64_t PairEntries(const endgame::Indexing& ix, int a, int b) {
    return a == b ? ix.entries(a, b) : ix.entries(a, b) + ix.entries(b, a);
}

bool Present(const std::string& folder, const endgame::Indexing& ix, int mover, int other) {
    std::string why;
    return endgame::TableFile::Open(endgame::TablePath(folder, mover, other), mover, other,
                                    ix.entries(mover, other), why) != nullptr;
}

// A guess at the bytes on disk of `positions` positions, on the high side:
// the whole set takes 0.54 bytes a position.
std::uint64_t DiskGuess(std::uint64_t positions) {
    return positions / 5 * 3 + (std::uint64_t{64} << 20);
}

std::string Megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

// One build into one folder, under its lock.
class Builder {
public:
    Builder(const BuildOptions& options, const std::string& folder)
        : options_(options), folder_(folder),
          threads_(options.threads > 0
                       ? options.threads
                       : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))) {
        for (int k = kFewest; k <= std::min(endgame::kMostPieces, options.maxPieces - kFewest); ++k)
            ix_.prepare(k);
    }

    // Builds every missing pair, smallest first. A table found damaged when
    // it is read whole is removed and the pass begins again, so that it is
    // built anew before it is used.
    bool run(std::string& error) {
        for (;;) {
            bool damaged = false;
            if (!pass(error, damaged)) return false;
            if (!damaged) return true;
        }
    }

private:
    bool pass(std::string& error, bool& damaged) {
        std::uint64_t total = 0, done = 0, missing = 0;
        for (const auto& [a, b] : PairsUpTo(options_.maxPieces)) {
            const std::uint64_t entries = PairEntries(ix_, a, b);
            total += 2 * entries;
            if (built(a, b))
                done += 2 * entries;
            else
                missing += entries;
        }
        if (!roomFor(missing, error)) return false;
        told_ = 0;
        for (const auto& [a, b] : PairsUpTo(options_.maxPieces)) {
            if (built(a, b)) continue;
            tell(done, total);
            if (!buildPair(a, b, done, total, error, damaged)) return false;
            if (damaged) return true;
            done += 2 * PairEntries(ix_, a, b);
        }
        tell(done, total);
        return true;
    }

    bool built(int a, int b) const {
        return Present(folder_, ix_, a, b) && (a == b || Present(folder_, ix_, b, a));
    }

    // Refuses to start what the free space of the folder cannot hold.
    bool roomFor(std::uint64_t positions, std::string& error) const {
        struct statvfs fs;
        if (positions == 0 || statvfs(folder_.c_str(), &fs) != 0) return true;
        const std::uint64_t free = std::uint64_t{fs.f_bavail} * fs.f_frsize;
        const std::uint64_t needed = DiskGuess(positions);
        if (options_.disk) options_.disk(needed, free);
        if (free >= needed) return true;
        error = "not enough disk space in " + folder_ + ": needs " + Megabytes(needed) + ", " +
                Megabytes(free) + " free";
        return false;
    }

    // Threads may finish their work out of order: what they tell never goes
    // back within a pass.
    void tell(std::uint64_t done, std::uint64_t total) {
        if (!options_.progress) return;
        const std::lock_guard lock(progressMutex_);
        if (done < told_) return;
        told_ = done;
        options_.progress(done, total);
    }

    // Reads the tables that the pair's captures reach. A damaged one is
    // removed (damaged set), so that the next pass builds it again.
    bool readInputs(int a, int b, std::vector<std::vector<std::uint8_t>>& inputs,
                    endgame::SolvedTables& smaller, std::string& error, bool& damaged) {
        // Capturing from (mover, other) leaves (other - 1, mover) to move.
        const std::pair<int, int> needs[] = {{b - 1, a}, {a - 1, b}};
        for (const auto& [mover, other] : needs) {
            if (mover < kFewest || smaller.entries[mover][other] != nullptr) continue;
            const std::string path = endgame::TablePath(folder_, mover, other);
            std::string why;
            std::vector<std::uint8_t>& entries = inputs.emplace_back();
            if (!endgame::ReadTableFile(path, mover, other, ix_.entries(mover, other), entries,
                                        why)) {
                std::error_code ec;
                if (!std::filesystem::remove(path, ec) && ec) {
                    error = "cannot remove the damaged " + path + ": " + ec.message();
                    return false;
                }
                damaged = true;
                if (options_.damaged) options_.damaged(path + ": " + why);
                return true;
            }
            smaller.entries[mover][other] = entries.data();
        }
        return true;
    }

    bool buildPair(int a, int b, std::uint64_t done, std::uint64_t total, std::string& error,
                   bool& damaged) {
        const auto begin = std::chrono::steady_clock::now();
        std::vector<std::vector<std::uint8_t>> inputs;
        inputs.reserve(2);
        endgame::SolvedTables smaller;
        if (!readInputs(a, b, inputs, smaller, error, damaged)) return false;
        if (damaged) return true;
        std::vector<endgame::SolvedMaterial> pair;
        const auto progress = [&](std::uint64_t part) { tell(done + part, total); };
        if (!endgame::SolvePair(ix_, a, b, smaller, pair, error, threads_, progress)) {
            error = "table " + std::to_string(a) + "-" + std::to_string(b) + ": " + error;
            return false;
        }
        inputs.clear();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        for (endgame::SolvedMaterial& m : pair) {
            const std::string path = endgame::TablePath(folder_, m.mover, m.other);
            if (!endgame::WriteTableFile(path, m.mover, m.other, m.entries, error)) return false;
            if (options_.tableDone)
                options_.tableDone(ReportOf(m, path, took.count() / pair.size()));
            m.entries = {};
        }
        return true;
    }

    const BuildOptions& options_;
    std::string folder_;
    int threads_;
    endgame::Indexing ix_;
    std::mutex progressMutex_;
    std::uint64_t told_ = 0; // the most work told in this pass
};

} // namespace

bool BuildTables(const BuildOptions& options, const std::string& folder, std::string& error) {
    if (options.maxPieces < 2 * kFewest || options.maxPieces > 2 * endgame::kMostPieces) {
        error = "tables are built for 6 to 18 pieces, not " + std::to_string(options.maxPieces);
        return false;
    }
    // A file grown past the process's size limit is then a write error with
    // its reason, not the end of the process with a file half written.
    std::signal(SIGXFSZ, SIG_IGN);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder + ": " + ec.message();
        return false;
    }
    FolderLock lock(folder);
    if (!lock.take(error)) return false;
    RemoveLeftovers(folder);
    Builder builder(options, folder);
    return builder.run(error);
}

bool BuildTables(int maxPieces, const std::string& folder, std::string& error,
                 const TableProgress& progress) {
    BuildOptions options;
    options.maxPieces = maxPieces;
    options.tableDone = progress;
    return BuildTables(options, folder, error);
}
