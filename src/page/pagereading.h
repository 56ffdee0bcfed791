// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two files of the page reader share: the reader itself, the fixed texts it looks for beyond the skeleton's,
// and the scanning helpers. Not part of the core's interface; only pagereader.h is.

#include "page/bytescan.h"
#include "page/pagematch.h"
#include "page/pagereader.h"
#include "page/pageskeleton.h"
#include "page/pagespec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace larkspan::reading {

using namespace skeleton;

inline constexpr std::size_t npos = string_view::npos;
inline constexpr string_view kItemSeparator = "\r\n   <LI>"sv; // kNewLine, then kBulletItem
inline constexpr string_view kBlankLineEnd = "\r\n\r\n"sv;
inline constexpr string_view kCentreEnd = "</CENTER>"sv;
inline constexpr string_view kTableOpening = "<TABLE"sv;
inline constexpr int kLevels = 6;

// Where the input may differ from its rewrite: the maker's addresses, in input positions.
struct MakerTexts {
    std::size_t linesEnd = 0;    // end of the two comment lines
    std::size_t creditStart = 0; // the credit link's address
    std::size_t creditEnd = 0;
};

// How the page text block ends before the bullet list, by layout and column.
enum class TextEnd {
    Plain,     // "<P>" line: layouts 2 and 3, the right-hand text cell
    Blank,     // "<P>" line and an empty line: the left-hand text cell
    BasicStyle // layout 1: an empty line or the centred image below the text
};

enum class Column { Left, Right };

using scan::sameBytes;

// The first needle in text from p on, npos when there is none.
std::size_t findText(string_view text, string_view needle, std::size_t p);
// The last LF before end, npos when there is none.
std::size_t lastLineFeed(string_view text, std::size_t end);
// The first kAnchorMiddle in text from p on, npos when there is none; inline, as it is sought once in every link.
inline std::size_t findAnchorMiddle(string_view text, std::size_t p)
{
    static_assert(kAnchorMiddle == "\">"sv);
    std::size_t found = npos;
    scan::visitEach(text, p, scan::AnyOf<'"'>{}, [&](std::size_t i) {
        if (i + 1 == text.size() || text[i + 1] != '>')
            return true;
        found = i;
        return false;
    });
    return found;
}
// A picture's name from its address in SRC= or BACKGROUND=: "%25", "%23", "%3F" and "%22" back to "%#?" and the
// double quote.
std::string unescapePicture(string_view address);
// Whether address is as the writers write a picture's name: "%" only in those four escapes, and no "#", "?" or
// double quote of its own.
bool isWrittenPictureAddress(string_view address);
// The jump menu's script string back to its text, appended to out; false for what the writers' escaping never
// produces.
bool unescapeScript(string_view text, std::string& out);

class Reader {
public:
    explicit Reader(string_view document) : doc(document) {}

    bool read() { return readHead() && readFooter() && readBody(); }

    PageSpec spec;
    string_view createdOn;
    MakerTexts maker;
    ReadFault fault = ReadFault::None; // the first fault found
    PagePart part = PagePart::TitleLine;
    ProvenBlocks proven; // of the lists as last read

private:
    bool notOurs(ReadFault why) { return fail(why, PagePart::TitleLine); }
    bool changed(PagePart what) { return fail(ReadFault::Changed, what); }
    bool fail(ReadFault why, PagePart what)
    {
        if (fault == ReadFault::None) {
            fault = why;
            part = what;
        }
        return false;
    }

    bool at(std::size_t p, string_view text) const
    {
        return p <= doc.size() && doc.size() - p >= text.size() && sameBytes(doc.data() + p, text.data(), text.size());
    }
    // Whether text ends at e, above the part already read from the front.
    bool endsAt(std::size_t e, string_view text) const
    {
        return e <= doc.size() && e >= front + text.size() && at(e - text.size(), text);
    }
    string_view span(std::size_t start, std::size_t end) const { return doc.substr(start, end - start); }
    std::size_t find(string_view text, std::size_t p) const { return findText(doc, text, p); }
    std::size_t lineEnd(std::size_t p) const { return find(kNewLine, p); }
    // The start of the line whose CR LF begins at e.
    std::size_t lineStart(std::size_t e) const
    {
        for (std::size_t end = e; end > 0;) {
            const std::size_t feed = lastLineFeed(doc, end);
            if (feed == npos)
                break;
            if (feed > 0 && doc[feed - 1] == '\r')
                return feed + 1;
            end = feed;
        }
        return 0;
    }

    bool readHead();
    bool readBodyAttributes(string_view attributes);
    bool readHeading();
    bool readFooter();
    bool readBody();
    bool readBasic(std::size_t p);
    bool readTable(std::size_t p);
    bool readImageAttributes(string_view tag);
    bool readImageForward(std::size_t p, string_view opening, string_view closing, std::size_t& end);
    bool readImageBackward(std::size_t e, string_view opening, string_view closing, std::size_t& start);
    bool readLinks(std::size_t e, Column column, std::size_t& start);
    bool readOption(string_view line, bool& exact);
    bool readMiddle(std::size_t a, std::size_t linksStart, TextEnd textEnd);
    bool pageTextEndsAt(std::size_t a, std::size_t e, TextEnd textEnd);
    void readItems(std::size_t start, std::size_t end);

    string_view doc;
    std::size_t front = 0; // where the part read from the front ends
    std::size_t footerStart = 0;
    bool headScript = false;
    std::vector<std::size_t> lineStarts; // of the links, last first
    std::vector<std::size_t> itemEnds;   // of the bullet items but the last
    std::string unescaped;               // a menu option with escapes, read back
};

// Where the rewritten page first differs from the input, the maker's addresses aside; npos when nowhere.
std::size_t firstDifference(string_view input, string_view rewritten, const MakerTexts& maker);

} // namespace larkspan::reading
