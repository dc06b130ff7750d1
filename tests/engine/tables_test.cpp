// The endgame tables: built here for up to 7 pieces (3-3, 4-3 and 3-4),
// checked against the rules as Board::GenMoves and Board::DoMove play them.
#include "engine/endgame/blockcodec.h"
#include "engine/endgame/endgame.h"
#include "engine/endgame/moves.h"
#include "engine/endgame/representatives.h"
#include "engine/endgame/symmetry.h"
#include "engine/endgame/tablefile.h"
#include "support/built_tables.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <random>
#include <thread>
#include <utility>

namespace {

namespace fs = std::filesystem;
using endgame::TableFileName;

Board BoardOf(PointSet white, PointSet black, int next) {
    Board b;
    b.Init();
    for (int p = 0; p < 24; ++p) b.board[p] = white & Bit(p) ? 1 : black & Bit(p) ? -1 : 0;
    b.n_white = static_cast<signed char>(std::popcount(white));
    b.n_black = static_cast<signed char>(std::popcount(black));
    b.next = static_cast<signed char>(next);
    b.plies = next == 1 ? 40 : 41;
    return b;
}

// A random position of the moving phase with these counts for the side to
// move and the other side.
Board RandomPosition(std::mt19937& rng, int mover, int other) {
    int points[24];
    for (int p = 0; p < 24; ++p) points[p] = p;
    std::shuffle(points, points + 24, rng);
    PointSet own = 0, opposing = 0;
    for (int i = 0; i < mover; ++i) own |= Bit(points[i]);
    for (int i = mover; i < mover + other; ++i) opposing |= Bit(points[i]);
    return rng() % 2 ? BoardOf(own, opposing, 1) : BoardOf(opposing, own, -1);
}

// The positions after each legal move, as the engine plays them.
std::vector<Board> Children(const Board& b) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    std::vector<Board> children(n, b);
    for (int i = 0; i < n; ++i) children[i].DoMove(moves[i]);
    return children;
}

// Ranks a value for the side to move: quicker wins above slower ones, then
// draws, then slower losses above quicker ones.
int Worth(EndgameValue v) {
    switch (v.outcome) {
    case Outcome::Win:
        return 1000 - v.plies;
    case Outcome::Loss:
        return -1000 + v.plies;
    default:
        return 0;
    }
}

// The value of b by exhaustive search to `depth` plies, Unknown where the
// game is not decided within them.
EndgameValue Search(const Board& b, int depth) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    if (b.CurrentHasLost() || n == 0) return {Outcome::Loss, 0};
    if (depth == 0) return {};
    EndgameValue best{Outcome::Loss, 0};
    bool allLose = true;
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const EndgameValue v = ValueOfMove(Search(child, depth - 1));
        if (v.outcome != Outcome::Loss) allLose = false;
        if (v.outcome == Outcome::Win && (best.outcome != Outcome::Win || v.plies < best.plies))
            best = v;
        if (v.outcome == Outcome::Loss && best.outcome == Outcome::Loss)
            best.plies = std::max(best.plies, v.plies);
    }
    return best.outcome == Outcome::Win || allLose ? best : EndgameValue{};
}

class Tables : public testing::Test {
protected:
    static void SetUpTestSuite() {
        InitMillTab();
        built_ = new BuiltTables(7);
        folder_ = &built_->folder;
        tables_ = &built_->tables;
    }
    static void TearDownTestSuite() { delete built_; }

    static inline BuiltTables* built_ = nullptr;
    static inline const std::string* folder_ = nullptr;
    static inline EndgameTables* tables_ = nullptr;
    static constexpr std::pair<int, int> kMaterials[] = {{3, 3}, {4, 3}, {3, 4}};
};

