// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes through the page-file encoding: the result is ASCII, and reading its character references gives back
// the text, with U+FFFD for each byte that is not part of well-formed UTF-8.
#include "check.h"
#include "wellformedutf8.h"

#include "page/asciitext.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr char32_t Replacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp)
{
    const auto put = [&](unsigned value) { out += static_cast<char>(value); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6)), put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12)), put(0x80 | ((cp >> 6) & 0x3F)), put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18)), put(0x80 | ((cp >> 12) & 0x3F)), put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

// Calls take(code point) for each character, take(Replacement) for each byte outside well-formed UTF-8.
template <class Take>
void forEachCharacter(std::string_view bytes, Take take)
{
    while (!bytes.empty()) {
        const fuzzutf8::Sequence s = fuzzutf8::wellFormedAt(bytes);
        take(s.length == 0 ? Replacement : s.codePoint);
        bytes.remove_prefix(s.length == 0 ? 1 : s.length);
    }
}

std::string withInvalidReplaced(std::string_view bytes)
{
    std::string text;
    forEachCharacter(bytes, [&](char32_t cp) { appendUtf8(text, cp); });
    return text;
}

// Every decimal reference "&#digits;" of a code point read as that character in UTF-8. Text that was already
// written as a reference reads the same way on both sides of a comparison.
std::string readReferences(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + 2;
        char32_t cp = 0;
        while (end < text.size() && end - i < 10 && text[end] >= '0' && text[end] <= '9')
            cp = cp * 10 + char32_t(text[end++] - '0');
        const bool reference = text.substr(i, 2) == "&#" && end > i + 2 && end < text.size() && text[end] == ';'
            && cp <= 0x10FFFF;
        if (reference) {
            appendUtf8(out, cp);
            i = end + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// ASCII as it is, every other character as one reference.
std::string expectedEncoding(std::string_view bytes)
{
    std::string out;
    forEachCharacter(bytes, [&](char32_t cp) {
        if (cp < 0x80)
            out += static_cast<char>(cp);
        else
            out += "&#" + std::to_string(cp) + ";";
    });
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    const std::string ascii = larkspan::EncodeAsAscii(document);

    for (const char c : ascii)
        FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    FUZZ_CHECK(readReferences(ascii) == readReferences(withInvalidReplaced(document)));
    FUZZ_CHECK(ascii == expectedEncoding(document));
    return 0;
}
