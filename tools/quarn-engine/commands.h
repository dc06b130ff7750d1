// The commands of quarn-engine. Each runs from the position reached after
// the typed moves and writes its result on stdout; bad input throws
// InputError before anything is written.
#pragma once

#include "quarn-engine/command_line.h"

#include <cstddef>
#include <cstdint>

// Whether this build runs under AddressSanitizer, which widens stack frames
// and reserves far more address space than the program itself.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
inline constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// Runs the invocation's command: the position after its moves, then the
// command's output. Returns the exit status.
int RunCommand(const Invocation& inv);

// The stack the command needs: room for its deepest recursion (perft's
// longest line, the search's deepest iteration at its budget).
std::size_t StackBytes(const Invocation& inv);

// The number of move sequences of length depth from b; a side that has lost
// by material ends a sequence. Throws InputError when a line grows deeper
// than the program can follow.
std::uint64_t Perft(const Board& b, std::int64_t depth);
