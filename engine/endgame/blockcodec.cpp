#include "engine/endgame/blockcodec.h"

#include <algorithm>
#include <array>
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

bool DecodeBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
                 std::uint8_t* entries) {
    if (size == 0 || count > kBlockEntries) return false;
    const int bits = stored[0];
    if (bits == 8) {
        if (size != StoredBytes(8, count)) return false;
        std::memcpy(entries, stored + 1, count);
        return true;
    }
    if (std::find(std::begin(kWidths), std::end(kWidths), bits) == std::end(kWidths) ||
        size < StoredBytes(bits, count))
        return false;
    const std::size_t places = std::size_t{1} << bits;
    const std::uint8_t* palette = stored + 1;
    std::size_t escaped = 0;
    for (int i = 0; i < 4; ++i) escaped |= std::size_t{palette[places + i]} << (8 * i);
    if (size != StoredBytes(bits, count, escaped)) return false;
    const std::uint8_t* packed = palette + places + 4;
    const std::uint8_t* escapes = packed + (count * bits + 7) / 8;
    const std::uint8_t* escapesEnd = escapes + escaped;
    const unsigned mask = static_cast<unsigned>(places - 1);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned n = bits == 0 ? 0 : (packed[i * bits / 8] >> (i * bits % 8)) & mask;
        if (escaped > 0 && n == mask) {
            if (escapes == escapesEnd) return false;
            entries[i] = *escapes++;
        } else {
            entries[i] = palette[n];
        }
    }
    return escapes == escapesEnd;
}

} // namespace endgame
