// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/pagereading.h"

namespace larkspan::reading {

// The first needle in text from p on: each place where its first byte stands is a candidate, which on a page is
// mostly a line end.
std::size_t findText(string_view text, string_view needle, std::size_t p)
{
    if (p > text.size() || text.size() - p < needle.size())
        return npos;
    std::size_t found = npos;
    const string_view starts = text.substr(0, text.size() - needle.size() + 1);
    scan::visitEach(starts, p, scan::OneByte(needle[0]), [&](std::size_t i) {
        if (!sameBytes(text.data() + i, needle.data(), needle.size()))
            return true;
        found = i;
        return false;
    });
    return found;
}

// The last LF before end: the links are read from the bottom up.
std::size_t lastLineFeed(string_view text, std::size_t end)
{
    return scan::findLast(text, end, scan::AnyOf<'\n'>{});
}

// The jump menu's script string back to its text, appended to out; false for what the writers' escaping never
// produces. Plain runs are copied whole.
bool unescapeScript(string_view text, std::string& out)
{
    std::size_t run = 0;
    bool valid = true;
    scan::visitEach(text, 0, scan::AnyOf<'\\', '\'', '\r', '\n', '<'>{}, [&](std::size_t i) {
        // The byte after a backslash was taken with it.
        if (i < run)
            return true;
        const char c = text[i];
        // An address has many "/", few "<": the "</" that must not stand unescaped is sought from its "<".
        if (c == '<') {
            valid = i + 1 == text.size() || text[i + 1] != '/';
            return valid;
        }
        if (c != '\\' || i + 1 == text.size()) {
            valid = false;
            return false;
        }
        out.append(text.substr(run, i - run));
        switch (text[i + 1]) {
        case '\\': out += '\\'; break;
        case '\'': out += '\''; break;
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case '/':
            if (i < 1 || text[i - 1] != '<') {
                valid = false;
                return false;
            }
            out += '/';
            break;
        default: valid = false; return false;
        }
        run = i + 2;
        return true;
    });
    if (valid)
        out.append(text.substr(run));
    return valid;
}

// A picture's name as its address writes it, back to the name: the four escapes the writer makes, and nothing else.
std::string unescapePicture(string_view address)
{
    std::string name;
    name.reserve(address.size());
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (address[i] == '%' && address.size() - i >= 3) {
            const string_view escape = address.substr(i, 3);
            const char c = escape == "%25"sv ? '%'
                : escape == "%23"sv          ? '#'
                : escape == "%3F"sv          ? '?'
                : escape == "%22"sv          ? '"'
                                             : 0;
            if (c != 0) {
                name += c;
                i += 2;
                continue;
            }
        }
        name += address[i];
    }
    return name;
}

bool isWrittenPictureAddress(string_view address)
{
    for (std::size_t i = address.find_first_of("%#?\""sv); i != npos; i = address.find_first_of("%#?\""sv, i + 1)) {
        const string_view escape = address.substr(i, 3);
        if (escape != "%25"sv && escape != "%23"sv && escape != "%3F"sv && escape != "%22"sv)
            return false;
    }
    return true;
}

} // namespace larkspan::reading
