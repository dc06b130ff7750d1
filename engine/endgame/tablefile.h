// One endgame table on disk: a header, then one byte per position of its
// material in index order (see indexing.h). The file is mapped read-only,
// not read into memory.
//
// Header, 64 bytes, little-endian:
//   0  magic "QUARNEGT"      8  format version (u32)
//   12 mover's count (u8)    13 other side's count (u8)   14 zero (u16)
//   16 entries (u64)         24 checksum of the entries (u64, see Checksum)
//   32 zero up to 64
// Entry byte: 0 a draw, d + 1 the end of the game in d plies with best play
// (d odd a win for the side to move, even a loss), 1 .. 255.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace endgame {

inline constexpr std::uint32_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderBytes = 64;
// The longest distance an entry byte holds.
inline constexpr int kLongestDistance = 254;

// The file name of a material's table, such as "quarn-5-3.egt".
std::string TableFileName(int mover, int other);

// A 64-bit hash of the entries, eight bytes at a time, so that checking a
// table at open stays well below the time it takes to read it.
std::uint64_t Checksum(const std::uint8_t* data, std::size_t size);

class TableFile {
public:
    // Maps the table of the material at path, which must hold `entries`
    // positions. Returns null, with the reason in why, for a file that is
    // missing, unreadable, truncated, of another format or material, or
    // whose checksum does not match.
    static std::unique_ptr<TableFile> Open(const std::string& path, int mover, int other,
                                           std::uint64_t entries, std::string& why);
    ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    const std::uint8_t* entries() const { return data_; }

private:
    TableFile() = default;
    void* map_ = nullptr;
    std::size_t mapBytes_ = 0;
    const std::uint8_t* data_ = nullptr;
};

// Writes a table atomically (a temporary file renamed into place). Returns
// false with a message in error on failure.
bool WriteTableFile(const std::string& path, int mover, int other,
                    const std::vector<std::uint8_t>& entries, std::string& error);

} // namespace endgame
