// The blocks of the open tables, read and checked when a probe first needs
// them and kept in their stored form, with their ranks, in a fixed set of
// slots allocated at open, so that a probe allocates nothing and decodes only
// the entry it reads. When every slot is taken, a block not used since
// the last sweep gives its slot up (the clock scheme). One lock guards it all:
// any number of threads may ask for entries at once.
#pragma once

#include "engine/endgame/tablefile.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace endgame {

// An open table as the cache sees it: its file, the slot of each of its blocks
// (-1 when not in the cache), and whether a failed read has put it out of use.
struct CachedTable {
    CachedTable(std::unique_ptr<TableFile> f, int mover, int other);
    const std::string path;
    const int mover, other;
    std::unique_ptr<TableFile> file;
    std::vector<std::int32_t> slotOf;
    std::atomic<bool> dropped{false};
    // Once dropped: when its file may next be looked at again (steady-clock
    // nanoseconds), and what the file was when last looked at.
    std::atomic<std::int64_t> nextLook{0};
    FileIdentity seen;
};

class BlockCache {
public:
    // Empties the cache and sizes it for tables of `blocks` blocks in all,
    // within `bytes` of stored blocks.
    void reset(std::size_t blocks, std::size_t bytes);

    enum class Read { Ok, Failed, Dropped };
    // Entry `index` of table t into value. Failed (the reason in why) the
    // first time a block of t cannot be read as its directory says, which puts
    // t out of use; Dropped for every later call.
    Read entry(CachedTable& t, std::uint64_t index, std::uint8_t& value, std::string& why);

    // Puts file in place of t's, which was dropped, and t back in use.
    void replace(CachedTable& t, std::unique_ptr<TableFile> file);

private:
    struct Owner {
        CachedTable* table = nullptr;
        std::uint32_t block = 0;
        bool used = false;
    };
    std::size_t freeSlot();

    std::mutex mutex_;
    std::unique_ptr<std::uint8_t[]> stored_; // kMaxStoredBytes bytes a slot
    std::unique_ptr<std::uint32_t[]> ranks_; // kRanks a slot
    std::vector<Owner> owners_;
    std::size_t hand_ = 0;
};

} // namespace endgame
