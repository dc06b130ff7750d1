// The placing book: the bounds proved for early placing positions when the
// whole game was solved on this machine, kept beside the tables so that the
// placing solver settles the first plies at once. It is read whole at open
// (a few megabytes) and checked against its checksum.
//
// File, little-endian: "QUARNPBK" (8 bytes), format version (u32), zero
// (u32), records (u64), checksum of the records (u64); then the records,
// 16 bytes each in ascending key order: key (u64), lower and upper bound of
// the score (i16 each), the placement that proves the lower bound, as its
// point and the point it takes (i8 each, -1 for none), zero (u16).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One position of the book: its key and score bounds in the placing solver's
// terms (see placingsolver.h), and the move that proves the lower bound in
// the key's orientation.
struct BookRecord {
    std::uint64_t key = 0;
    std::int16_t lower = 0, upper = 0;
    std::int8_t end = -1, take = -1;

    friend bool operator==(const BookRecord&, const BookRecord&) = default;
};

// The ply of a position's key: bits 48..52 (see placingsolver.h).
inline int PlyOfKey(std::uint64_t key) {
    return static_cast<int>(key >> 48 & 31);
}

class PlacingBook {
public:
    // Reads the book at path; false, with the reason in why, when it cannot
    // be read or is not a sound book (it is then left empty).
    bool open(const std::string& path, std::string& why);
    // The record of key, null when the book has none.
    const BookRecord* find(std::uint64_t key) const;
    const std::vector<BookRecord>& records() const { return records_; }
    std::size_t size() const { return records_.size(); }
    // The largest ply of a position in the book; -1 when it is empty.
    int deepest() const { return deepest_; }

private:
    std::vector<BookRecord> records_;
    int deepest_ = -1;
};

// The book's file name in a tables folder.
inline constexpr const char* kPlacingBookName = "quarn-placing.book";

// Writes records (sorted by key, no key twice) to path atomically: into a
// temporary file renamed into place. False with a message in error on failure.
bool WritePlacingBook(const std::string& path, const std::vector<BookRecord>& records,
                      std::string& error);
