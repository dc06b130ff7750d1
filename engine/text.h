// Text from outside (typed arguments, lines of a file): whole numbers read
// from it, and the text made fit to be shown inside a one-line message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value of a whole number in plain decimal digits (leading zeros
// allowed), or nullopt for anything else. Values too large for 64 bits come
// back as the largest one, which every caller refuses as out of range.
std::optional<std::uint64_t> WholeNumber(std::string_view text);

// How many characters of a typed word a message shows at most.
inline constexpr std::size_t kShownChars = 40;

// text made safe to show inside a one-line message, whole: valid UTF-8 kept
// as it is, except what would hide or reorder the text around it. Control
// characters (C0, DEL, C1) and bytes outside UTF-8 are written as \xNN;
// line and paragraph separators (U+2028, U+2029), the invisible and
// direction-changing format characters (U+061C, U+200B..U+200F,
// U+202A..U+202E, U+2060..U+2064, U+2066..U+2069) and the byte order mark
// (U+FEFF) as \u{XXXX}. The result is valid UTF-8 without line breaks, and
// what it shows reads left to right as it stands. For file paths and
// anything else that must be shown in full.
std::string Shown(std::string_view text);

// Shown(text) cut to its first kShownChars characters (with "..." after
// the cut): for words of typed input, which may be of any length.
std::string Printable(std::string_view text);

// Printable(text) in double quotes, the cut mark after the closing quote.
std::string Quoted(std::string_view text);

// Shown(path) in double quotes: a file's path, never cut.
std::string QuotedPath(std::string_view path);

// Offset of the first byte of text that is not text: a control character
// other than tab (NUL included), or a byte outside valid UTF-8. npos if none.
std::size_t FirstNonText(std::string_view text);