TEST(TableNumbering, FromTheRepresentativesAloneIsTheBuildersNumbering) {
    InitMillTab();
    std::mt19937 rng(9);
    endgame::Indexing ix;
    for (int pieces = 3; pieces <= 9; ++pieces) {
        ix.prepare(pieces);
        const std::vector<PointSet> representatives = endgame::Representatives(pieces);
        ASSERT_EQ(ix.classes(pieces).representative, representatives);
        for (int i = 0; i < 2000; ++i) {
            const Board b = RandomPosition(rng, pieces, 3 + i % 7);
            const Pieces p = PiecesOf(b);
            const PointSet mover = b.next == 1 ? p.white : p.black;
            const PointSet other = b.next == 1 ? p.black : p.white;
            ASSERT_EQ(ix.index(mover, other),
                      endgame::IndexByRepresentatives(representatives, mover, other));
        }
    }
}

TEST(TableMoves, AreTheMovesOfTheEngineAndTheirUnmovesLeadBack) {
    InitMillTab();
    std::mt19937 rng(18);
    for (int i = 0; i < 3000; ++i) {
        const Board b = RandomPosition(rng, 3 + i % 7, 3 + i / 7 % 7);
        const Pieces pieces = PiecesOf(b);
        const PointSet mover = b.next == 1 ? pieces.white : pieces.black;
        const PointSet other = b.next == 1 ? pieces.black : pieces.white;
        std::vector<std::pair<PointSet, PointSet>> ours, engine;
        endgame::ForEachMove(
            mover, other,
            [&](PointSet after) {
                ours.emplace_back(other, after);
                // The slide is among the moves that lead back to b's mover.
                bool found = false;
                endgame::ForEachUnmove(after, other,
                                       [&](PointSet before) { found = found || before == mover; });
                EXPECT_TRUE(found);
            },
            [&](PointSet after, int taken) { ours.emplace_back(other & ~Bit(taken), after); });
        for (const Board& child : Children(b)) {
            const Pieces p = PiecesOf(child);
            engine.emplace_back(b.next == 1 ? p.black : p.white, b.next == 1 ? p.white : p.black);
        }
        std::sort(ours.begin(), ours.end());
        std::sort(engine.begin(), engine.end());
        ASSERT_EQ(engine, ours) << i;
        // Every unmove is a slide of the side that moved.
        endgame::ForEachUnmove(mover, other, [&](PointSet before) {
            bool found = false;
            endgame::ForEachMove(
                before, other, [&](PointSet after) { found = found || after == mover; },
                [](PointSet, int) {});
            EXPECT_TRUE(found);
        });
    }
}

TEST_F(Tables, AgreeWithAnExhaustiveSearchOfShortGames) {
    std::mt19937 rng(7);
    int decided = 0;
    for (const auto& [mover, other] : kMaterials)
        for (int i = 0; i < 20; ++i) {
            const Board b = RandomPosition(rng, mover, other);
            const EndgameValue searched = Search(b, 3);
            const EndgameValue table = tables_->probe(b);
            if (searched.outcome != Outcome::Unknown) {
                ++decided;
                EXPECT_EQ(searched, table) << mover << "-" << other << " " << i;
            } else {
                // Not decided within the search's horizon.
                EXPECT_TRUE(table.outcome == Outcome::Draw || table.plies > 3) << i;
            }
        }
    EXPECT_GT(decided, 10);
}

TEST_F(Tables, EveryValueIsTheBestThatItsMovesReach) {
    std::mt19937 rng(3);
    int counts[4] = {};
    for (const auto& [mover, other] : kMaterials)
        for (int i = 0; i < 10000; ++i) {
            const Board b = RandomPosition(rng, mover, other);
            const EndgameValue v = tables_->probe(b);
            ++counts[static_cast<int>(v.outcome)];
            const std::vector<Board> children = Children(b);
            if (children.empty()) {
                EXPECT_EQ((EndgameValue{Outcome::Loss, 0}), v);
                continue;
            }
            // A win has a move to a loss one ply shorter and none quicker, a
            // loss has only moves to wins, the longest one ply shorter, and a
            // draw a drawing move and no winning one.
            EndgameValue best{Outcome::Loss, 0};
            for (const Board& child : children) {
                const EndgameValue m = ValueOfMove(tables_->probe(child));
                ASSERT_NE(Outcome::Unknown, m.outcome);
                if (Worth(m) > Worth(best)) best = m;
            }
            ASSERT_EQ(best, v) << mover << "-" << other << " " << i;
        }
    EXPECT_EQ(0, counts[static_cast<int>(Outcome::Unknown)]);
    for (Outcome o : {Outcome::Win, Outcome::Draw, Outcome::Loss})
        EXPECT_GT(counts[static_cast<int>(o)], 0);
}

