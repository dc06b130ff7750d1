// The game's settings: where they are kept, their keys, their
// defaults and the values they may take. Every setting but the last folder
// is the id of a menu item, 0 to `highest`; any stored integer is brought
// into that range.
#pragma once

#include "engine/levels.h"

#include <algorithm>

namespace settings {

inline constexpr const char* kStore = "Quarn";
inline constexpr const char* kGroup = "Settings";

struct Setting {
    const char* key;
    int fallback; // when the store does not hold the key
    int highest;
};

inline constexpr Setting kPlayerColor{"PlayerColor", 0, 1}; // 0 White, 1 Black
inline constexpr Setting kLevel{"Level", 0, kLevels - 1};   // "Very easy" to "Master"
inline constexpr Setting kAnimations{"Animations", 1, 1};   // 0 No, 1 Yes
inline constexpr Setting kMoveList{"MoveList", 1, 1};       // 0 No, 1 Yes
inline constexpr Setting kPointNames{"PointNames", 0, 1};   // 0 hidden, 1 shown

// The folder of the last game saved or opened, as text; absent until there
// is one.
inline constexpr const char* kLastFolder = "LastFolder";

// A stored value as the menu item it selects: at most 0 picks the first
// item, at least `highest` the last.
constexpr int Normalised(const Setting& s, int stored) {
    return std::clamp(stored, 0, s.highest);
}

} // namespace settings
