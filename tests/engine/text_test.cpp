// Text from outside shown in a message: on one line, every character
// visible in its place, typed words cut, file paths whole.
#include "engine/text.h"

#include <gtest/gtest.h>

namespace {

TEST(ShownText, ControlsBrokenBytesAndHiddenCharactersAreWrittenOut) {
    EXPECT_EQ("caf\xc3\xa9 \\x0a\\x7f\\xc2\\x85\\xff", Shown("caf\xc3\xa9 \n\x7f\xc2\x85\xff"));
    // Right-to-left override, line separator, zero-width space, isolate, BOM.
    EXPECT_EQ("a\\u{202E}b\\u{2028}c\\u{200B}\\u{2066}\\u{FEFF}",
              Shown("a\xe2\x80\xae"
                    "b\xe2\x80\xa8"
                    "c\xe2\x80\x8b\xe2\x81\xa6\xef\xbb\xbf"));
    EXPECT_EQ("\xe2\x80\x94 \xd7\x90", Shown("\xe2\x80\x94 \xd7\x90")); // a dash, a Hebrew letter
    EXPECT_EQ(1u, FirstNonText("a\x01"));
    EXPECT_EQ(std::string::npos, FirstNonText("a\tb \xe2\x80\xae"));
}

TEST(ShownText, TypedWordsAreCutAndPathsAreNot) {
    const std::string path = "/home/user/" + std::string(60, 'd') + "/game.quarn";
    EXPECT_EQ('"' + path + '"', QuotedPath(path));
    EXPECT_EQ('"' + path.substr(0, kShownChars) + "\"...", Quoted(path));
    EXPECT_EQ(path.substr(0, kShownChars) + "...", Printable(path));
    EXPECT_EQ("\"\\u{202E}x\"", Quoted("\xe2\x80\xaex"));
}

TEST(WholeNumbers, OnlyPlainDigitsAndHugeOnesSaturate) {
    EXPECT_EQ(7u, WholeNumber("007"));
    for (const char* text : {"", "+1", "-1", " 1", "1.0", "0x1"}) EXPECT_FALSE(WholeNumber(text));
    EXPECT_EQ(UINT64_MAX, WholeNumber("99999999999999999999999999"));
}

} // namespace
