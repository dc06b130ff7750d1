#include "engine/endgame/placingbook.h"

#include "engine/endgame/tablefile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr char kMagic[8] = {'Q', 'U', 'A', 'R', 'N', 'P', 'B', 'K'};
constexpr std::uint32_t kBookVersion = 1;
constexpr std::size_t kHeaderBytes = 32, kRecordBytes = 16;
// Scores stay within the solver's (-1001, 1001); points within -1 .. 23.
constexpr int kMostScore = 1001;

bool Sound(const BookRecord& r) {
    const auto point = [](int p) { return p >= -1 && p < 24; };
    return r.key >> 63 == 1 && -kMostScore <= r.lower && r.lower <= r.upper &&
           r.upper <= kMostScore && point(r.end) && point(r.take);
}

} // namespace

bool PlacingBook::open(const std::string& path, std::string& why) {
    records_.clear();
    deepest_ = -1;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot be read";
        return false;
    }
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), {}};
    using endgame::GetLittle;
    if (image.size() < kHeaderBytes || std::memcmp(image.data(), kMagic, sizeof kMagic) != 0) {
        why = "not a Quarn placing book";
        return false;
    }
    if (GetLittle(&image[8], 4) != kBookVersion) {
        why = "made by another version of Quarn";
        return false;
    }
    const std::uint64_t count = GetLittle(&image[16], 8);
    if (count != (image.size() - kHeaderBytes) / kRecordBytes ||
        image.size() != kHeaderBytes + count * kRecordBytes ||
        endgame::Checksum(&image[kHeaderBytes], count * kRecordBytes) != GetLittle(&image[24], 8)) {
        why = "truncated or corrupt";
        return false;
    }
    std::vector<BookRecord> records(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint8_t* at = &image[kHeaderBytes + i * kRecordBytes];
        BookRecord& r = records[i];
        r.key = GetLittle(at, 8);
        r.lower = static_cast<std::int16_t>(GetLittle(at + 8, 2));
        r.upper = static_cast<std::int16_t>(GetLittle(at + 10, 2));
        r.end = static_cast<std::int8_t>(at[12]);
        r.take = static_cast<std::int8_t>(at[13]);
        if (!Sound(r) || (i > 0 && records[i - 1].key >= r.key)) {
            why = "record " + std::to_string(i) + " is not sound";
            return false;
        }
    }
    records_ = std::move(records);
    for (const BookRecord& r : records_) deepest_ = std::max(deepest_, PlyOfKey(r.key));
    return true;
}

const BookRecord* PlacingBook::find(std::uint64_t key) const {
    const auto at =
        std::lower_bound(records_.begin(), records_.end(), key,
                         [](const BookRecord& r, std::uint64_t k) { return r.key < k; });
    return at != records_.end() && at->key == key ? &*at : nullptr;
}

bool WritePlacingBook(const std::string& path, const std::vector<BookRecord>& records,
                      std::string& error) {
    using endgame::PutLittle;
    std::vector<std::uint8_t> image(kHeaderBytes + records.size() * kRecordBytes);
    std::memcpy(image.data(), kMagic, sizeof kMagic);
    PutLittle(&image[8], kBookVersion, 4);
    PutLittle(&image[16], records.size(), 8);
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::uint8_t* at = &image[kHeaderBytes + i * kRecordBytes];
        const BookRecord& r = records[i];
        PutLittle(at, r.key, 8);
        PutLittle(at + 8, static_cast<std::uint16_t>(r.lower), 2);
        PutLittle(at + 10, static_cast<std::uint16_t>(r.upper), 2);
        at[12] = static_cast<std::uint8_t>(r.end);
        at[13] = static_cast<std::uint8_t>(r.take);
    }
    PutLittle(&image[24], endgame::Checksum(&image[kHeaderBytes], records.size() * kRecordBytes),
              8);
    return endgame::WriteFileAtomically(path, image, error);
}
