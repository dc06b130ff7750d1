// Building the tables into a folder: the order of the materials, the tables
// kept from an earlier build, and the folder's lock that lets builds running
// side by side take turns.
#include "engine/endgame/endgame.h"

#include "engine/endgame/indexing.h"
#include "engine/endgame/solver.h"
#include "engine/endgame/tablefile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

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

} // namespace

bool BuildTables(int maxPieces, const std::string& folder, std::string& error,
                 const TableProgress& progress) {
    if (maxPieces < 2 * kFewest || maxPieces > 10) {
        error = "tables are built for 6 to 10 pieces, not " + std::to_string(maxPieces);
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
    endgame::Indexing ix;
    for (int k = kFewest; k <= maxPieces - kFewest; ++k) ix.prepare(k);
    endgame::SolvedTables solved;
    // The entries of every table built or found so far, which the larger
    // materials' captures reach.
    std::vector<std::vector<std::uint8_t>> tables;
    const auto keep = [&](int mover, int other, std::vector<std::uint8_t>&& entries) {
        tables.push_back(std::move(entries));
        solved.entries[mover][other] = tables.back().data();
    };
    const auto found = [&](int mover, int other, std::vector<std::uint8_t>& entries) {
        std::string why;
        return endgame::ReadTableFile(endgame::TablePath(folder, mover, other), mover, other,
                                      ix.entries(mover, other), entries, why);
    };
    for (int n = 2 * kFewest; n <= maxPieces; ++n)
        for (int b = kFewest; 2 * b <= n; ++b) {
            const int a = n - b;
            const auto begin = std::chrono::steady_clock::now();
            std::vector<std::uint8_t> ab, ba;
            if (found(a, b, ab) && (a == b || found(b, a, ba))) {
                keep(a, b, std::move(ab));
                if (a != b) keep(b, a, std::move(ba));
                continue;
            }
            std::vector<endgame::SolvedMaterial> pair;
            if (!endgame::SolvePair(ix, a, b, solved, pair, error)) {
                error = "table " + std::to_string(a) + "-" + std::to_string(b) + ": " + error;
                return false;
            }
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
            for (endgame::SolvedMaterial& m : pair) {
                const std::string path = endgame::TablePath(folder, m.mover, m.other);
                if (!endgame::WriteTableFile(path, m.mover, m.other, m.entries, error))
                    return false;
                if (progress) progress(ReportOf(m, path, took.count() / pair.size()));
                keep(m.mover, m.other, std::move(m.entries));
            }
        }
    return true;
}
