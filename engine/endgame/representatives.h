// Numbering positions as indexing.h does, from the representatives of the
// classes alone: what probing needs, found in a few milliseconds where the
// full tables of classes take tens. For sets of one size, rank order is the
// order of their bit masks, so a class's representative is its smallest
// image and its number is the count of smaller representatives.
#pragma once

#include "engine/endgame/indexing.h"

#include <cstdint>
#include <vector>

namespace endgame {

// The representatives of the classes of sets of `pieces` points, in rank
// order: the sets that no symmetry maps onto a smaller one.
std::vector<PointSet> Representatives(int pieces);

// The number Indexing::index gives the position with `mover` to move and
// `other` on the other side, where `representatives` are those of mover's
// size.
std::uint32_t IndexByRepresentatives(const std::vector<PointSet>& representatives, PointSet mover,
                                     PointSet other);

} // namespace endgame
