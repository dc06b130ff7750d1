#include "engine/endgame/endgame.h"

#include "engine/endgame/indexing.h"
#include "engine/endgame/solver.h"
#include "engine/endgame/tablefile.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef QUARN_TABLE_DATA_DIR
#define QUARN_TABLE_DATA_DIR "/usr/share/quarn/tables"
#endif

namespace {

// Every side holds 3 to 9 pieces; a material is covered by one file.
constexpr int kFewest = 3, kMost = 9;

EndgameValue Decode(std::uint8_t v) {
    if (v == 0) return {Outcome::Draw, 0};
    const int d = v - 1;
    return {d % 2 == 1 ? Outcome::Win : Outcome::Loss, d};
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

EndgameTables::EndgameTables() : indexing_(std::make_unique<endgame::Indexing>()) {}
EndgameTables::~EndgameTables() = default;

void EndgameTables::open(const std::vector<std::string>& folders) {
    for (auto& row : tables_)
        for (auto& t : row) t.reset();
    problems_.clear();
    for (const std::string& folder : folders) {
        for (int mover = kFewest; mover <= kMost; ++mover)
            for (int other = kFewest; other <= kMost; ++other) {
                if (tables_[mover][other]) continue;
                const std::string path = Join(folder, endgame::TableFileName(mover, other));
                std::error_code ec;
                if (!std::filesystem::exists(path, ec)) continue;
                indexing_->prepare(mover);
                std::string why;
                tables_[mover][other] = endgame::TableFile::Open(
                    path, mover, other, indexing_->entries(mover, other), why);
                if (!tables_[mover][other]) problems_.push_back(path + ": " + why + "; not used");
            }
    }
}

EndgameValue EndgameTables::probe(const Board& b) const {
    if (b.plies < 18) return {};
    const Pieces pieces = PiecesOf(b);
    const PointSet mover = b.next == 1 ? pieces.white : pieces.black;
    const PointSet other = b.next == 1 ? pieces.black : pieces.white;
    const int m = std::popcount(mover), o = std::popcount(other);
    if (m != (b.next == 1 ? b.n_white : b.n_black) || o != (b.next == 1 ? b.n_black : b.n_white))
        return {}; // the counts do not describe this board
    if (m == 2) return {Outcome::Loss, 0};
    if (m < kFewest || m > kMost || o < kFewest || o > kMost || !tables_[m][o]) return {};
    return Decode(tables_[m][o]->entries()[indexing_->index(mover, other)]);
}

bool EndgameTables::covers(const Board& b) const {
    return probe(b).outcome != Outcome::Unknown;
}

int EndgameTables::maxPieces() const {
    int covered = 0;
    for (int n = 2 * kFewest; n <= 2 * kMost; ++n) {
        for (int mover = kFewest; mover <= n - kFewest; ++mover) {
            const int other = n - mover;
            if (mover > kMost || other > kMost) continue;
            if (!tables_[mover][other]) return covered;
        }
        covered = n;
    }
    return covered;
}

const std::vector<std::string>& EndgameTables::problems() const {
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

bool BuildTables(int maxPieces, const std::string& folder, std::string& error,
                 const TableProgress& progress) {
    if (maxPieces < 2 * kFewest || maxPieces > 10) {
        error = "tables are built for 6 to 10 pieces, not " + std::to_string(maxPieces);
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder + ": " + ec.message();
        return false;
    }
    endgame::Indexing ix;
    for (int k = kFewest; k <= maxPieces - kFewest; ++k) ix.prepare(k);
    endgame::SolvedTables solved;
    // Tables that this build writes, and those it finds already built.
    std::vector<std::vector<std::uint8_t>> built;
    std::vector<std::unique_ptr<endgame::TableFile>> found;
    for (int n = 2 * kFewest; n <= maxPieces; ++n)
        for (int b = kFewest; 2 * b <= n; ++b) {
            const int a = n - b;
            const auto begin = std::chrono::steady_clock::now();
            const std::string pathAB = Join(folder, endgame::TableFileName(a, b));
            const std::string pathBA = Join(folder, endgame::TableFileName(b, a));
            std::string why;
            auto ab = endgame::TableFile::Open(pathAB, a, b, ix.entries(a, b), why);
            auto ba =
                a == b ? nullptr : endgame::TableFile::Open(pathBA, b, a, ix.entries(b, a), why);
            if (ab && (a == b || ba)) {
                solved.entries[a][b] = ab->entries();
                found.push_back(std::move(ab));
                if (ba) {
                    solved.entries[b][a] = ba->entries();
                    found.push_back(std::move(ba));
                }
                continue;
            }
            std::vector<endgame::SolvedMaterial> pair;
            if (!endgame::SolvePair(ix, a, b, solved, pair, error)) {
                error = "table " + std::to_string(a) + "-" + std::to_string(b) + ": " + error;
                return false;
            }
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
            for (endgame::SolvedMaterial& m : pair) {
                const std::string path = Join(folder, endgame::TableFileName(m.mover, m.other));
                if (!endgame::WriteTableFile(path, m.mover, m.other, m.entries, error))
                    return false;
                if (progress) {
                    TableReport report;
                    report.name = std::to_string(m.mover) + "-" + std::to_string(m.other);
                    report.path = path;
                    report.seconds = took.count() / static_cast<double>(pair.size());
                    report.bytes = endgame::kHeaderBytes + m.entries.size();
                    report.positions = m.summary.positions;
                    report.wins = m.summary.wins;
                    report.draws = m.summary.draws;
                    report.losses = m.summary.losses;
                    report.longestWin = m.summary.longestWin;
                    report.longestLoss = m.summary.longestLoss;
                    progress(report);
                }
                built.push_back(std::move(m.entries));
                solved.entries[m.mover][m.other] = built.back().data();
            }
        }
    return true;
}
