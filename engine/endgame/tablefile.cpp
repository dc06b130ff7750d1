#include "engine/endgame/tablefile.h"

#include "engine/endgame/blockcodec.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace endgame {

void PutLittle(std::uint8_t* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittle(const std::uint8_t* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t{at[i]} << (8 * i);
    return value;
}

namespace {

constexpr char kMagic[8] = {'Q', 'U', 'A', 'R', 'N', 'E', 'G', 'T'};
constexpr std::size_t kSealAt = 32; // the header's checksum field

std::uint64_t BlocksOf(std::uint64_t entries) {
    return (entries + kBlockEntries - 1) / kBlockEntries;
}

std::size_t EntriesOfBlock(std::uint64_t entries, std::uint64_t b) {
    const std::uint64_t rest = entries - b * kBlockEntries;
    return static_cast<std::size_t>(rest < kBlockEntries ? rest : kBlockEntries);
}

void MakeHeader(std::uint8_t* h, int mover, int other, std::uint64_t entries) {
    std::memset(h, 0, kHeaderBytes);
    std::memcpy(h, kMagic, sizeof kMagic);
    PutLittle(h + 8, kFormatVersion, 4);
    h[12] = static_cast<std::uint8_t>(mover);
    h[13] = static_cast<std::uint8_t>(other);
    PutLittle(h + 16, entries, 8);
    PutLittle(h + 24, BlocksOf(entries), 4);
    PutLittle(h + 28, kBlockEntries, 4);
}

// The checksum of a header and the directory after it, its own field as zero.
std::uint64_t SealOf(const std::uint8_t* headerAndDirectory, std::size_t bytes) {
    std::uint8_t header[kHeaderBytes];
    std::memcpy(header, headerAndDirectory, kHeaderBytes);
    std::memset(header + kSealAt, 0, 8);
    const std::uint64_t directory =
        Checksum(headerAndDirectory + kHeaderBytes, bytes - kHeaderBytes);
    return Checksum(header, kHeaderBytes) ^ (directory * 0x9E3779B97F4A7C15ull);
}

// Where each block of a table starts, from its directory, checking that the
// stored sizes are ones a block of its entries can have and that the blocks
// end where the file does. Returns the reason it does not fit, or empty.
std::string LayBlocks(const std::uint8_t* directory, std::uint64_t entries, std::uint64_t fileBytes,
                      std::vector<std::uint64_t>& checksum, std::vector<std::uint64_t>& offset) {
    const std::uint64_t blocks = BlocksOf(entries);
    checksum.resize(blocks);
    offset.resize(blocks + 1);
    offset[0] = kHeaderBytes + blocks * kDirectoryEntryBytes;
    for (std::uint64_t b = 0; b < blocks; ++b) {
        const std::uint8_t* d = directory + b * kDirectoryEntryBytes;
        const std::uint64_t stored = GetLittle(d + 8, 4);
        if (stored < FewestStoredBytes(EntriesOfBlock(entries, b)) ||
            stored > MostStoredBytes(EntriesOfBlock(entries, b)) || GetLittle(d + 12, 4) != 0)
            return "block " + std::to_string(b) + " has an impossible size";
        checksum[b] = GetLittle(d, 8);
        offset[b + 1] = offset[b] + stored;
    }
    if (fileBytes != offset[blocks])
        return fileBytes < offset[blocks] ? "truncated" : "longer than its blocks";
    return {};
}

// Reads exactly `bytes` at `at`, retrying short reads; false at the end of
// the file or on an error (errno then tells which; 0 at the end).
bool ReadAt(int fd, std::uint8_t* into, std::size_t bytes, std::uint64_t at) {
    while (bytes > 0) {
        const ssize_t got = pread(fd, into, bytes, static_cast<off_t>(at));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = 0;
            return false;
        }
        into += got;
        bytes -= static_cast<std::size_t>(got);
        at += static_cast<std::uint64_t>(got);
    }
    return true;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t bytes) {
    while (bytes > 0) {
        const ssize_t put = ::write(fd, data, bytes);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        data += put;
        bytes -= static_cast<std::size_t>(put);
    }
    return true;
}

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

std::string TableFileName(int mover, int other) {
    return "quarn-" + std::to_string(mover) + "-" + std::to_string(other) + ".egt";
}

std::string TablePath(const std::string& folder, int mover, int other) {
    const std::string name = TableFileName(mover, other);
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::uint64_t Checksum(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = 0xCBF29CE484222325ull ^ size;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        h = (h ^ word) * kMultiplier;
        h ^= h >> 29;
    }
    for (; i < size; ++i) h = (h ^ data[i]) * kMultiplier;
    return h ^ (h >> 32);
}

std::unique_ptr<TableFile> TableFile::Open(const std::string& path, int mover, int other,
                                           std::uint64_t entries, std::string& why) {
    // Without blocking: a pipe under a table's name must not hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = SystemError("cannot open");
        return nullptr;
    }
    std::unique_ptr<TableFile> table(new TableFile);
    table->fd_ = fd;
    table->path_ = path;
    table->entries_ = entries;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "not a regular file";
        return nullptr;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    std::vector<std::uint8_t> head(kHeaderBytes);
    std::uint8_t expected[kHeaderBytes];
    MakeHeader(expected, mover, other, entries);
    const std::uint64_t directoryEnd = kHeaderBytes + BlocksOf(entries) * kDirectoryEntryBytes;
    if (size < kHeaderBytes || !ReadAt(fd, head.data(), kHeaderBytes, 0)) {
        why = "truncated: too short for a header";
    } else if (std::memcmp(head.data(), kMagic, sizeof kMagic) != 0) {
        why = "not a Quarn endgame table";
    } else if (GetLittle(&head[8], 4) < kFormatVersion) {
        why = "made by an older Quarn (format version " + std::to_string(GetLittle(&head[8], 4)) +
              "); build the tables again with `quarn-engine tables build`";
    } else if (GetLittle(&head[8], 4) != kFormatVersion) {
        why = "format version " + std::to_string(GetLittle(&head[8], 4)) + ", not " +
              std::to_string(kFormatVersion);
    } else if (head[12] != mover || head[13] != other) {
        why = "holds material " + std::to_string(head[12]) + "-" + std::to_string(head[13]);
    } else if (std::memcmp(&head[14], expected + 14, kSealAt - 14) != 0 ||
               std::memcmp(&head[kSealAt + 8], expected + kSealAt + 8,
                           kHeaderBytes - kSealAt - 8) != 0) {
        why = "header does not fit the material";
    } else if (size < directoryEnd) {
        why = "truncated";
    } else {
        head.resize(directoryEnd);
        if (!ReadAt(fd, head.data() + kHeaderBytes, directoryEnd - kHeaderBytes, kHeaderBytes)) {
            why = "truncated";
        } else if (SealOf(head.data(), head.size()) != GetLittle(&head[kSealAt], 8)) {
            why = "checksum mismatch: the file is corrupt";
        } else {
            why = LayBlocks(head.data() + kHeaderBytes, entries, size, table->checksum_,
                            table->offset_);
            if (why.empty()) return table;
        }
    }
    return nullptr;
}

