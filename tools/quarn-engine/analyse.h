// The commands that use the endgame tables for play and review: search at
// the Master level and analyse.
#pragma once

#include "engine/board.h"
#include "engine/endgame/endgame.h"
#include "quarn-engine/command_line.h"

#include <string>
#include <vector>

// Opens the tables found in DefaultTableFolders(). Each file left unused is
// named once on standard error, and when none is usable, so is `without`
// (what the command does instead). Returns whether any table is usable.
bool OpenTables(EndgameTables& tables, const std::string& without);

// Prints the review of the game that `moves` play from the initial
// position: a line per move, then the count of moves per side that threw a
// value away.
void Analyse(const std::vector<Move>& moves);

// Prints inv.sample_count random positions of the material asked for that
// the tables value as asked, drawn with the generator seeded by inv.seed.
// Throws InputError when no table covers that material.
void Sample(const Invocation& inv);