TEST_F(Tables, SymmetricAndColourSwappedPositionsShareTheirValue) {
    std::mt19937 rng(11);
    for (int i = 0; i < 2000; ++i) {
        const auto [mover, other] = kMaterials[i % 3];
        const Board b = RandomPosition(rng, mover, other);
        const Pieces p = PiecesOf(b);
        const int s = static_cast<int>(rng() % endgame::kSymmetries);
        const Board image =
            BoardOf(endgame::Apply(s, p.black), endgame::Apply(s, p.white), -b.next);
        EXPECT_EQ(tables_->probe(b), tables_->probe(image));
    }
}

TEST_F(Tables, KnowTheEndOfTheGameAndNothingBeyondTheirMaterial) {
    // Down to two pieces once the placing phase is over, the side to move has lost.
    Board two = BoardOf(Bit(0) | Bit(1), Bit(8) | Bit(9) | Bit(10), 1);
    EXPECT_EQ((EndgameValue{Outcome::Loss, 0}), tables_->probe(two));
    // A mill closed with the opponent at three wins at once.
    const Board closing = BoardOf(Bit(0) | Bit(1) | Bit(20), Bit(8) | Bit(12) | Bit(16), 1);
    EXPECT_EQ((EndgameValue{Outcome::Win, 1}), tables_->probe(closing));
    std::mt19937 rng(5);
    Board placing = RandomPosition(rng, 3, 3);
    placing.plies = kPlacingPlies - (placing.next == 1 ? 2 : 1);
    EXPECT_EQ(Outcome::Unknown, tables_->probe(placing).outcome);
    EXPECT_EQ(Outcome::Unknown, tables_->probe(RandomPosition(rng, 4, 4)).outcome);
    EXPECT_EQ(7, tables_->maxPieces());
}