TableFile::~TableFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t TableFile::blockEntries(std::uint32_t b) const {
    return EntriesOfBlock(entries_, b);
}

std::uint64_t TableFile::readChecked(std::uint32_t b, std::uint8_t* stored,
                                     std::string& why) const {
    const std::uint64_t bytes = offset_[b + 1] - offset_[b];
    if (!ReadAt(fd_, stored, bytes, offset_[b])) {
        why = errno == 0 ? "cut short since it was opened" : SystemError("cannot read");
        return 0;
    }
    if (Checksum(stored, bytes) != checksum_[b]) {
        why = "block " + std::to_string(b) +
              " does not match its checksum: the file is corrupt "
              "or was changed";
        return 0;
    }
    return bytes;
}

namespace {

// Whether block b's stored form read as one: the reason in why when not.
bool Decoded(std::uint32_t b, bool decoded, std::string& why) {
    if (!decoded) why = "block " + std::to_string(b) + " cannot be decoded";
    return decoded;
}

} // namespace

bool TableFile::readBlock(std::uint32_t b, std::uint8_t* entries, std::uint8_t* scratch,
                          std::string& why) const {
    const std::uint64_t bytes = readChecked(b, scratch, why);
    return bytes > 0 && Decoded(b, DecodeBlock(scratch, bytes, blockEntries(b), entries), why);
}

