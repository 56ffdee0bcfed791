// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/asciitext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace larkspan {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

// The code point of the UTF-8 sequence at the start of bytes and its length; the replacement character and length 1
// when the bytes there are not well-formed UTF-8.
std::pair<char32_t, std::size_t> decodeOne(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {ReplacementCharacter, 1};
    }
    if (bytes.size() < length)
        return {ReplacementCharacter, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {ReplacementCharacter, 1};
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {ReplacementCharacter, 1};
    return {cp, length};
}

std::size_t asciiPrefixLength(std::string_view bytes)
{
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    std::size_t i = 0;
    // A block of 64 bytes at a time while all are ASCII, as nearly all of a page is, then word by word up to the
    // first byte that is not.
#if defined(__SSE2__)
    for (; i + 64 <= bytes.size(); i += 64) {
        const auto load = [&](std::size_t at) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
        };
        const __m128i any = _mm_or_si128(_mm_or_si128(load(i), load(i + 16)), _mm_or_si128(load(i + 32), load(i + 48)));
        if (_mm_movemask_epi8(any) != 0)
            break;
    }
#endif
    for (std::uint64_t word; i + sizeof word <= bytes.size(); i += sizeof word) {
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & HighBits)
            break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

// "&#" digits ";" into out, which has room for the longest, "&#1114111;".
std::size_t writeReference(char* out, char32_t cp)
{
    char digits[8];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + cp % 10);
        cp /= 10;
    } while (cp != 0);
    std::size_t n = 0;
    out[n++] = '&';
    out[n++] = '#';
    while (count > 0)
        out[n++] = digits[--count];
    out[n++] = ';';
    return n;
}

// Windows-1252's bytes 0x80 to 0x9F; the rest of its upper half is Latin-1.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The character of a reference at the start of text as EncodeAsAscii spells it, and the reference's length; length 0
// when there is none: another spelling, a character EncodeAsAscii leaves as it is, a surrogate or no character.
std::pair<char32_t, std::size_t> encoderReference(std::string_view text)
{
    constexpr std::size_t LongestDigits = 7;
    if (text.size() < 4 || text[0] != '&' || text[1] != '#' || text[2] < '1' || text[2] > '9')
        return {0, 0};
    char32_t cp = 0;
    std::size_t i = 2;
    for (; i < text.size() && i - 2 < LongestDigits && text[i] >= '0' && text[i] <= '9'; ++i)
        cp = cp * 10 + static_cast<char32_t>(text[i] - '0');
    if (i >= text.size() || text[i] != ';' || cp < 0x80 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {0, 0};
    return {cp, i + 1};
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string_view AsAscii(std::string_view utf8, std::string& encoded)
{
    if (asciiPrefixLength(utf8) == utf8.size())
        return utf8;
    encoded = EncodeAsAscii(utf8);
    return encoded;
}

bool IsWellFormedUtf8(std::string_view bytes)
{
    for (std::size_t i = asciiPrefixLength(bytes); i < bytes.size(); i += asciiPrefixLength(bytes.substr(i))) {
        const auto [cp, length] = decodeOne(bytes.substr(i));
        if (cp == ReplacementCharacter && length == 1)
            return false;
        i += length;
    }
    return true;
}

namespace {

// Whether the first line end, which ends a line of the program's own, is a lone LF or a lone CR: the file went
// through a program that changed its line ends (a transfer in text mode, a version control checkout, an editor).
bool hasOtherLineEnds(std::string_view bytes)
{
    const std::size_t end = bytes.find_first_of("\r\n");
    return end != std::string_view::npos && (bytes[end] == '\n' || end + 1 == bytes.size() || bytes[end + 1] != '\n');
}

// Every LF and every CR as CR LF, and CR LF as it is.
std::string withCrLf(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string DecodePageFile(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    std::string crLf;
    if (hasOtherLineEnds(bytes)) {
        crLf = withCrLf(bytes);
        bytes = crLf;
    }
    // A page saved again by an editor that writes UTF-8 keeps its characters; anything else is the code page.
    const bool utf8 = IsWellFormedUtf8(bytes);
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t next = std::min(bytes.find('&', i), bytes.size());
        if (utf8) {
            out.append(bytes.substr(i, next - i));
            i = next;
        }
        // Up to the next reference, ASCII in runs and the ANSI code page's bytes one by one.
        while (i < next) {
            const std::size_t ascii = asciiPrefixLength(bytes.substr(i, next - i));
            out.append(bytes.substr(i, ascii));
            i += ascii;
            if (i == next)
                break;
            const auto byte = static_cast<unsigned char>(bytes[i++]);
            appendUtf8(out, byte < 0xA0 ? kWindows1252High[byte - 0x80] : char32_t{byte});
        }
        if (i == bytes.size())
            break;
        const auto [cp, length] = encoderReference(bytes.substr(i));
        if (length == 0) {
            out += '&';
            ++i;
        } else {
            appendUtf8(out, cp);
            i += length;
        }
    }
    return out;
}

std::size_t Utf8SequenceLength(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    if (static_cast<unsigned char>(bytes[0]) < 0x80)
        return 1;
    // A sequence that is not well-formed decodes as the replacement character of length 1.
    const std::size_t length = decodeOne(bytes).second;
    return length > 1 ? length : 0;
}

std::string EncodeAsAscii(std::string_view utf8)
{
    constexpr std::size_t LongestReference = 10;
    std::string out;
    out.resize(utf8.size());
    std::size_t produced = 0;
    // Room for one piece; a reference is never longer than LongestReference bytes.
    const auto makeRoom = [&](std::size_t needed) {
        if (out.size() - produced < needed)
            out.resize(std::max(out.size() * 2, produced + needed));
    };

    std::string_view rest = utf8;
    while (!rest.empty()) {
        // Most of any page is ASCII, copied in runs.
        const std::size_t ascii = asciiPrefixLength(rest);
        makeRoom(ascii);
        std::memcpy(out.data() + produced, rest.data(), ascii);
        produced += ascii;
        rest.remove_prefix(ascii);
        if (rest.empty())
            break;
        const auto [cp, length] = decodeOne(rest);
        makeRoom(LongestReference);
        produced += writeReference(out.data() + produced, cp);
        rest.remove_prefix(length);
    }
    out.resize(produced);
    return out;
}

} // namespace larkspan
