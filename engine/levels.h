// The difficulty levels, numbered as the items of the Level menu and as the
// settings and game records store them. Levels 0 to 4 differ only in their
// node budget; "Master" searches by time with a search of its own (about a
// second a move) and knows the exact value of every position that the
// endgame tables cover.
#pragma once

#include <iterator>

// The window translates the names in the context "Quarn"; the marker lets
// the translators' tools find them here. Defined as the toolkit defines it,
// so that this header and the toolkit's may come in either order.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The node budgets of levels 0 to 4, by level.
inline constexpr int level2nodes[5] = {500, 15000, 100000, 300000, 1000000};

struct Level {
    int id;
    const char* name; // in English, as the menu shows it
    const char* tip;  // what the level is, in a few words
    int nodes;        // the search's node budget
    bool perfect;     // plays perfectly where the endgame tables cover
    int millis;       // >0: its own search, bounded by this time a move (ms)
};

// One row per level, in id order: id, name, tip, node budget, perfect play,
// time a move (0: the node budget bounds the search).
inline constexpr Level kLevelTable[] = {
    {0, QT_TRANSLATE_NOOP("Quarn", "Very easy"),
     QT_TRANSLATE_NOOP("Quarn", "Very easy: a few moves ahead"), level2nodes[0], false, 0},
    {1, QT_TRANSLATE_NOOP("Quarn", "Easy"),
     QT_TRANSLATE_NOOP("Quarn", "Easy: a little further ahead, and still easy to trick"),
     level2nodes[1], false, 0},
    {2, QT_TRANSLATE_NOOP("Quarn", "Medium"),
     QT_TRANSLATE_NOOP("Quarn", "Medium: several moves ahead"), level2nodes[2], false, 0},
    {3, QT_TRANSLATE_NOOP("Quarn", "Hard"),
     QT_TRANSLATE_NOOP("Quarn", "Hard: a deeper search that seldom misses a mill"), level2nodes[3],
     false, 0},
    {4, QT_TRANSLATE_NOOP("Quarn", "Very hard"),
     QT_TRANSLATE_NOOP("Quarn", "Very hard: the deepest search, about a second a move"),
     level2nodes[4], false, 0},
    {5, QT_TRANSLATE_NOOP("Quarn", "Master"),
     QT_TRANSLATE_NOOP("Quarn", "Master: perfect in every position its tables cover"),
     level2nodes[4], true, 950},
};
inline constexpr int kLevels = static_cast<int>(std::size(kLevelTable));
inline constexpr int kMasterLevel = kLevels - 1;
inline constexpr int kMasterNodes = kLevelTable[kMasterLevel].nodes;

constexpr bool ValidLevel(int level) {
    return level >= 0 && level < kLevels;
}
// The node budget of a level 0..kLevels - 1.
constexpr int LevelNodes(int level) {
    return kLevelTable[level].nodes;
}

static_assert([] {
    for (int i = 0; i < kLevels; ++i)
        if (kLevelTable[i].id != i) return false;
    return kLevelTable[kMasterLevel].perfect;
}());
