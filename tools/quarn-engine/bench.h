// The bench: a fixed set of positions from the three phases, each searched
// with the same budget and seed. The node total is the search's signature:
// it changes only when the search's behaviour changes.
#pragma once

#include "engine/levels.h"

// Every position is searched with the budget of "Very hard".
inline constexpr int kBenchNodes = level2nodes[4];

// Prints a line per position, then the node total, the time and the speed.
void RunBench();
