// quarn-engine's endgame-table commands: probe, tables build, tables bench.
#pragma once

#include "quarn-engine/command_line.h"

// Prints b's value from the tables found in the default folders, then each
// legal move with its value for the side that makes it. Tables left unused
// are reported once on standard error.
void Probe(const Board& b);

// tables build or tables bench. Returns the exit status.
int RunTables(const Invocation& inv);
