#include "engine/endgame/representatives.h"

#include <algorithm>
#include <cassert>

namespace endgame {

std::vector<PointSet> Representatives(int pieces) {
    assert(pieces >= 1 && pieces <= 12);
    std::vector<PointSet> found;
    found.reserve(kClassCounts[pieces]);
    PointSet set = (PointSet{1} << pieces) - 1;
    for (std::uint32_t r = 0; r < kBinomial[24][pieces]; ++r, set = NextOfSameSize(set)) {
        // Most sets meet a smaller image within a few symmetries.
        int s = 1;
        while (s < kSymmetries && Apply(s, set) >= set) ++s;
        if (s == kSymmetries) found.push_back(set);
    }
    assert(found.size() == kClassCounts[pieces]);
    return found;
}

std::uint32_t IndexByRepresentatives(const std::vector<PointSet>& representatives, PointSet mover,
                                     PointSet other) {
    PointSet images[kSymmetries];
    PointSet least = mover;
    for (int s = 0; s < kSymmetries; ++s) {
        images[s] = Apply(s, mover);
        least = std::min(least, images[s]);
    }
    unsigned symmetries = 0;
    for (int s = 0; s < kSymmetries; ++s)
        if (images[s] == least) symmetries |= 1u << s;
    std::array<std::uint8_t, 24> squeeze{};
    for (int p = 0, n = 0; p < 24; ++p)
        squeeze[p] = least & Bit(p) ? 255 : static_cast<std::uint8_t>(n++);
    const auto c = static_cast<std::uint32_t>(
        std::lower_bound(representatives.begin(), representatives.end(), least) -
        representatives.begin());
    assert(c < representatives.size() && representatives[c] == least);
    const std::uint32_t base = c * kBinomial[24 - std::popcount(mover)][std::popcount(other)];
    return Indexing::index({base, &squeeze, symmetries}, other);
}

} // namespace endgame
