#include "page/pagereading.h"

#include <cstdint>
#include <cstring>

namespace larkspan::reading {

// The first needle in text from p on. The library's find compares at every position; this one lets memchr skip to
// each place where the needle's first byte stands, which on a page is mostly a line end.
std::size_t findText(string_view text, string_view needle, std::size_t p)
{
    while (p <= text.size() && text.size() - p >= needle.size()) {
        const void* hit = std::memchr(text.data() + p, needle[0], text.size() - p - needle.size() + 1);
        if (hit == nullptr)
            return npos;
        p = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        if (sameBytes(text.data() + p, needle.data(), needle.size()))
            return p;
        ++p;
    }
    return npos;
}

// The last LF before end, eight bytes at a time: the links are read from the bottom up.
std::size_t lastLineFeed(string_view text, std::size_t end)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highs = 0x8080808080808080u;
    constexpr std::uint64_t feeds = ones * '\n';
    std::size_t i = end;
    for (std::uint64_t word; i >= sizeof word; i -= sizeof word) {
        std::memcpy(&word, text.data() + i - sizeof word, sizeof word);
        const std::uint64_t x = word ^ feeds;
        if (((x - ones) & ~x & highs) != 0)
            break;
    }
    while (i > 0)
        if (text[--i] == '\n')
            return i;
    return npos;
}

// The jump menu's script string back to its text, appended to out; false for what the writers' escaping never
// produces. Plain runs are copied whole.
bool unescapeScript(string_view text, std::string& out)
{
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '/' && i > 0 && text[i - 1] == '<')
            return false;
        if (c == '\'' || c == '\r' || c == '\n')
            return false;
        if (c != '\\')
            continue;
        out.append(text.substr(run, i - run));
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case '\'': out += '\''; break;
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case '/':
            if (i < 2 || text[i - 2] != '<')
                return false;
            out += '/';
            break;
        default: return false;
        }
        run = i + 1;
    }
    out.append(text.substr(run));
    return true;
}

} // namespace larkspan::reading
