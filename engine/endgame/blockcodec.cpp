#include "engine/endgame/blockcodec.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace endgame {

std::size_t EncodeBlock(const std::uint8_t* entries, std::size_t count, std::uint8_t* out) {
    std::array<bool, 256> present{};
    int distinct = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (!present[entries[i]]) {
            present[entries[i]] = true;
            ++distinct;
        }
    int bits = 0;
    while (bits < 8 && (1 << bits) < distinct) bits = bits == 0 ? 1 : 2 * bits;
    out[0] = static_cast<std::uint8_t>(bits);
    if (bits == 8) {
        std::memcpy(out + 1, entries, count);
        return StoredBytes(bits, count);
    }
    // The palette in value order; unused places repeat its first value.
    std::array<std::uint8_t, 256> number{};
    std::uint8_t* palette = out + 1;
    int used = 0;
    for (int v = 0; v < 256; ++v)
        if (present[v]) {
            number[v] = static_cast<std::uint8_t>(used);
            palette[used++] = static_cast<std::uint8_t>(v);
        }
    std::fill(palette + used, palette + (1 << bits), palette[0]);
    std::uint8_t* packed = palette + (1 << bits);
    const std::size_t packedBytes = (count * bits + 7) / 8;
    std::memset(packed, 0, packedBytes);
    for (std::size_t i = 0; bits > 0 && i < count; ++i)
        packed[i * bits / 8] |= static_cast<std::uint8_t>(number[entries[i]] << (i * bits % 8));
    return StoredBytes(bits, count);
}

bool DecodeBlock(const std::uint8_t* stored, std::size_t size, std::size_t count,
                 std::uint8_t* entries) {
    if (size == 0 || count > kBlockEntries) return false;
    const int bits = stored[0];
    if (bits != 0 && bits != 1 && bits != 2 && bits != 4 && bits != 8) return false;
    if (size != StoredBytes(bits, count)) return false;
    if (bits == 8) {
        std::memcpy(entries, stored + 1, count);
        return true;
    }
    const std::uint8_t* palette = stored + 1;
    if (bits == 0) {
        std::memset(entries, palette[0], count);
        return true;
    }
    const std::uint8_t* packed = palette + (1 << bits);
    const unsigned mask = (1u << bits) - 1;
    for (std::size_t i = 0; i < count; ++i)
        entries[i] = palette[(packed[i * bits / 8] >> (i * bits % 8)) & mask];
    return true;
}

} // namespace endgame