// A new empty folder in the system's temporary folder.
fs::path NewFolder(const std::string& name) {
    std::string pattern =
        (fs::temp_directory_path() / ("quarn-tables-" + name + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temporary folder";
    return pattern;
}

// A copy of some of the suite's tables in a folder of its own, removed at the end.
struct TableCopy {
    fs::path folder = NewFolder("copy");
    explicit TableCopy(const std::string& from) {
        for (const auto& [mover, other] : {std::pair{3, 3}, {4, 3}, {3, 4}})
            fs::copy_file(fs::path(from) / TableFileName(mover, other),
                          folder / TableFileName(mover, other));
    }
    ~TableCopy() { fs::remove_all(folder); }
    fs::path operator()(int mover, int other) const { return folder / TableFileName(mover, other); }
};

std::vector<char> Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Writes over a file in place, as `cp` does: the same inode, cut to nothing
// first.
void WriteOver(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool AnyPartLeft(const fs::path& folder) {
    for (const auto& item : fs::directory_iterator(folder))
        if (item.path().filename().string().find(".part") != std::string::npos) return true;
    return false;
}

// Runs job in a child process, which exits 0 when it returns true and 1 with
// its message otherwise; returns the exit status and the message.
// A child process running `job`, and the pipe on which it sends its error.
// Children are forked from the test's one thread only: a fork made while
// another thread holds a lock (the allocator's, the sanitizers') leaves the
// child waiting for it forever.
struct Child {
    pid_t pid = -1;
    int messages = -1;
};

Child StartChild(const std::function<bool(std::string&)>& job) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string error;
        const bool ok = job(error);
        if (!error.empty() && ::write(pipeFds[1], error.data(), error.size()) < 0) _exit(3);
        _exit(ok ? 0 : 1);
    }
    ::close(pipeFds[1]);
    return {pid, pipeFds[0]};
}

// The child's exit status (128 + the signal when killed, -1 when it could
// not run); its error text is added to `message`.
int FinishChild(const Child& child, std::string& message) {
    char buffer[512];
    for (ssize_t n; child.messages >= 0 && (n = ::read(child.messages, buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    if (child.messages >= 0) ::close(child.messages);
    int status = 0;
    if (child.pid < 0 || waitpid(child.pid, &status, 0) != child.pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int InChild(const std::function<bool(std::string&)>& job, std::string& message) {
    return FinishChild(StartChild(job), message);
}

TEST_F(Tables, ATableChangedUnderARunningProgramGivesNoWrongValue) {
    const TableCopy copy(*folder_);
    EndgameTables tables;
    std::mutex toldMutex;
    std::vector<std::string> told;
    tables.setReporter([&](const std::string& line) {
        const std::lock_guard lock(toldMutex);
        told.push_back(line);
    });
    tables.open({copy.folder.string()});
    ASSERT_EQ(7, tables.maxPieces());
    std::mt19937 rng(21);
    const auto probeAll = [&](int count) {
        int wrong = 0, unknown = 0;
        for (int i = 0; i < count; ++i) {
            const auto [mover, other] = kMaterials[i % 3];
            const Board b = RandomPosition(rng, mover, other);
            const EndgameValue v = tables.probe(b);
            unknown += v.outcome == Outcome::Unknown;
            wrong += v.outcome != Outcome::Unknown && v != tables_->probe(b);
        }
        EXPECT_EQ(0, wrong);
        return unknown;
    };
    EXPECT_EQ(0, probeAll(8));
    // 3-3 written over with the same bytes is still the same table.
    WriteOver(copy(3, 3), Contents(copy(3, 3)));
    // 4-3 written over with another table's bytes, 3-4 cut to half its size.
    WriteOver(copy(4, 3), Contents(fs::path(*folder_) / TableFileName(3, 4)));
    fs::resize_file(copy(3, 4), fs::file_size(copy(3, 4)) / 2);
    EXPECT_GT(probeAll(3000), 0);
    // Each is dropped, and said so, once; the table left intact still answers.
    ASSERT_EQ(2u, told.size());
    EXPECT_EQ(told, tables.problems());
    EXPECT_NE(std::string::npos, told[0].find("checksum")) << told[0];
    EXPECT_EQ(6, tables.maxPieces());
    for (int i = 0; i < 200; ++i) {
        const Board b = RandomPosition(rng, 3, 3);
        EXPECT_EQ(tables_->probe(b), tables.probe(b));
    }

    // 4-3 put right is taken back once its file is looked at again, a second
    // after it was dropped.
    WriteOver(copy(4, 3), Contents(fs::path(*folder_) / TableFileName(4, 3)));
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    tables.probe(RandomPosition(rng, 4, 3));
    ASSERT_EQ(3u, told.size());
    EXPECT_NE(std::string::npos, told[2].find("4-3.egt: changed again and opens")) << told[2];
    for (int i = 0; i < 200; ++i) {
        const Board b = RandomPosition(rng, 4, 3);
        EXPECT_EQ(tables_->probe(b), tables.probe(b));
    }

    // The same again while another thread probes: whichever thread meets the
    // change first, neither takes a wrong value.
    for (const auto& [mover, other] : {std::pair{4, 3}, {3, 4}})
        fs::copy_file(fs::path(*folder_) / TableFileName(mover, other), copy(mover, other),
                      fs::copy_options::overwrite_existing);
    tables.open({copy.folder.string()});
    std::atomic<bool> done{false};
    std::atomic<int> wrongElsewhere{0};
    std::thread prober([&] {
        std::mt19937 own(22);
        for (int i = 0; !done; ++i) {
            const Board b = RandomPosition(own, 4 - i % 2, 3 + i % 2);
            const EndgameValue v = tables.probe(b);
            wrongElsewhere += v.outcome != Outcome::Unknown && v != tables_->probe(b);
        }
    });
    WriteOver(copy(4, 3), Contents(fs::path(*folder_) / TableFileName(3, 4)));
    fs::resize_file(copy(3, 4), fs::file_size(copy(3, 4)) / 2);
    probeAll(1000);
    done = true;
    prober.join();
    EXPECT_EQ(0, wrongElsewhere);
}

TEST_F(Tables, BrokenFilesAreLeftUnusedAndAGoodCopyElsewhereIsTaken) {
    const TableCopy broken(*folder_);
    {
        // A byte of 3-3's directory changed, 4-3 cut short, 3-4 replaced by
        // 4-3's file.
        std::fstream f(broken(3, 3), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(endgame::kHeaderBytes) + 3);
        f.put('\x7f');
    }
    fs::resize_file(broken(4, 3), fs::file_size(broken(4, 3)) - 1);
    fs::copy_file(broken(4, 3), broken(3, 4), fs::copy_options::overwrite_existing);
    // A self-looping link for 3-5, a broken one for 4-4, a file of the
    // format before this one for 5-3, and a pipe, which would block a
    // reader, for 5-5.
    fs::create_symlink(TableFileName(3, 5), broken(3, 5));
    fs::create_symlink("nowhere.egt", broken(4, 4));
    {
        std::vector<char> older = Contents(fs::path(*folder_) / TableFileName(3, 3));
        older[8] = 1;
        WriteOver(broken(5, 3), older);
    }
    ASSERT_EQ(0, mkfifo(broken(5, 5).c_str(), 0600));

    EndgameTables tables;
    tables.open({broken.folder.string()});
    const std::vector<std::string> problems = tables.problems();
    ASSERT_EQ(7u, problems.size());
    const char* expected[] = {"3-3.egt: checksum mismatch",
                              "3-4.egt: holds material 4-3",
                              "3-5.egt: cannot open: Too many levels of symbolic links",
                              "4-3.egt: truncated",
                              "4-4.egt: cannot open: No such file",
                              ("5-3.egt: made by an older Quarn (format version 1); build the "
                               "tables again"),
                              "5-5.egt: not a regular file"};
    for (std::size_t i = 0; i < problems.size(); ++i)
        EXPECT_NE(std::string::npos, problems[i].find(expected[i])) << problems[i];
    EXPECT_EQ(0, tables.maxPieces());
    std::mt19937 rng(9);
    for (const auto& [mover, other] : kMaterials)
        EXPECT_EQ(Outcome::Unknown, tables.probe(RandomPosition(rng, mover, other)).outcome);

    tables.open({broken.folder.string(), "/nonexistent-folder", *folder_});
    EXPECT_EQ(7u, tables.problems().size());
    EXPECT_EQ(7, tables.maxPieces());
    for (int i = 0; i < 100; ++i) {
        const Board b = RandomPosition(rng, 3 + i % 2, 3);
        EXPECT_EQ(tables_->probe(b), tables.probe(b));
    }
}

// Blocks of every stored width, with and without escaped entries, and of a
// length that leaves a packed byte part-filled, come back as they went in,
// whole or an entry at a time.
TEST(TableBlocks, EveryStoredFormReadsBackTheEntriesEncoded) {
    std::mt19937 rng(7);
    for (const int kinds : {1, 2, 3, 4, 5, 16, 17, 40, 256})
        for (const std::size_t count : {std::size_t{1}, std::size_t{77}, endgame::kBlockEntries}) {
            // Mostly one value, as in the larger tables, with a tail of rarer ones.
            std::vector<std::uint8_t> entries(count);
            for (auto& e : entries)
                e = static_cast<std::uint8_t>(rng() % 4 != 0 ? 9 : 9 + rng() % kinds);
            std::vector<std::uint8_t> stored(endgame::MostStoredBytes(count));
            const std::size_t bytes = endgame::EncodeBlock(entries.data(), count, stored.data());
            std::vector<std::uint8_t> decoded(count);
            ASSERT_TRUE(endgame::DecodeBlock(stored.data(), bytes, count, decoded.data()))
                << kinds << " values, " << count << " entries";
            EXPECT_EQ(entries, decoded) << kinds << " values, " << count << " entries";
            // A probe reads single entries from the stored form.
            std::vector<std::uint32_t> ranks(endgame::kRanks);
            ASSERT_TRUE(endgame::RankBlock(stored.data(), bytes, count, ranks.data()));
            for (std::size_t i = 0; i < count; i += 1 + rng() % 97)
                ASSERT_EQ(entries[i], endgame::StoredEntry(stored.data(), count, ranks.data(), i))
                    << kinds << " values, entry " << i;
        }
}

TEST(TableBuild, PastTheFileSizeLimitFailsWithItsReasonAndLeavesNoPartialFile) {
    const std::string folder = NewFolder("limit");
    std::string message;
    const int status = InChild(
        [&](std::string& error) {
            const rlimit limit{64 * 1024, 64 * 1024};
            return setrlimit(RLIMIT_FSIZE, &limit) == 0 && BuildTables(6, folder, error);
        },
        message);
    EXPECT_EQ(1, status);
    EXPECT_NE(std::string::npos, message.find("File too large")) << message;
    EXPECT_FALSE(AnyPartLeft(folder));
    fs::remove_all(folder);
}

TEST(TableBuild, TwoBuildsIntoOneFolderBothSucceed) {
    const std::string folder = NewFolder("twice");
    const auto build = [&](std::string& error) { return BuildTables(7, folder, error); };
    const Child first = StartChild(build), second = StartChild(build);
    std::string messages[2];
    EXPECT_EQ(0, FinishChild(first, messages[0])) << messages[0];
    EXPECT_EQ(0, FinishChild(second, messages[1])) << messages[1];
    EndgameTables tables;
    tables.open({folder});
    EXPECT_TRUE(tables.problems().empty());
    EXPECT_EQ(7, tables.maxPieces());
    EXPECT_FALSE(AnyPartLeft(folder));
    fs::remove_all(folder);
}

// Files of a folder by name, with their bytes.
std::map<std::string, std::string> FilesIn(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& item : fs::directory_iterator(folder))
        if (item.path().extension() == ".egt") {
            std::ifstream in(item.path(), std::ios::binary);
            files[item.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
        }
    return files;
}

TEST(TableBuild, ThreadsStopsAndDamageLeaveTheFilesOfOneBuildInOneGo) {
    const std::string once = NewFolder("once"), resumed = NewFolder("resumed");
    std::string error;
    BuildOptions options;
    options.maxPieces = 8;
    options.threads = 1;
    ASSERT_TRUE(BuildTables(options, once, error)) << error;

    // A build stopped after 7 pieces, with a file half written, and a table
    // that opens but whose last block has since been damaged.
    options.maxPieces = 7;
    options.threads = 2;
    ASSERT_TRUE(BuildTables(options, resumed, error)) << error;
    std::ofstream(resumed + "/quarn-4-4.egt.part.1a2b3c") << "half";
    const std::string damagedPath = resumed + "/" + TableFileName(4, 3);
    fs::resize_file(damagedPath, fs::file_size(damagedPath) - 1);
    std::ofstream(damagedPath, std::ios::app) << 'x';
    std::vector<std::string> damaged;
    std::uint64_t lastDone = 0, lastTotal = 0;
    options.maxPieces = 8;
    options.threads = 3;
    options.damaged = [&](const std::string& what) { damaged.push_back(what); };
    options.progress = [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_LE(done, total);
        lastDone = done;
        lastTotal = total;
    };
    ASSERT_TRUE(BuildTables(options, resumed, error)) << error;

    ASSERT_EQ(1u, damaged.size());
    EXPECT_NE(std::string::npos, damaged[0].find(TableFileName(4, 3)));
    EXPECT_EQ(lastTotal, lastDone);
    EXPECT_FALSE(AnyPartLeft(resumed));
    const auto expected = FilesIn(once);
    EXPECT_EQ(6u, expected.size());
    EXPECT_TRUE(expected == FilesIn(resumed));
    fs::remove_all(once);
    fs::remove_all(resumed);
}

} // namespace
