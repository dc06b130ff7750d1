#include "engine/endgame/blockcache.h"

#include "engine/endgame/blockcodec.h"

#include <algorithm>

namespace endgame {

CachedTable::CachedTable(std::unique_ptr<TableFile> f, int mover, int other)
    : path(f->path()), mover(mover), other(other), file(std::move(f)), slotOf(file->blocks(), -1) {}

void BlockCache::reset(std::size_t blocks, std::size_t bytes) {
    const std::lock_guard lock(mutex_);
    const std::size_t slots = std::min(blocks, std::max<std::size_t>(bytes / kMaxStoredBytes, 1));
    // Left uninitialised: a slot's memory is touched only once a block fills it.
    stored_.reset(slots > 0 ? new std::uint8_t[slots * kMaxStoredBytes] : nullptr);
    ranks_.reset(slots > 0 ? new std::uint32_t[slots * kRanks] : nullptr);
    owners_.assign(slots, Owner{});
    hand_ = 0;
}

std::size_t BlockCache::freeSlot() {
    for (;;) {
        Owner& o = owners_[hand_];
        const std::size_t slot = hand_;
        hand_ = (hand_ + 1) % owners_.size();
        if (o.table == nullptr) return slot;
        if (!o.used) {
            o.table->slotOf[o.block] = -1;
            o.table = nullptr;
            return slot;
        }
        o.used = false;
    }
}

void BlockCache::replace(CachedTable& t, std::unique_ptr<TableFile> file) {
    const std::lock_guard lock(mutex_);
    for (const std::int32_t slot : t.slotOf)
        if (slot >= 0) owners_[slot] = Owner{};
    t.file = std::move(file);
    t.slotOf.assign(t.file->blocks(), -1);
    t.dropped.store(false, std::memory_order_relaxed);
}

BlockCache::Read BlockCache::entry(CachedTable& t, std::uint64_t index, std::uint8_t& value,
                                   std::string& why) {
    const std::lock_guard lock(mutex_);
    if (t.dropped.load(std::memory_order_relaxed)) return Read::Dropped;
    const auto block = static_cast<std::uint32_t>(index / kBlockEntries);
    std::int32_t slot = t.slotOf[block];
    if (slot < 0) {
        const std::size_t s = freeSlot();
        if (!t.file->readStored(block, &stored_[s * kMaxStoredBytes], &ranks_[s * kRanks], why)) {
            t.dropped.store(true, std::memory_order_relaxed);
            return Read::Failed;
        }
        owners_[s] = Owner{&t, block, false};
        slot = static_cast<std::int32_t>(s);
        t.slotOf[block] = slot;
    }
    owners_[slot].used = true;
    const auto at = static_cast<std::size_t>(slot);
    value = StoredEntry(&stored_[at * kMaxStoredBytes], t.file->blockEntries(block),
                        &ranks_[at * kRanks], index % kBlockEntries);
    return Read::Ok;
}

} // namespace endgame
