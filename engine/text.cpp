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

// The code point of a valid UTF-8 sequence.
std::uint32_t CodePoint(std::string_view seq) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(seq[i]); };
    if (seq.size() == 1) return byte(0);
    std::uint32_t c = byte(0) & (0x7F >> seq.size());
    for (std::size_t i = 1; i < seq.size(); ++i) c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

// Whether a code point hides itself or changes how the text around it
// reads: separators that break the line, zero-width and direction marks,
// embeddings, overrides and isolates, the byte order mark.
bool IsHiddenFormat(std::uint32_t c) {
    return c == 0x061C || (c >= 0x200B && c <= 0x200F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

struct ShownText {
    std::string text;
    bool cut = false;
};

ShownText Show(std::string_view text, std::size_t maxChars) {
    constexpr char kHex[] = "0123456789abcdef";     // bytes, as \xNN
    constexpr char kCodeHex[] = "0123456789ABCDEF"; // code points, as \u{XXXX}
    ShownText out;
    std::size_t chars = 0;
    while (!text.empty()) {
        if (chars == maxChars) {
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
        } else if (const std::uint32_t c = CodePoint(text.substr(0, n)); IsHiddenFormat(c)) {
            out.text += "\\u{";
            for (int shift = 12; shift >= 0; shift -= 4) out.text += kCodeHex[(c >> shift) & 15];
            out.text += '}';
            text.remove_prefix(n);
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

std::string Shown(std::string_view text) {
    return Show(text, std::string_view::npos).text;
}

std::string Printable(std::string_view text) {
    ShownText s = Show(text, kShownChars);
    return s.cut ? s.text + "..." : s.text;
}

std::string Quoted(std::string_view text) {
    const ShownText s = Show(text, kShownChars);
    return '"' + s.text + (s.cut ? "\"..." : "\"");
}

std::string QuotedPath(std::string_view path) {
    return '"' + Shown(path) + '"';
}

std::size_t FirstNonText(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = SequenceLength(text.substr(at));
        if (n == 0 || (text[at] != '\t' && IsControl(text.substr(at, n)))) return at;
        at += n;
    }
    return std::string_view::npos;
}
