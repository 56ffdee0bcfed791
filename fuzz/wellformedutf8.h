// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// The targets' own reading of UTF-8, written from the table of well-formed byte sequences rather than by decoding
// and checking the result, so that it does not share the mistakes of the code under test.
namespace fuzzutf8 {

struct Sequence {
    char32_t codePoint;
    std::size_t length; // 0: no well-formed sequence starts here
};

inline Sequence wellFormedAt(std::string_view bytes)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto within = [&](std::size_t i, unsigned low, unsigned high) {
        return i < bytes.size() && at(i) >= low && at(i) <= high;
    };
    if (bytes.empty())
        return {0, 0};
    const unsigned b0 = at(0);
    if (b0 <= 0x7F)
        return {b0, 1};
    // Lead byte, the range of the second byte, the number of bytes.
    unsigned secondLow = 0x80, secondHigh = 0xBF;
    std::size_t length = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 == 0xE0) {
        length = 3, secondLow = 0xA0;
    } else if ((b0 >= 0xE1 && b0 <= 0xEC) || b0 == 0xEE || b0 == 0xEF) {
        length = 3;
    } else if (b0 == 0xED) {
        length = 3, secondHigh = 0x9F;
    } else if (b0 == 0xF0) {
        length = 4, secondLow = 0x90;
    } else if (b0 >= 0xF1 && b0 <= 0xF3) {
        length = 4;
    } else if (b0 == 0xF4) {
        length = 4, secondHigh = 0x8F;
    } else {
        return {0, 0};
    }
    if (!within(1, secondLow, secondHigh))
        return {0, 0};
    for (std::size_t i = 2; i < length; ++i) {
        if (!within(i, 0x80, 0xBF))
            return {0, 0};
    }
    const unsigned leadBits = length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07;
    char32_t cp = b0 & leadBits;
    for (std::size_t i = 1; i < length; ++i)
        cp = cp * 64 + (at(i) & 0x3F);
    return {cp, length};
}

inline bool isWellFormed(std::string_view bytes)
{
    while (!bytes.empty()) {
        const Sequence s = wellFormedAt(bytes);
        if (s.length == 0)
            return false;
        bytes.remove_prefix(s.length);
    }
    return true;
}

} // namespace fuzzutf8
