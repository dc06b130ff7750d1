#include "text.h"

#include <limits>

namespace {

// Length of the valid UTF-8 sequence at the start of s, 0 when s does not
// start with one (stray continuation bytes, overlong forms, surrogates,
// code points above U+10FFFF, sequences cut short).
std::size_t SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t n;
    std::uint8_t low = 0x80, high = 0xBF; // range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    else
        return 0;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (s.size() < n || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return n;
}

// Whether the sequence is a control character: C0, DEL or C1 (U+0080..U+009F).
bool IsControl(std::string_view seq) {
    const auto lead = static_cast<std::uint8_t>(seq[0]);
    return lead < 0x20 || lead == 0x7F ||
           (lead == 0xC2 && static_cast<std::uint8_t>(seq[1]) < 0xA0);
}

struct Shown {
    std::string text;
    bool cut = false;
};

Shown Show(std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    Shown out;
    std::size_t chars = 0;
    while (!text.empty()) {
        if (chars == kShownChars) {
            out.cut = true;
            break;
        }
        const std::size_t n = SequenceLength(text);
        if (n == 0 || IsControl(text.substr(0, n))) {
            for (std::size_t i = 0; i < (n == 0 ? 1 : n); ++i) {
                const auto b = static_cast<std::uint8_t>(text[i]);
                out.text += {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
            }
            text.remove_prefix(n == 0 ? 1 : n);
        } else {
            out.text += text.substr(0, n);
            text.remove_prefix(n);
        }
        ++chars;
    }
    return out;
}

} // namespace

std::optional<std::uint64_t> WholeNumber(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        value = value > (kLargest - digit) / 10 ? kLargest : value * 10 + digit;
    }
    return value;
}

std::string Printable(std::string_view text) {
    Shown s = Show(text);
    return s.cut ? s.text + "..." : s.text;
}

std::string Quoted(std::string_view text) {
    const Shown s = Show(text);
    return '"' + s.text + (s.cut ? "\"..." : "\"");
}

std::size_t FirstNonText(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = SequenceLength(text.substr(at));
        if (n == 0 || (text[at] != '\t' && IsControl(text.substr(at, n)))) return at;
        at += n;
    }
    return std::string_view::npos;
}
