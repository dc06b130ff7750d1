// Endgame table files as found on disk, damaged in any way. A file is either
// refused at open with a one-line reason, or opens and then gives each block
// only when the block matches its checksum and decodes; reading it whole
// succeeds exactly when every block does, with the same entries. Each input
// is tried a second time with its checksums made right, so that the checks
// behind them are reached too.
#include "fuzz_check.h"

#include "engine/endgame/blockcodec.h"
#include "engine/endgame/indexing.h"
#include "engine/endgame/tablefile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

namespace {

endgame::Indexing indexing;
int fileFd = -1;

// The material the file's header names where it is small enough to read
// whole within the fuzzer's memory (8 pieces at most), else 3-3.
std::pair<int, int> MaterialOf(const std::vector<std::uint8_t>& image) {
    if (image.size() < 14) return {3, 3};
    const int mover = image[12], other = image[13];
    if (mover < 3 || other < 3 || mover + other > 8) return {3, 3};
    return {mover, other};
}

void CheckFile(const std::vector<std::uint8_t>& image) {
    FUZZ_CHECK(ftruncate(fileFd, 0) == 0);
    FUZZ_CHECK(pwrite(fileFd, image.data(), image.size(), 0) == static_cast<ssize_t>(image.size()));
    const std::string path = "/proc/self/fd/" + std::to_string(fileFd);
    const auto [mover, other] = MaterialOf(image);
    const std::uint64_t entries = indexing.entries(mover, other);

    std::string why;
    std::vector<std::uint8_t> whole;
    const bool readWhole = endgame::ReadTableFile(path, mover, other, entries, whole, why);
    const auto table = endgame::TableFile::Open(path, mover, other, entries, why);
    if (!table) {
        FUZZ_CHECK(!readWhole);
        CheckMessage(why);
        return;
    }
    FUZZ_CHECK(table->entries() == entries);
    std::vector<std::uint8_t> block(endgame::kBlockEntries), scratch(endgame::kMaxStoredBytes);
    bool every = true;
    for (std::uint32_t b = 0; b < table->blocks(); ++b) {
        if (!table->readBlock(b, block.data(), scratch.data(), why)) {
            CheckMessage(why);
            every = false;
        } else if (readWhole) {
            FUZZ_CHECK(std::memcmp(block.data(),
                                   whole.data() + std::uint64_t{b} * endgame::kBlockEntries,
                                   table->blockEntries(b)) == 0);
        }
    }
    FUZZ_CHECK(every == readWhole);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (int pieces = 3; pieces <= 5; ++pieces) indexing.prepare(pieces);
    fileFd = memfd_create("table", MFD_CLOEXEC);
    return fileFd >= 0 ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> image(data, data + size);
    CheckFile(image);
    if (endgame::ResealTableImage(image)) CheckFile(image);
    return 0;
}
