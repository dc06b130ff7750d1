#include "engine/endgame/blockcodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace endgame {

namespace {

constexpr int kWidths[] = {0, 1, 2, 4};

} // namespace

std::size_t EncodeBlock(const std::uint8_t* entries, std::size_t count, std::uint8_t* out) {
    std::array<std::size_t, 256> uses{};
    for (std::size_t i = 0; i < count; ++i) ++uses[entries[i]];
    // The values, commonest first.
    std::array<std::uint8_t, 256> byUse;
    for (int v = 0; v < 256; ++v) byUse[v] = static_cast<std::uint8_t>(v);
    std::stable_sort(byUse.begin(), byUse.end(),
                     [&](std::uint8_t a, std::uint8_t b) { return uses[a] > uses[b]; });
    const auto distinct = static_cast<std::size_t>(
        std::count_if(uses.begin(), uses.end(), [](std::size_t n) { return n > 0; }));
    // The entries left out of a palette of `places` commonest values.
    const auto escapedBeyond = [&](std::size_t places) {
        std::size_t inPalette = 0;
        for (std::size_t k = 0; k < places; ++k) inPalette += uses[byUse[k]];
        return count - inPalette;
    };
    int bits = 8;
    std::size_t escaped = 0, best = StoredBytes(8, count);
    for (int b : kWidths) {
        const std::size_t places = std::size_t{1} << b;
        // With every value in the palette no place is given to the escape.
        const std::size_t e = distinct <= places ? 0 : b == 0 ? count : escapedBeyond(places - 1);
        if (StoredBytes(b, count, e) < best) {
            bits = b;
            escaped = e;
            best = StoredBytes(b, count, e);
        }
    }
    out[0] = static_cast<std::uint8_t>(bits);
    if (bits == 8) {
        std::memcpy(out + 1, entries, count);
        return best;
    }
    const std::size_t places = std::size_t{1} << bits;
    const std::size_t kept = escaped > 0 ? places - 1 : places;
    std::uint8_t* palette = out + 1;
    std::array<std::uint8_t, 256> number;
    number.fill(static_cast<std::uint8_t>(places - 1)); // an escape
    for (std::size_t k = 0; k < places; ++k) {
        palette[k] = byUse[std::min(k, kept - 1)];
        if (k < kept) number[byUse[k]] = static_cast<std::uint8_t>(k);
    }
    std::uint8_t* at = palette + places;
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(escaped >> (8 * i));
    std::uint8_t* packed = at + 4;
    const std::size_t packedBytes = (count * bits + 7) / 8;
    std::memset(packed, 0, packedBytes);
    std::uint8_t* escapes = packed + packedBytes;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t n = number[entries[i]];
        if (bits > 0) packed[i * bits / 8] |= static_cast<std::uint8_t>(n << (i * bits % 8));
        if (escaped > 0 && n == places - 1) *escapes++ = entries[i];
    }
    return best;
}

namespace {

// The parts of a stored block of a width below 8, read from its header.
struct Layout {
    int bits = 0;
    std::size_t escaped = 0;
    const std::uint8_t* palette = nullptr;
    const std::uint8_t* packed = nullptr;
    std::size_t packedBytes = 0;
    const std::uint8_t* escapes = nullptr;
    unsigned mask = 0; // the last palette place: an escape where there are any
};

// The layout of a stored block of `count` entries whose width is 0, 1, 2 or 4.
Layout LayoutOf(const std::uint8_t* stored, std::size_t count) {
    Layout l;
    l.bits = stored[0];
    const std::size_t places = std::size_t{1} << l.bits;
    l.palette = stored + 1;
    for (int i = 0; i < 4; ++i) l.escaped |= std::size_t{l.palette[places + i]} << (8 * i);
    l.packed = l.palette + places + 4;
    l.packedBytes = (count * l.bits + 7) / 8;
    l.escapes = l.packed + l.packedBytes;
    l.mask = static_cast<unsigned>(places - 1);
    return l;
}

// The layout of a stored block of a width below 8; false where its width or
// size is not one EncodeBlock gives.
bool CheckedLayoutOf(const std::uint8_t* stored, std::size_t size, std::size_t count, Layout& l) {
    const int bits = stored[0];
    if (std::find(std::begin(kWidths), std::end(kWidths), bits) == std::end(kWidths) ||
        size < StoredBytes(bits, count))
        return false;
    l = LayoutOf(stored, count);
    if (size != StoredBytes(bits, count, l.escaped)) return false;
    // With one place, every entry is escaped or none is.
    return bits > 0 || l.escaped == 0 || l.escaped == count;
}

// Packed bytes [at, at + 8) as a word, the first in the lowest bits; bytes
// past the packed ones read as zero.
std::uint64_t WordAt(const Layout& l, std::size_t at) {
    if (at + 8 <= l.packedBytes && std::endian::native == std::endian::little) {
        std::uint64_t word;
        std::memcpy(&word, l.packed + at, 8);
        return word;
    }
    std::uint64_t word = 0;
    for (std::size_t k = 0; k < 8 && at + k < l.packedBytes; ++k)
        word |= std::uint64_t{l.packed[at + k]} << (8 * k);
    return word;
}

// The fields of `bits` bits in w whose bits are all set (the escapes), as the
// lowest bit of each such field.
std::uint64_t FullFields(std::uint64_t w, int bits) {
    if (bits == 4) w &= w >> 2;
    if (bits >= 2) w &= w >> 1;
    constexpr std::uint64_t kLowBit[] = {0, ~std::uint64_t{0}, 0x5555555555555555ull, 0,
                                         0x1111111111111111ull};
    return w & kLowBit[bits];
}

// The fields of entries [0, end) in the word of packed bytes from `at`.
std::uint64_t FieldsBefore(std::size_t end, std::size_t at, int bits) {
    const std::size_t first = at * 8, last = end * bits;
    if (last >= first + 64) return ~std::uint64_t{0};
    return last <= first ? 0 : (std::uint64_t{1} << (last - first)) - 1;
}

} // namespace

