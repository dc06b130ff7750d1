#include "engine/endgame/tablefile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace endgame {

namespace {

constexpr char kMagic[8] = {'Q', 'U', 'A', 'R', 'N', 'E', 'G', 'T'};

void PutLittle(std::uint8_t* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittle(const std::uint8_t* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t{at[i]} << (8 * i);
    return value;
}

void MakeHeader(std::uint8_t* h, int mover, int other, std::uint64_t entries,
                std::uint64_t checksum) {
    std::memset(h, 0, kHeaderBytes);
    std::memcpy(h, kMagic, sizeof kMagic);
    PutLittle(h + 8, kFormatVersion, 4);
    h[12] = static_cast<std::uint8_t>(mover);
    h[13] = static_cast<std::uint8_t>(other);
    PutLittle(h + 16, entries, 8);
    PutLittle(h + 24, checksum, 8);
}

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

std::string TableFileName(int mover, int other) {
    return "quarn-" + std::to_string(mover) + "-" + std::to_string(other) + ".egt";
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = SystemError("cannot open");
        return nullptr;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "not a regular file";
        ::close(fd);
        return nullptr;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size < kHeaderBytes) {
        why = "truncated: too short for a header";
        ::close(fd);
        return nullptr;
    }
    void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) {
        why = SystemError("cannot map");
        return nullptr;
    }
    std::unique_ptr<TableFile> table(new TableFile);
    table->map_ = map;
    table->mapBytes_ = size;
    const auto* h = static_cast<const std::uint8_t*>(map);
    std::uint8_t expected[kHeaderBytes];
    MakeHeader(expected, mover, other, entries, 0);
    if (std::memcmp(h, kMagic, sizeof kMagic) != 0) {
        why = "not a Quarn endgame table";
    } else if (GetLittle(h + 8, 4) != kFormatVersion) {
        why = "format version " + std::to_string(GetLittle(h + 8, 4)) + ", not " +
              std::to_string(kFormatVersion);
    } else if (h[12] != mover || h[13] != other) {
        why = "holds material " + std::to_string(h[12]) + "-" + std::to_string(h[13]);
    } else if (std::memcmp(h + 14, expected + 14, 2) != 0 ||
               std::memcmp(h + 32, expected + 32, kHeaderBytes - 32) != 0 ||
               GetLittle(h + 16, 8) != entries) {
        why = "header does not fit the material";
    } else if (size != kHeaderBytes + entries) {
        why = size < kHeaderBytes + entries ? "truncated" : "longer than its entries";
    } else if (Checksum(h + kHeaderBytes, entries) != GetLittle(h + 24, 8)) {
        why = "checksum mismatch: the file is corrupt";
    } else {
        table->data_ = h + kHeaderBytes;
        madvise(map, size, MADV_RANDOM);
        return table;
    }
    return nullptr;
}

TableFile::~TableFile() {
    if (map_) munmap(map_, mapBytes_);
}

bool WriteTableFile(const std::string& path, int mover, int other,
                    const std::vector<std::uint8_t>& entries, std::string& error) {
    std::uint8_t header[kHeaderBytes];
    MakeHeader(header, mover, other, entries.size(), Checksum(entries.data(), entries.size()));
    const std::string temporary = path + ".part";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) {
        error = SystemError("cannot write " + temporary);
        return false;
    }
    bool ok = std::fwrite(header, 1, kHeaderBytes, f) == kHeaderBytes &&
              std::fwrite(entries.data(), 1, entries.size(), f) == entries.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        error = SystemError("cannot write " + temporary);
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = SystemError("cannot rename " + temporary + " to " + path);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace endgame
