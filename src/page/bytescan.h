// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding the few bytes that matter in long runs of text that does not, for the writers and the reader. Most of
// a page is link and item text that passes unchanged, so the search for a TAB, a quote or a line end decides how
// fast a page is written or read. Where the processor has SSE2 (every x86-64 one) sixteen bytes are compared at a
// time; elsewhere one by one.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace larkspan::scan {

inline constexpr std::size_t npos = std::string_view::npos;
inline constexpr std::size_t kBlock = 16;

#if defined(__SSE2__)
inline __m128i loadBlock(const char* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Bit i set when byte i of the block is one of the bytes.
template <class... Bytes>
unsigned blockMarks(__m128i block, Bytes... bytes)
{
    __m128i hits = _mm_setzero_si128();
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(bytes)))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}
#endif

// The bytes looked for, known when the program is built.
template <char... bytes>
struct AnyOf {
    static bool has(char c) { return ((c == bytes) || ...); }
#if defined(__SSE2__)
    static unsigned marks(__m128i block)
    {
        return blockMarks(block, bytes...);
    }
#endif
};

// One byte looked for, known only when the program runs.
class OneByte {
public:
    // The pattern is made from four copies of the byte: set from the byte alone, GCC moves it through memory in a
    // way that stalls each search for a dozen cycles.
    explicit OneByte(char byte)
        : byte(byte)
#if defined(__SSE2__)
          ,
          pattern(_mm_set1_epi32(static_cast<int>(static_cast<unsigned char>(byte) * 0x01010101u)))
#endif
    {}

    bool has(char c) const
    {
        return c == byte;
    }
#if defined(__SSE2__)
    unsigned marks(__m128i block) const
    {
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, pattern)));
    }
#endif

private:
    char byte;
#if defined(__SSE2__)
    __m128i pattern;
#endif
};

#if defined(__SSE2__)
// The marks of the n bytes at start (n < kBlock), without reading beyond them. The block is put together in
// registers: written to the stack in pieces and loaded whole, it would wait a dozen cycles for the pieces.
template <class Set>
unsigned partialMarks(const Set& set, const char* start, std::size_t n)
{
    const auto load = [](const char* p, auto word) {
        std::memcpy(&word, p, sizeof word);
        return static_cast<std::uint64_t>(word);
    };
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    if (n > 8) {
        low = load(start, std::uint64_t{});
        high = load(start + n - 8, std::uint64_t{}) >> (8 * (16 - n));
    } else if (n >= 4) {
        // The two words overlap; where they do, they hold the same bytes.
        low = load(start, std::uint32_t{}) | load(start + n - 4, std::uint32_t{}) << (8 * (n - 4));
    } else {
        for (std::size_t k = 0; k < n; ++k)
            low |= std::uint64_t{static_cast<unsigned char>(start[k])} << (8 * k);
    }
    return set.marks(_mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low))) & ((1u << n) - 1);
}
#endif

// Calls visit(i) for each position i at or after from (from <= text.size()) where a byte of the set stands, in
// order, while it returns true. Never reads outside text. Always inlined, like findFirst: a search is mostly over
// within a block or two, and a call would cost as much.
template <class Set, class Visit>
[[gnu::always_inline]] inline void visitEach(std::string_view text, std::size_t from, const Set& set, Visit visit)
{
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
#if defined(__SSE2__)
    const auto visitMarks = [&](std::size_t base, unsigned found) {
        for (; found != 0; found &= found - 1)
            if (!visit(base + static_cast<std::size_t>(std::countr_zero(found))))
                return false;
        return true;
    };
    for (; size - i >= kBlock; i += kBlock)
        if (!visitMarks(i, set.marks(loadBlock(data + i))))
            return;
    const std::size_t rest = size - i;
    if (rest == 0)
        return;
    // The last block overlaps the one before, whose bytes are shifted out.
    visitMarks(i,
               size >= kBlock ? set.marks(loadBlock(data + size - kBlock)) >> (kBlock - rest)
                              : partialMarks(set, data + i, rest));
#else
    for (; i < size; ++i)
        if (set.has(data[i]) && !visit(i))
            return;
#endif
}

// The first position at or after from where a byte of the set stands, npos when there is none.
template <class Set>
[[gnu::always_inline]] inline std::size_t findFirst(std::string_view text, std::size_t from, const Set& set)
{
    std::size_t found = npos;
    visitEach(text, from, set, [&](std::size_t i) {
        found = i;
        return false;
    });
    return found;
}

// Calls visit(i) for each position i before end (end <= text.size()) where a byte of the set stands, from the last
// down, while it returns true. Never reads outside text.
template <class Set, class Visit>
void visitEachBackward(std::string_view text, std::size_t end, const Set& set, Visit visit)
{
    const char* const data = text.data();
    std::size_t i = end;
#if defined(__SSE2__)
    const auto visitMarks = [&](std::size_t base, unsigned found) {
        while (found != 0) {
            const int last = std::bit_width(found) - 1;
            if (!visit(base + static_cast<std::size_t>(last)))
                return false;
            found &= ~(1u << last);
        }
        return true;
    };
    for (; i >= kBlock; i -= kBlock)
        if (!visitMarks(i - kBlock, set.marks(loadBlock(data + i - kBlock))))
            return;
    if (i == 0)
        return;
    // The first block, of which only the bytes before i count.
    visitMarks(0, text.size() >= kBlock ? set.marks(loadBlock(data)) & ((1u << i) - 1) : partialMarks(set, data, i));
#else
    while (i > 0)
        if (set.has(data[--i]) && !visit(i))
            return;
#endif
}

// The last position before end where a byte of the set stands, npos when there is none.
template <class Set>
std::size_t findLast(std::string_view text, std::size_t end, const Set& set)
{
    std::size_t found = npos;
    visitEachBackward(text, end, set, [&](std::size_t i) {
        found = i;
        return false;
    });
    return found;
}

// Whether the n bytes at a and b are the same. Most texts compared are a few dozen bytes long, about what a call
// into the library's memcmp costs; they are compared as words, the last word overlapping the one before.
inline bool sameBytes(const char* a, const char* b, std::size_t n)
{
    const auto word = [](const char* p) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        return w;
    };
    if (n > 64)
        return std::memcmp(a, b, n) == 0;
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8)
            if (word(a + i) != word(b + i))
                return false;
        return word(a + n - 8) == word(b + n - 8);
    }
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace larkspan::scan