bool DecodeBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
                 std::uint8_t* entries) {
    if (size == 0 || count > kBlockEntries) return false;
    if (stored[0] == 8) {
        if (size != StoredBytes(8, count)) return false;
        std::memcpy(entries, stored + 1, count);
        return true;
    }
    Layout l;
    if (!CheckedLayoutOf(stored, size, count, l)) return false;
    if (l.bits == 0) {
        if (l.escaped == 0)
            std::memset(entries, l.palette[0], count);
        else
            std::memcpy(entries, l.escapes, count);
        return true;
    }
    // Each packed byte gives 8 / bits entries at once, looked up from a table
    // of every byte's entries; the escapes are put in place after.
    const auto perByte = static_cast<std::size_t>(8 / l.bits);
    std::array<std::array<std::uint8_t, 8>, 256> expanded;
    for (unsigned byte = 0; byte < 256; ++byte)
        for (std::size_t k = 0; k < perByte; ++k)
            expanded[byte][k] = l.palette[(byte >> (k * l.bits)) & l.mask];
    const std::size_t whole = count / perByte;
    for (std::size_t i = 0; i < whole; ++i)
        std::memcpy(entries + i * perByte, expanded[l.packed[i]].data(), perByte);
    if (const std::size_t rest = count - whole * perByte; rest > 0)
        std::memcpy(entries + whole * perByte, expanded[l.packed[whole]].data(), rest);
    if (l.escaped == 0) return true;
    std::size_t placed = 0;
    for (std::size_t at = 0; at < l.packedBytes; at += 8) {
        const std::uint64_t word = WordAt(l, at) & FieldsBefore(count, at, l.bits);
        for (std::uint64_t full = FullFields(word, l.bits); full != 0; full &= full - 1) {
            if (placed == l.escaped) return false;
            entries[(at * 8 + static_cast<std::size_t>(std::countr_zero(full))) / l.bits] =
                l.escapes[placed++];
        }
    }
    return placed == l.escaped;
}

// Ranks count bits: processors with a population-count instruction get
// versions that use it (as the search does, see tree.cpp).
#if defined(QUARN_HAVE_TARGET_CLONES) && !defined(__POPCNT__)
__attribute__((target_clones("popcnt", "default"), flatten))
#endif
bool RankBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
               std::uint32_t* ranks) {
    if (size == 0 || count > kBlockEntries) return false;
    if (stored[0] == 8) return size == StoredBytes(8, count);
    Layout l;
    if (!CheckedLayoutOf(stored, size, count, l)) return false;
    if (l.bits == 0 || l.escaped == 0) return true;
    // A span of kRankSpan entries fills a whole number of words.
    const std::size_t spanBytes = kRankSpan * l.bits / 8;
    std::size_t escapes = 0;
    for (std::size_t at = 0; at < l.packedBytes; at += 8) {
        if (at % spanBytes == 0) ranks[at / spanBytes] = static_cast<std::uint32_t>(escapes);
        const std::uint64_t word = WordAt(l, at) & FieldsBefore(count, at, l.bits);
        escapes += static_cast<std::size_t>(std::popcount(FullFields(word, l.bits)));
    }
    return escapes == l.escaped;
}

#if defined(QUARN_HAVE_TARGET_CLONES) && !defined(__POPCNT__)
__attribute__((target_clones("popcnt", "default"), flatten))
#endif
std::uint8_t
StoredEntry(const std::uint8_t* stored, std::size_t count, const std::uint32_t* ranks,
            std::size_t index) {
    if (stored[0] == 8) return stored[1 + index];
    const Layout l = LayoutOf(stored, count);
    if (l.bits == 0) return l.escaped == 0 ? l.palette[0] : l.escapes[index];
    const unsigned n = (l.packed[index * l.bits / 8] >> (index * l.bits % 8)) & l.mask;
    if (l.escaped == 0 || n != l.mask) return l.palette[n];
    // The escapes before this entry: the span's count, then those of the
    // span's entries before it.
    const std::size_t spanStart = index / kRankSpan * kRankSpan;
    std::size_t rank = ranks[index / kRankSpan];
    for (std::size_t at = spanStart * l.bits / 8; at * 8 < index * l.bits; at += 8)
        rank += static_cast<std::size_t>(
            std::popcount(FullFields(WordAt(l, at) & FieldsBefore(index, at, l.bits), l.bits)));
    return l.escapes[rank];
}

} // namespace endgame
