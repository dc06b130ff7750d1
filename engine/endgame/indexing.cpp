#include "engine/endgame/indexing.h"

#include <cassert>

namespace endgame {

SetClasses MakeSetClasses(int pieces) {
    assert(pieces >= 1 && pieces <= 12);
    SetClasses sc;
    sc.pieces = pieces;
    const std::uint32_t sets = kBinomial[24][pieces];
    sc.classOf.assign(sets, 0);
    sc.toRepresentative.assign(sets, 0);
    // Sets come in rank order, so a set meets its class first at the
    // representative, the set of lowest rank; the representative then marks
    // every set of its class with the symmetries that lead to it, and a set
    // found marked is passed over.
    sc.representative.reserve(kClassCounts[pieces]);
    sc.squeeze.reserve(kClassCounts[pieces]);
    sc.spread.reserve(kClassCounts[pieces]);
    PointSet set = (PointSet{1} << pieces) - 1;
    for (std::uint32_t r = 0; r < sets; ++r) {
        if (sc.toRepresentative[r] == 0) {
            PointSet images[kSymmetries];
            for (int s = 0; s < kSymmetries; ++s) images[s] = Apply(s, set);
            const auto c = static_cast<std::uint32_t>(sc.representative.size());
            sc.representative.push_back(set);
            std::array<std::uint8_t, 24> squeeze{}, spread{};
            int n = 0;
            for (int p = 0; p < 24; ++p) {
                squeeze[p] = set & Bit(p) ? 255 : static_cast<std::uint8_t>(n);
                if (!(set & Bit(p))) spread[n++] = static_cast<std::uint8_t>(p);
            }
            sc.squeeze.push_back(squeeze);
            sc.spread.push_back(spread);
            // Every image of the representative belongs to its class; each
            // learns the symmetries that lead back: the inverse of s, then
            // any symmetry g that keeps the representative.
            unsigned keeping = 0;
            for (int g = 0; g < kSymmetries; ++g)
                if (images[g] == set) keeping |= 1u << g;
            for (int s = 0; s < kSymmetries; ++s) {
                const std::uint32_t image = SetRank(images[s]);
                sc.classOf[image] = c;
                for (unsigned gs = keeping; gs != 0; gs &= gs - 1)
                    sc.toRepresentative[image] |= 1u << kAfter[std::countr_zero(gs)][kInverse[s]];
            }
        }
        set = NextOfSameSize(set);
    }
    assert(sc.classes() == kClassCounts[pieces]);
    return sc;
}

void Indexing::prepare(int pieces) {
    assert(pieces >= 3 && pieces <= 9);
    if (!prepared(pieces)) classes_[pieces] = MakeSetClasses(pieces);
}

} // namespace endgame