bool TableFile::readStored(std::uint32_t b, std::uint8_t* stored, std::uint32_t* ranks,
                           std::string& why) const {
    const std::uint64_t bytes = readChecked(b, stored, why);
    return bytes > 0 && Decoded(b, RankBlock(stored, bytes, blockEntries(b), ranks), why);
}

FileIdentity IdentityOf(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return {};
    const auto nanoseconds = [](const timespec& t) {
        return std::int64_t{t.tv_sec} * 1000000000 + t.tv_nsec;
    };
    return {st.st_dev, st.st_ino, static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim),
            nanoseconds(st.st_ctim)};
}

bool ReadTableFile(const std::string& path, int mover, int other, std::uint64_t entries,
                   std::vector<std::uint8_t>& out, std::string& why) {
    const std::unique_ptr<TableFile> table = TableFile::Open(path, mover, other, entries, why);
    if (!table) return false;
    out.resize(entries);
    std::vector<std::uint8_t> scratch(kMaxStoredBytes);
    for (std::uint32_t b = 0; b < table->blocks(); ++b)
        if (!table->readBlock(b, out.data() + std::uint64_t{b} * kBlockEntries, scratch.data(),
                              why))
            return false;
    return true;
}

bool WriteTableFile(const std::string& path, int mover, int other,
                    const std::vector<std::uint8_t>& entries, std::string& error) {
    const std::uint64_t blocks = BlocksOf(entries.size());
    std::vector<std::uint8_t> image(kHeaderBytes + blocks * kDirectoryEntryBytes);
    MakeHeader(image.data(), mover, other, entries.size());
    std::vector<std::uint8_t> stored(kMaxStoredBytes);
    for (std::uint64_t b = 0; b < blocks; ++b) {
        const std::size_t bytes = EncodeBlock(entries.data() + b * kBlockEntries,
                                              EntriesOfBlock(entries.size(), b), stored.data());
        std::uint8_t* d = image.data() + kHeaderBytes + b * kDirectoryEntryBytes;
        PutLittle(d, Checksum(stored.data(), bytes), 8);
        PutLittle(d + 8, bytes, 4);
        image.insert(image.end(), stored.begin(), stored.begin() + bytes);
    }
    const std::size_t directoryEnd = kHeaderBytes + blocks * kDirectoryEntryBytes;
    PutLittle(image.data() + kSealAt, SealOf(image.data(), directoryEnd), 8);

    return WriteFileAtomically(path, image, error);
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& image,
                         std::string& error) {
    // A name of this process's own, so that builds running side by side never
    // write into or rename away each other's file.
    std::string temporary = path + ".part.XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = SystemError("cannot write " + path + ".part");
        return false;
    }
    bool ok = fchmod(fd, 0644) == 0 && WriteAll(fd, image.data(), image.size()) && fsync(fd) == 0;
    if (!ok) error = SystemError("cannot write " + temporary);
    if (::close(fd) != 0 && ok) {
        error = SystemError("cannot write " + temporary);
        ok = false;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = SystemError("cannot rename " + temporary + " to " + path);
        ok = false;
    }
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

bool ResealTableImage(std::vector<std::uint8_t>& image) {
    if (image.size() < kHeaderBytes) return false;
    const std::uint64_t entries = GetLittle(&image[16], 8);
    const std::uint64_t blocks = BlocksOf(entries);
    if (entries == 0 || blocks > image.size() / kDirectoryEntryBytes ||
        image.size() < kHeaderBytes + blocks * kDirectoryEntryBytes)
        return false;
    std::vector<std::uint64_t> checksum, offset;
    if (!LayBlocks(image.data() + kHeaderBytes, entries, image.size(), checksum, offset).empty())
        return false;
    for (std::uint64_t b = 0; b < blocks; ++b)
        PutLittle(image.data() + kHeaderBytes + b * kDirectoryEntryBytes,
                  Checksum(image.data() + offset[b], offset[b + 1] - offset[b]), 8);
    const std::size_t directoryEnd = kHeaderBytes + blocks * kDirectoryEntryBytes;
    PutLittle(image.data() + kSealAt, SealOf(image.data(), directoryEnd), 8);
    return true;
}

} // namespace endgame
