// The stored form of one block of table entries. Most blocks of the larger
// tables hold few distinct values (often one), so a block is stored as a
// palette of its values and, for each entry, the number of its value in the
// palette on as few bits as hold them all.
//
// Stored block: byte 0 the bits per entry b (0, 1, 2, 4 or 8). For b < 8
// the palette of 2^b entry bytes follows, then the entries' palette numbers,
// b bits each, the first entry in the lowest bits of the first byte; for
// b = 8 the entry bytes follow as they are. Its size follows from b and the
// block's entry count alone (StoredBytes).
#pragma once

#include <cstddef>
#include <cstdint>

namespace endgame {

// Entries a block holds; the last block of a table may hold fewer.
inline constexpr std::size_t kBlockEntries = 65536;
// The largest stored block: a byte of width, then the entry bytes as they are.
inline constexpr std::size_t kMaxStoredBytes = 1 + kBlockEntries;

// The stored size of a block of `entries` entries at `bits` bits each.
constexpr std::size_t StoredBytes(int bits, std::size_t entries) {
    if (bits == 8) return 1 + entries;
    return 1 + (std::size_t{1} << bits) + (entries * bits + 7) / 8;
}

// Stores the entries of a block (at most kBlockEntries) into out, which has
// room for kMaxStoredBytes; returns the bytes used.
std::size_t EncodeBlock(const std::uint8_t* entries, std::size_t count, std::uint8_t* out);

// Restores `count` entries from a stored block of `size` bytes. Returns false,
// writing nothing past the entries, when the block's size or width is not
// one EncodeBlock can give.
bool DecodeBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
                 std::uint8_t* entries);

} // namespace endgame
