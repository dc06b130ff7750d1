// Solving the placing phase once, from the first move, over the whole set of
// tables: the proof that the initial position is what it is, kept as the
// placing book (endgame/placingbook.h) for the positions of its first plies.
// No toolkit.
#pragma once

#include "board.h"
#include "endgame/endgame.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct BookOptions {
    BookOptions() { start.Init(); }
    std::string folder; // where the book goes, beside the tables
    // Where the tables are looked for, in order (DefaultTableFolders()
    // after the book's folder when empty).
    std::vector<std::string> tableFolders;
    Board start;    // the position solved: the initial one but in tests
    int plies = 10; // the deepest ply of a position kept in the book
    // Bytes for the solvers' tables and the blocks of endgame tables each
    // keeps read.
    std::size_t memory = std::size_t{4} << 30;
    // How the proof goes, now and then: one line each time.
    std::function<void(const std::string&)> progress;
    const bool* stop = nullptr; // looked at often: a stopped build resumes
};

// Proves the value of the initial position with two solvers, one for each
// side's bound, on two threads, each with the endgame tables opened for
// itself so that neither waits for the other's reads; then walks both proofs to options.plies and
// writes the positions met, with their bounds and proving moves, to the book
// in options.folder. Every few minutes the proofs' early positions are saved
// beside it, so that a build stopped in any way resumes close to where it
// was. From the initial position, it needs every table of the moving phase. Returns false with a
// message in error when it cannot start, is stopped, or cannot write.
bool BuildPlacingBook(const BookOptions& options, std::string& error);
