#include "page/asciitext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

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

} // namespace

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
