// The match command: games between two levels, and their tally.
#pragma once

#include "quarn-engine/command_line.h"

// Plays the match that inv asks for and prints a line per game, then each
// side's wins, draws and losses, the median length and the slowest replies.
void RunMatch(const Invocation& inv);
