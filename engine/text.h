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

// How many characters of a text a message shows at most.
inline constexpr std::size_t kShownChars = 40;

// text cut to its first kShownChars characters (with "..." after the cut),
// valid UTF-8 kept as it is, and every other byte, as well as control
// characters, written as \xNN. The result is valid UTF-8 without line breaks.
std::string Printable(std::string_view text);

// Printable(text) in double quotes, the cut mark after the closing quote.
std::string Quoted(std::string_view text);

// Offset of the first byte of text that is not text: a control character
// other than tab (NUL included), or a byte outside valid UTF-8. npos if none.
std::size_t FirstNonText(std::string_view text);
