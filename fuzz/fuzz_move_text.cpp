// The engine's move parser Move::Move reads text without checking it; the
// command line lets through only what IsMoveText accepts. For all such text
// the parser must stay inside the text, give points 0..23 and read back what
// Board::MoveToString writes. The input is used twice: as raw text, and
// decoded into a well-formed move text so that every run tests one.
#include "fuzz_check.h"

#include <memory>

namespace {

// A copy of text in a heap block of exactly its length and a terminating
// zero, so that AddressSanitizer sees any read beyond it.
std::unique_ptr<signed char[]> Exact(const std::string& text) {
    auto copy = std::make_unique<signed char[]>(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) copy[i] = static_cast<signed char>(text[i]);
    copy[text.size()] = 0;
    return copy;
}

void CheckRoundTrip(const std::string& text) {
    FUZZ_CHECK(IsMoveText(text));
    const Move m(Exact(text).get());
    FUZZ_CHECK(m.end >= 0 && m.end < 24);
    FUZZ_CHECK(m.start >= -1 && m.start < 24);
    FUZZ_CHECK(m.take >= -1 && m.take < 24);
    FUZZ_CHECK((m.start >= 0) == (text.size() == 4 || text.size() == 7));
    FUZZ_CHECK((m.take >= 0) == (text.size() == 5 || text.size() == 7));
    Board b;
    b.Init();
    signed char written[8];
    b.MoveToString(m, written);
    FUZZ_CHECK(std::string(reinterpret_cast<const char*>(written)) == text);
}

std::string PointName(std::uint8_t byte) {
    const int p = byte % 24;
    return {static_cast<char>('a' + (p >> 3)), static_cast<char>('1' + (p & 7))};
}

// A move text of one of the four shapes, chosen by the first byte, with the
// points taken from the following bytes.
std::string WellFormed(const std::uint8_t* data, std::size_t size) {
    std::uint8_t b[4] = {};
    for (std::size_t i = 0; i < size && i < 4; ++i) b[i] = data[i];
    switch (b[0] % 4) {
    case 0:
        return PointName(b[1]);
    case 1:
        return PointName(b[1]) + PointName(b[2]);
    case 2:
        return PointName(b[1]) + "-" + PointName(b[2]);
    default:
        return PointName(b[1]) + PointName(b[2]) + "-" + PointName(b[3]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 64) return -1;
    const std::string text = TextOf(data, size);
    if (IsMoveText(text)) CheckRoundTrip(text);
    CheckRoundTrip(WellFormed(data, size));
    return 0;
}
