// Numbering the positions of one material (the side to move's count and the
// other side's count) for the endgame tables, compactly and once per
// family of symmetric positions.
//
// The side to move's set of points is reduced to its class, the family of
// sets that the symmetries map onto each other, and each class stands for
// its representative (the set of lowest rank). A position whose side to move
// holds that representative is numbered by the class and by the rank of the
// other side's set among the points the representative leaves empty:
//   index = class * C(24 - mover, other) + rank
// Ranks are those of the combinatorial number system: a set of points
// p0 < p1 < ... has rank C(p0, 1) + C(p1, 2) + ..., which numbers the
// k-point sets 0 .. C(n, k) - 1 in the order of their bit masks.
#pragma once

#include "engine/endgame/symmetry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace endgame {

// kBinomial[n][k] = C(n, k) for n, k <= 24.
inline constexpr auto kBinomial = [] {
    std::array<std::array<std::uint32_t, 25>, 25> c{};
    for (int n = 0; n <= 24; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
    return c;
}();

// The rank of a set of points among the sets of its size.
constexpr std::uint32_t SetRank(PointSet s) {
    std::uint32_t rank = 0;
    for (int i = 1; s != 0; ++i, s &= s - 1) rank += kBinomial[std::countr_zero(s)][i];
    return rank;
}

// The set of the same size next in rank order (Gosper's, without a division).
constexpr PointSet NextOfSameSize(PointSet set) {
    const PointSet t = set | (set - 1);
    return (t + 1) | (((~t & (t + 1)) - 1) >> (std::countr_zero(set) + 1));
}

// kClassCounts[k]: the number of classes of the sets of k points, by
// Burnside's lemma: the mean over the symmetries of the sets each one keeps,
// which are the unions of its cycles of points with k points in all.
inline constexpr auto kClassCounts = [] {
    std::array<std::uint64_t, 25> kept{};
    for (int s = 0; s < kSymmetries; ++s) {
        std::array<std::uint64_t, 25> unions{}; // by points covered
        unions[0] = 1;
        std::array<bool, 24> seen{};
        for (int p = 0; p < 24; ++p) {
            int length = 0;
            for (int q = p; !seen[q]; q = kSymmetryPoints[s][q], ++length) seen[q] = true;
            for (int n = 24; length > 0 && n >= length; --n) unions[n] += unions[n - length];
        }
        for (int k = 0; k <= 24; ++k) kept[k] += unions[k];
    }
    std::array<std::uint32_t, 25> counts{};
    for (int k = 0; k <= 24; ++k) counts[k] = static_cast<std::uint32_t>(kept[k] / kSymmetries);
    return counts;
}();

// The classes of the sets of one size.
struct SetClasses {
    int pieces = 0;
    // By set rank: the set's class, and the symmetries (bit s for symmetry
    // s) that take the set to the class's representative. A representative
    // maps onto itself by every symmetry of its bits.
    std::vector<std::uint32_t> classOf;
    std::vector<std::uint16_t> toRepresentative;
    // By class: the representative; squeeze[p] numbers the points it leaves
    // empty 0, 1, ... in point order (255 on its own points), and spread
    // gives the point of each number.
    std::vector<PointSet> representative;
    std::vector<std::array<std::uint8_t, 24>> squeeze;
    std::vector<std::array<std::uint8_t, 24>> spread;

    std::uint32_t classes() const { return static_cast<std::uint32_t>(representative.size()); }
    // Whether a symmetry other than the identity keeps the class's
    // representative, so that two numbers of the class may name one position.
    bool symmetric(std::uint32_t c) const {
        return (toRepresentative[SetRank(representative[c])] & ~1u) != 0;
    }
};

SetClasses MakeSetClasses(int pieces);

// The numbering of every material with up to 9 pieces a side.
class Indexing {
public:
    // Computes the classes of sets of `pieces` points (3 to 9), unless done.
    // Not safe against a concurrent call; everything below is, once prepared.
    void prepare(int pieces);
    bool prepared(int pieces) const { return !classes_[pieces].classOf.empty(); }
    const SetClasses& classes(int pieces) const { return classes_[pieces]; }

    // Positions (numbers) of the material with these counts; known without
    // preparing.
    static std::uint64_t entries(int mover, int other) {
        return std::uint64_t{kClassCounts[mover]} * kBinomial[24 - mover][other];
    }

    // What the number of a position takes from the side to move's set: its
    // class's first number, the squeeze of its representative and the
    // symmetries that lead there. Computed once, it numbers every position
    // with that set to move.
    struct MoverKey {
        std::uint32_t base;
        const std::array<std::uint8_t, 24>* squeeze;
        unsigned symmetries;
    };
    MoverKey key(PointSet mover, int otherPieces) const {
        const int k = std::popcount(mover);
        const SetClasses& sc = classes_[k];
        const std::uint32_t r = SetRank(mover);
        const std::uint32_t c = sc.classOf[r];
        return {c * kBinomial[24 - k][otherPieces], &sc.squeeze[c], sc.toRepresentative[r]};
    }
    // The number of the position with the key's set to move and the other
    // side on `other`: the least over the symmetries that take the mover's
    // set to its representative.
    static std::uint32_t index(const MoverKey& key, PointSet other) {
        std::uint32_t best = ~0u;
        for (unsigned syms = key.symmetries; syms != 0; syms &= syms - 1) {
            std::uint32_t rank = 0;
            int i = 1;
            for (PointSet s = Apply(std::countr_zero(syms), other); s != 0; s &= s - 1, ++i)
                rank += kBinomial[(*key.squeeze)[std::countr_zero(s)]][i];
            best = std::min(best, rank);
        }
        return key.base + best;
    }
    std::uint32_t index(PointSet mover, PointSet other) const {
        return index(key(mover, std::popcount(other)), other);
    }

private:
    std::array<SetClasses, 10> classes_;
};

} // namespace endgame
