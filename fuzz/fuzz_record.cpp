// Game records as read from a file. A record that reads must write back to
// text that reads again to the same record, its moves must replay from the
// initial position, and a refused record must leave the output untouched
// and describe its fault on one line.
#include "fuzz_check.h"

#include "engine/levels.h"
#include "engine/record.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitMillTab();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = TextOf(data, size);
    GameRecord record;
    record.level = kLevels; // no record reads to this, so an untouched output shows
    RecordError error;
    if (!ReadGameRecord(text, record, error)) {
        FUZZ_CHECK(record.level == kLevels && record.moves.empty());
        const std::string message = Describe(error);
        FUZZ_CHECK(!message.empty());
        for (char c : message) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
        return 0;
    }
    FUZZ_CHECK(record.level == -1 || ValidLevel(record.level));
    FUZZ_CHECK(record.takenBack >= 0 && record.takenBack <= static_cast<int>(record.moves.size()));
    CheckConsistent(CurrentPosition(record));

    // A record the reader takes is one the writer writes.
    const std::optional<std::string> written = WriteGameRecord(record);
    FUZZ_CHECK(written && !written->empty() && written->back() == '\n');
    GameRecord again;
    FUZZ_CHECK(ReadGameRecord(*written, again, error));
    if (record.played.size() > kMaxDateBytes) { // the writer cuts a long date
        FUZZ_CHECK(again.played.size() <= kMaxDateBytes && record.played.starts_with(again.played));
        again.played = record.played;
    }
    FUZZ_CHECK(again == record);
    return 0;
}
