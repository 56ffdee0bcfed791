// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace larkspan::bytecopy {

// For block <= n <= 2 * block: the first and the last block, which meet or overlap in the middle.
template <std::size_t block>
void copyOverlapping(char* out, const char* in, std::size_t n)
{
    std::memcpy(out, in, block);
    std::memcpy(out + n - block, in + n - block, block);
}

// Copies piece to out and returns the end of the copy. Nearly all pieces of a page are short; copying one as two
// overlapping blocks of a fixed size keeps the copy inline, where a call into the library's memcpy for each piece
// made large pages a third slower.
[[gnu::always_inline]] inline char* copyShort(char* out, std::string_view piece)
{
    const char* in = piece.data();
    const std::size_t n = piece.size();
    if (n > 64) {
        std::memcpy(out, in, n);
    } else if (n > 32) {
        copyOverlapping<32>(out, in, n);
    } else if (n > 16) {
        copyOverlapping<16>(out, in, n);
    } else if (n >= 8) {
        copyOverlapping<8>(out, in, n);
    } else if (n >= 4) {
        copyOverlapping<4>(out, in, n);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            out[i] = in[i];
    }
    return out + n;
}

} // namespace larkspan::bytecopy
