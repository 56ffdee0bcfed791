#pragma once

// Finding the few bytes that matter in long runs of text that does not, for the writers and the reader. Most of
// a page is link and item text that passes unchanged, so the search for a TAB, a quote or a line end decides how
// fast a page is written or read. Where the processor has SSE2 (every x86-64 one) sixteen bytes are compared at a
// time; elsewhere one by one.

#include <bit>
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace larkspan::scan {

inline constexpr std::size_t npos = std::string_view::npos;

#if defined(__SSE2__)
inline constexpr std::size_t kBlock = 16;

// Bit i set when p[i] is one of the bytes, for the sixteen bytes at p.
template <char... bytes>
unsigned marks(const char* p)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hits = _mm_setzero_si128();
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(bytes)))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}

// The marks of the last rest bytes of text (0 < rest < kBlock), without reading outside it.
template <char... bytes>
unsigned tailMarks(const char* data, std::size_t size, std::size_t rest)
{
    if (size >= kBlock)
        return marks<bytes...>(data + size - kBlock) >> (kBlock - rest);
    // A short text is copied into a block of NULs, which are never looked for.
    char padded[kBlock] = {};
    const char* const start = data + size - rest;
    if (rest >= 8) {
        std::memcpy(padded, start, 8);
        std::memcpy(padded + rest - 8, data + size - 8, 8);
    } else if (rest >= 4) {
        std::memcpy(padded, start, 4);
        std::memcpy(padded + rest - 4, data + size - 4, 4);
    } else {
        for (std::size_t k = 0; k < rest; ++k)
            padded[k] = start[k];
    }
    return marks<bytes...>(padded);
}
#endif

// Calls visit(i) for each position i at or after from (from <= text.size()) where one of the bytes stands, in
// order, while it returns true. Never reads outside text.
template <char... bytes, class Visit>
void visitEach(std::string_view text, std::size_t from, Visit visit)
{
    static_assert(((bytes != '\0') && ...), "NUL pads short texts");
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
        if (!visitMarks(i, marks<bytes...>(data + i)))
            return;
    if (i < size)
        visitMarks(i, tailMarks<bytes...>(data, size, size - i));
#else
    for (; i < size; ++i)
        if (((data[i] == bytes) || ...) && !visit(i))
            return;
#endif
}

// The first position at or after from where one of the bytes stands, npos when there is none.
template <char... bytes>
std::size_t findAny(std::string_view text, std::size_t from)
{
    std::size_t found = npos;
    visitEach<bytes...>(text, from, [&](std::size_t i) {
        found = i;
        return false;
    });
    return found;
}

} // namespace larkspan::scan
