// The game's settings: where they are kept, their keys, their
// defaults and the values they may take. Every setting but the last folder
// and the running build is the id of a menu item, 0 to `highest`; any stored
// integer is brought into that range.
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
// Who plays a new game: 0 the user against the computer, 1 two people,
// 2 the computer against itself, at the two levels that follow.
inline constexpr Setting kPlayers{"Players", 0, 2};
inline constexpr Setting kDemoWhiteLevel{"DemoWhiteLevel", 2, 5};
inline constexpr Setting kDemoBlackLevel{"DemoBlackLevel", 2, 5};
// 0 No, 1 Yes; where the store does not say, on for a user and off under a
// platform without a screen (Sounds::onByDefault).
inline constexpr Setting kSound{"Sound", 1, 1};
// 1 while the tables of the whole game are being built, so that a build cut
// short by the end of the program goes on at its next start; else 0.
inline constexpr Setting kPerfectPlayBuilding{"PerfectPlayBuilding", 0, 1};

// The folder of the last game saved or opened, as text; absent until there
// is one.
inline constexpr const char* kLastFolder = "LastFolder";

// A stored value as the menu item it selects: at most 0 picks the first
// item, at least `highest` the last.
constexpr int Normalised(const Setting& s, int stored) {
    return std::clamp(stored, 0, s.highest);
}

} // namespace settings
