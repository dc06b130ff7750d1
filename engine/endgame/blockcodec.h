// The stored form of one block of table entries. Most blocks of the larger
// tables hold one value for most of their entries and a few dozen others
// for the rest, so a block is stored as a palette of its commonest values,
// the number of each entry's value in it on as few bits as pay, and the
// entries whose value is not in the palette as they are.
//
// Stored block: byte 0 the bits per entry b (0, 1, 2, 4 or 8). For b = 8
// the entry bytes follow as they are. Otherwise follow the palette of 2^b
// entry bytes; the count E of escaped entries (u32, little-endian); the
// entries' palette numbers, b bits each, the first entry in the lowest bits
// of the first byte; then the E escaped entry bytes in entry order. Where
// E > 0, the number 2^b - 1 stands for the next escaped byte instead of the
// last palette place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace endgame {

// Entries a block holds; the last block of a table may hold fewer.
inline constexpr std::size_t kBlockEntries = 65536;

// The size of a stored block of `entries` entries at `bits` bits each, with
// `escaped` escaped entries.
constexpr std::size_t StoredBytes(int bits, std::size_t entries, std::size_t escaped = 0) {
    if (bits == 8) return 1 + entries;
    return 1 + (std::size_t{1} << bits) + 4 + (entries * bits + 7) / 8 + escaped;
}
// The smallest and the largest stored block of `entries` entries: one value
// throughout, and every entry byte as it is (never more: that form is chosen
// where the others would not be smaller).
constexpr std::size_t FewestStoredBytes(std::size_t entries) {
    return StoredBytes(0, entries);
}
constexpr std::size_t MostStoredBytes(std::size_t entries) {
    return StoredBytes(8, entries);
}
inline constexpr std::size_t kMaxStoredBytes = MostStoredBytes(kBlockEntries);

// Stores the entries of a block (at most kBlockEntries) into out, which has
// room for MostStoredBytes(count); returns the bytes used.
std::size_t EncodeBlock(const std::uint8_t* entries, std::size_t count, std::uint8_t* out);

// Restores `count` entries from a stored block of `size` bytes. Returns false,
// reading nothing outside the stored block, when it is not one EncodeBlock
// can give: an unknown width, or a size or escape count that does not fit.
bool DecodeBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
                 std::uint8_t* entries);

// A probe reads one entry of a stored block without decoding the rest. An
// escaped entry's byte is found by counting the escapes before it, from the
// count kept for every kRankSpan entries (the block's ranks).
inline constexpr std::size_t kRankSpan = 512;
inline constexpr std::size_t kRanks = kBlockEntries / kRankSpan;

// Checks a stored block as DecodeBlock does and, when it is sound, fills
// ranks (kRanks numbers): ranks[k] is the count of escaped entries before
// entry k * kRankSpan.
bool RankBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
               std::uint32_t* ranks);

// Entry `index` (below count) of a stored block that RankBlock accepted, with
// the ranks it gave.
std::uint8_t StoredEntry(const std::uint8_t* stored, std::size_t count, const std::uint32_t* ranks,
                         std::size_t index);

} // namespace endgame
