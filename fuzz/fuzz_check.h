// Helpers shared by the fuzz targets: a check that fails the run with a
// message, and the conversions from raw fuzz input to text.
#pragma once

#include "engine/notation.h"
#include "engine/record.h"
#include "quarn-engine/input_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Aborts the run (libFuzzer then saves the input) when cond is false.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "fuzz check failed: %s at %s:%d\n", #cond, __FILE__, __LINE__);   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

inline std::string TextOf(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The input split on zero bytes, as an argument vector would arrive. A
// trailing zero byte does not add an empty argument.
inline std::vector<std::string> ArgumentsOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (size > 0 && data[size - 1] != 0) args.push_back(current);
    return args;
}

// An error message must fit on one line of the terminal.
inline void CheckMessage(const std::string& message) {
    FUZZ_CHECK(!message.empty());
    for (char c : message) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
}
inline void CheckMessage(const InputError& e) {
    CheckMessage(std::string(e.what()));
}

// The piece counts and the side to move agree with the board.
inline void CheckConsistent(const Board& b) {
    int white = 0, black = 0;
    for (int v : b.board) {
        FUZZ_CHECK(v == 0 || v == 1 || v == -1);
        white += v == 1;
        black += v == -1;
    }
    FUZZ_CHECK(white == b.n_white);
    FUZZ_CHECK(black == b.n_black);
    FUZZ_CHECK(b.next == (b.plies % 2 == 0 ? 1 : -1));
}
