// One endgame table on disk: a header, a directory of its blocks, then the
// blocks, each kBlockEntries entries (the last one fewer) stored as
// blockcodec.h says. Opening reads the header and the directory only; a
// block is read, checked against its checksum and decoded when first needed,
// so that a file changed or cut short after it was opened gives no value
// from the changed part, and reading it never faults.
//
// Header, 64 bytes, little-endian:
//   0  magic "QUARNEGT"      8  format version (u32)
//   12 mover's count (u8)    13 other side's count (u8)   14 zero (u16)
//   16 entries (u64)         24 blocks (u32)   28 entries per block (u32)
//   32 checksum of the header (this field zero) and the directory (u64)
//   40 zero up to 64
// Directory, 16 bytes a block, in block order: checksum of the stored block
// (u64), its stored bytes (u32), zero (u32). The blocks follow it, in order
// and without gaps, up to the end of the file.
// Entry byte: 0 a draw, d + 1 the end of the game in d plies with best play
// (d odd a win for the side to move, even a loss), 1 .. 255.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace endgame {

inline constexpr std::uint32_t kFormatVersion = 2;
inline constexpr std::size_t kHeaderBytes = 64;
inline constexpr std::size_t kDirectoryEntryBytes = 16;
// The longest distance an entry byte holds.
inline constexpr int kLongestDistance = 254;

// Each side holds 3 to 9 pieces in a table; a material is covered by one file.
inline constexpr int kFewestPieces = 3, kMostPieces = 9;

// The file name of a material's table, such as "quarn-5-3.egt".
std::string TableFileName(int mover, int other);
// The path of that file in folder.
std::string TablePath(const std::string& folder, int mover, int other);

// A 64-bit hash of a run of bytes, eight at a time.
std::uint64_t Checksum(const std::uint8_t* data, std::size_t size);
// Little-endian numbers of 1 to 8 bytes, as the files store them.
void PutLittle(std::uint8_t* at, std::uint64_t value, int bytes);
std::uint64_t GetLittle(const std::uint8_t* at, int bytes);

class TableFile {
public:
    // Opens the table of the material at path, which must hold `entries`
    // positions, reading its header and directory. Returns null, with the
    // reason in why, for a file that is missing, unreadable, of another
    // format or material, whose directory is damaged or whose size is not
    // the one its directory gives.
    static std::unique_ptr<TableFile> Open(const std::string& path, int mover, int other,
                                           std::uint64_t entries, std::string& why);
    ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    const std::string& path() const { return path_; }
    std::uint64_t entries() const { return entries_; }
    std::uint32_t blocks() const { return static_cast<std::uint32_t>(checksum_.size()); }
    // The entries block b holds.
    std::size_t blockEntries(std::uint32_t b) const;

    // Reads block b into entries (blockEntries(b) bytes), with scratch
    // (kMaxStoredBytes bytes) for its stored form. Returns false, with the
    // reason in why, when the file no longer holds it as the directory said:
    // cut short, unreadable, or changed.
    bool readBlock(std::uint32_t b, std::uint8_t* entries, std::uint8_t* scratch,
                   std::string& why) const;
    // Reads block b's stored form into stored (kMaxStoredBytes bytes), with
    // its ranks for StoredEntry; false as readBlock.
    bool readStored(std::uint32_t b, std::uint8_t* stored, std::uint32_t* ranks,
                    std::string& why) const;

private:
    TableFile() = default;
    // Reads block b's stored bytes into stored and checks them against the
    // directory's checksum; returns their count, 0 with why on failure.
    std::uint64_t readChecked(std::uint32_t b, std::uint8_t* stored, std::string& why) const;
    int fd_ = -1;
    std::string path_;
    std::uint64_t entries_ = 0;
    // By block: the checksum of its stored bytes, and where it starts; one
    // more offset gives the end of the last block.
    std::vector<std::uint64_t> checksum_;
    std::vector<std::uint64_t> offset_;
};

// What a file is at a moment: which file, its size and when it last changed;
// all zero for a path that names no file.
struct FileIdentity {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0; // nanoseconds
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
FileIdentity IdentityOf(const std::string& path);

// Reads the whole table of the material at path into entries, checking every
// block. Returns false with the reason in why, as TableFile::Open does.
bool ReadTableFile(const std::string& path, int mover, int other, std::uint64_t entries,
                   std::vector<std::uint8_t>& out, std::string& why);

// Writes a table atomically: into a temporary file of a name no other process
// uses, flushed to disk, then renamed into place. Returns false with a message
// in error on failure, leaving no temporary file behind.
bool WriteTableFile(const std::string& path, int mover, int other,
                    const std::vector<std::uint8_t>& entries, std::string& error);

// Writes image to path as WriteTableFile writes a table: whole or not at all.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& image,
                         std::string& error);

// Recomputes every checksum of a table file held in memory whose directory
// fits its size; returns false, changing nothing, for one whose does not.
// Lets a test or a fuzzer damage a file's content without it being refused
// at the checksum, to reach the checks behind it.
bool ResealTableImage(std::vector<std::uint8_t>& image);

} // namespace endgame
