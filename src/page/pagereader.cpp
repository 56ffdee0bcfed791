#include "page/pagereader.h"

#include "page/pageskeleton.h"
#include "page/pagewriter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// The reader takes the fixed texts from both ends: the head from the front, then the footer, the link list and, in
// the table layouts, the cell after the text from the back. User texts that may span lines stand only in the
// middle (the page text and the bullet items), and one-line texts are taken whole between the fixed texts of their
// line, so the only open question is where the page text ends and the bullet list begins. The first place that fits
// is taken: the bullet items after it take up whatever follows, so an earlier fit writes the same bytes as a later
// one. Every step is one pass over its part of the document; the rewrite at the end decides.

namespace larkspan {
namespace {

using namespace skeleton;

constexpr std::size_t npos = string_view::npos;
constexpr string_view kItemSeparator = "\r\n   <LI>"sv; // kNewLine, then kBulletItem
constexpr string_view kBlankLineEnd = "\r\n\r\n"sv;
constexpr string_view kCentreEnd = "</CENTER>"sv;
constexpr string_view kTableOpening = "<TABLE"sv;
constexpr int kLevels = 6;

constexpr string_view kNotOurs = "This file is not a page made by Larkspan: "sv;
constexpr string_view kChanged = "This page was changed after Larkspan saved it: "sv;

// Where the input may differ from its rewrite: the maker's addresses, in input positions.
struct MakerTexts {
    std::size_t linesEnd = 0;    // end of the two comment lines
    std::size_t creditStart = 0; // the credit link's address
    std::size_t creditEnd = 0;
};

// How the page text block ends before the bullet list, by layout and column.
enum class TextEnd {
    Plain,      // "<P>" line: layouts 2 and 3, the right-hand text cell
    Blank,      // "<P>" line and an empty line: the left-hand text cell
    BasicStyle  // layout 1: an empty line or the centred image below the text
};

enum class Column { Left, Right };

// Most texts compared are a few bytes long, fewer than a call into the library's memcmp costs.
bool sameBytes(const char* a, const char* b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

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

class Reader {
public:
    explicit Reader(string_view document) : doc(document) {}

    bool read() { return readHead() && readFooter() && readBody(); }

    PageSpec spec;
    string_view createdOn;
    MakerTexts maker;
    std::string error;

private:
    bool notOurs(string_view why) { return fail(kNotOurs, why); }
    bool changed(string_view what) { return fail(kChanged, what); }
    bool fail(string_view start, string_view why)
    {
        if (error.empty())
            error = std::string(start) + std::string(why);
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
    bool readOption(string_view line, std::string& entry);
    bool readMiddle(std::size_t a, std::size_t linksStart, TextEnd textEnd);
    bool pageTextEndsAt(std::size_t a, std::size_t e, TextEnd textEnd);
    void readItems(std::size_t start, std::size_t end);

    string_view doc;
    std::size_t front = 0;       // where the part read from the front ends
    std::size_t footerStart = 0;
    bool headScript = false;
    std::vector<std::size_t> lineStarts; // of the links, last first
};

bool Reader::readHead()
{
    constexpr string_view beginning = "it does not begin with Larkspan's comment lines."sv;
    const std::size_t end1 = lineEnd(0);
    if (end1 == npos)
        return notOurs(beginning);
    const string_view line1 = span(0, end1);
    if (!line1.starts_with(kMakerLine1Start) || !line1.ends_with(kCommentEnd))
        return notOurs(beginning);
    const std::size_t end2 = lineEnd(end1 + 2);
    if (end2 == npos)
        return notOurs(beginning);
    const string_view line2 = span(end1 + 2, end2);
    if (!line2.starts_with(kMakerLine2Start) || !line2.ends_with(kCommentEnd)
        || line2.find(kMakerLine2Middle, kMakerLine2Start.size()) == npos)
        return notOurs(beginning);
    maker.linesEnd = end2 + 2;

    std::size_t p = maker.linesEnd;
    const string_view headStart = kPrologue.substr(kMakerLines.size());
    if (!at(p, headStart))
        return notOurs("its head is not the one Larkspan writes."sv);
    p += headStart.size();
    const std::size_t titleEnd = lineEnd(p);
    constexpr string_view titleClose = kTitleEnd.substr(0, kTitleEnd.size() - kNewLine.size());
    if (titleEnd == npos || !span(p, titleEnd).ends_with(titleClose))
        return changed("the title line is not as Larkspan writes it."sv);
    const string_view title = span(p, titleEnd - titleClose.size());
    // An empty title is written as "Untitled"; reading it back as empty gives the same page.
    spec.title = title == kUntitled ? std::string() : std::string(title);
    p = titleEnd + kNewLine.size();
    if (at(p, kNavigationScript)) {
        headScript = true;
        p += kNavigationScript.size();
    }
    if (!at(p, kHeadEnd))
        return changed("the head does not end as Larkspan writes it."sv);
    p += kHeadEnd.size();

    const std::size_t bodyEnd = lineEnd(p);
    if (bodyEnd == npos || bodyEnd == p || doc[bodyEnd - 1] != '>' || !readBodyAttributes(span(p, bodyEnd - 1)))
        return changed("the BODY tag is not as Larkspan writes it."sv);
    front = bodyEnd + kNewLine.size();
    return readHeading();
}

// The background image, then the five colour slots, each one attribute or nothing. The colours are taken from the
// end, so that an image name holding quotes or attribute text stays whole.
bool Reader::readBodyAttributes(string_view attributes)
{
    struct Slot {
        string_view prefix;
        std::string PageSpec::*field;
    };
    static constexpr std::array<Slot, 5> slots{{{" BGCOLOR="sv, &PageSpec::bgColorAttr},
                                                {" TEXT="sv, &PageSpec::textColorAttr},
                                                {" LINK="sv, &PageSpec::linkColorAttr},
                                                {" VLINK="sv, &PageSpec::visitedLinkColorAttr},
                                                {" ALINK="sv, &PageSpec::activeLinkColorAttr}}};
    std::array<std::size_t, slots.size()> starts{};
    starts.fill(attributes.size());
    std::size_t rest = attributes.size();
    for (std::size_t i = slots.size(); i-- > 0;) {
        if (rest < 2 || attributes[rest - 1] != '"')
            break;
        const std::size_t open = attributes.rfind('"', rest - 2);
        const string_view prefix = slots[i].prefix;
        if (open == npos || open < prefix.size() || attributes.substr(open - prefix.size(), prefix.size()) != prefix)
            continue;
        starts[i] = rest = open - prefix.size();
    }
    const auto imageFits = [&](string_view image) {
        return image.empty()
            || (image.size() > kBackgroundStart.size() + kQuote.size() && image.starts_with(kBackgroundStart)
                && image.ends_with(kQuote));
    };
    // The slots taken from the end may have eaten the close of an image name that ends like an attribute; hand
    // them back, leftmost first, until the name fits.
    std::size_t first = 0;
    while (!imageFits(attributes.substr(0, rest))) {
        while (first < slots.size() && starts[first] == attributes.size())
            ++first;
        if (first == slots.size())
            return false;
        starts[first] = attributes.size();
        rest = first + 1 < slots.size() ? *std::min_element(starts.begin() + first + 1, starts.end())
                                        : attributes.size();
    }
    const string_view image = attributes.substr(0, rest);
    spec.backgroundImage = image.empty() ? std::string()
                                         : std::string(image.substr(kBackgroundStart.size(),
                                               image.size() - kBackgroundStart.size() - kQuote.size()));
    for (std::size_t i = 0; i < slots.size(); ++i) {
        std::size_t end = attributes.size();
        for (std::size_t j = i + 1; j < slots.size(); ++j)
            if (starts[j] != attributes.size()) {
                end = starts[j];
                break;
            }
        const bool empty = starts[i] == attributes.size();
        spec.*slots[i].field = empty ? std::string() : std::string(attributes.substr(starts[i], end - starts[i]));
    }
    return true;
}

bool Reader::readHeading()
{
    spec.heading.clear();
    if (!at(front, kHeaderStart))
        return true;
    const std::size_t p = front + kHeaderStart.size();
    const std::size_t end = lineEnd(p);
    if (end == npos || end < p + kCentreEnd.size() || !at(end - kCentreEnd.size(), kHeaderEnd))
        return changed("the page heading is not as Larkspan writes it."sv);
    const string_view element = span(p, end - kCentreEnd.size());
    for (int level = 0; level < kLevels; ++level) {
        const string_view open = kHeadingOpen[level];
        const string_view close = kHeadingClose[level];
        if (element.size() > open.size() + close.size() && element.starts_with(open) && element.ends_with(close)) {
            spec.heading = element.substr(open.size(), element.size() - open.size() - close.size());
            spec.headingSize = level;
            front = end - kCentreEnd.size() + kHeaderEnd.size();
            return true;
        }
    }
    return changed("the page heading is not as Larkspan writes it."sv);
}

bool Reader::readFooter()
{
    constexpr string_view footer = "the footer is not as Larkspan writes it."sv;
    if (!endsAt(doc.size(), kDocumentEnd))
        return changed("the page does not end as Larkspan writes it."sv);
    const std::size_t dateEnd = doc.size() - kDocumentEnd.size();
    const std::size_t dateLine = lineStart(dateEnd);
    const std::size_t dateStart = dateLine + kCreditEnd.size() - kCreditEnd.rfind(kNewLine) - kNewLine.size();
    if (dateLine < front + kNewLine.size() || dateStart > dateEnd || !endsAt(dateStart, kCreditEnd))
        return changed(footer);
    createdOn = span(dateStart, dateEnd);
    const std::size_t creditLine = lineStart(dateLine - kNewLine.size());
    if (creditLine < front || !at(creditLine, kCreditStart)
        || creditLine + kCreditStart.size() > dateStart - kCreditEnd.size())
        return changed(footer);
    maker.creditStart = creditLine + kCreditStart.size();
    maker.creditEnd = dateStart - kCreditEnd.size();

    spec.authorEmail.clear();
    std::size_t before = creditLine;
    if (before >= kNewLine.size() && lineStart(before - kNewLine.size()) != before - kNewLine.size()) {
        const std::size_t emailLine = lineStart(before - kNewLine.size());
        constexpr string_view close = kAnchorEnd.substr(0, kAnchorEnd.size() - kNewLine.size());
        const string_view line = span(emailLine, before - kNewLine.size());
        if (emailLine < front || !line.starts_with(kEmailStart) || !line.ends_with(close))
            return changed("the e-mail line of the footer is not as Larkspan writes it."sv);
        const string_view both = line.substr(kEmailStart.size(), line.size() - kEmailStart.size() - close.size());
        const std::size_t length = both.size() >= kAnchorMiddle.size() ? (both.size() - kAnchorMiddle.size()) / 2 : 0;
        if (length == 0 || both.size() != 2 * length + kAnchorMiddle.size()
            || both.substr(length, kAnchorMiddle.size()) != kAnchorMiddle
            || both.substr(0, length) != both.substr(length + kAnchorMiddle.size()))
            return changed("the e-mail line of the footer is not as Larkspan writes it."sv);
        spec.authorEmail = both.substr(0, length);
        before = emailLine;
    }
    if (!endsAt(before, kFooterStart))
        return changed(footer);
    footerStart = before - kFooterStart.size();
    return true;
}

bool Reader::readBody()
{
    if (at(front, kTableOpening)) {
        if (!at(front, kTableStart))
            return changed("the table is not as Larkspan writes it."sv);
        return readTable(front + kTableStart.size());
    }
    return readBasic(front);
}

bool Reader::readBasic(std::size_t p)
{
    spec.pageImage.clear();
    spec.imageWidth.clear();
    spec.imageHeight.clear();
    bool floating = false;
    if (at(p, kImageStart)) {
        std::size_t end = 0;
        if (readImageForward(p, kImageStart, kFloatLeftEnd, end))
            spec.layout = LayoutStyle::BasicImageLeft;
        else if (readImageForward(p, kImageStart, kFloatRightEnd, end))
            spec.layout = LayoutStyle::BasicImageRight;
        else
            return changed("the page image is not as Larkspan writes it."sv);
        floating = true;
        p = end;
    }
    if (!at(p, kPageTextStart))
        return changed("the page text does not begin as Larkspan writes it."sv);
    const std::size_t a = front = p + kPageTextStart.size();
    std::size_t linksStart = 0;
    if (!readLinks(footerStart, Column::Left, linksStart))
        return false;
    if (floating)
        return readMiddle(a, linksStart, TextEnd::Plain);
    // Without a floating image the page is layout 1, or layout 2 or 3 without an image, which two write alike.
    spec.layout = LayoutStyle::BasicStyle;
    if (readMiddle(a, linksStart, TextEnd::BasicStyle))
        return true;
    error.clear();
    spec.layout = LayoutStyle::BasicImageLeft;
    spec.pageImage.clear();
    return readMiddle(a, linksStart, TextEnd::Plain);
}

bool Reader::readTable(std::size_t p)
{
    constexpr string_view table = "the table is not as Larkspan writes it."sv;
    constexpr string_view image = "the page image is not as Larkspan writes it."sv;
    spec.pageImage.clear();
    spec.imageWidth.clear();
    spec.imageHeight.clear();
    front = p;
    if (!endsAt(footerStart, kTableEnd))
        return changed(table);
    const std::size_t tableEnd = footerStart - kTableEnd.size();

    if (at(p, kPageTextStart)) {
        // Text on the left, the image cell on the right.
        spec.layout = LayoutStyle::TableImageRight;
        const std::size_t a = front = p + kPageTextStart.size();
        std::size_t columns = 0;
        if (endsAt(tableEnd, kBlankLineEnd) && endsAt(tableEnd - kNewLine.size(), kBetweenColumns))
            columns = tableEnd - kNewLine.size();
        else if (!readImageBackward(tableEnd, kImageStart, kCellImageEnd, columns))
            return changed(image);
        if (!endsAt(columns, kBetweenColumns))
            return changed(table);
        std::size_t linksStart = 0;
        return readLinks(columns - kBetweenColumns.size(), Column::Left, linksStart)
            && readMiddle(a, linksStart, TextEnd::Blank);
    }

    // The image cell on the left, text on the right.
    spec.layout = LayoutStyle::TableImageLeft;
    if (at(p, kImageStart)) {
        std::size_t end = 0;
        if (!readImageForward(p, kImageStart, kCellImageEnd, end) || !at(end, kNewLine))
            return changed(image);
        p = end + kNewLine.size();
    } else if (at(p, kNewLine)) {
        p += kNewLine.size();
    } else {
        return changed(image);
    }
    if (!at(p, kBetweenColumns) || !at(p + kBetweenColumns.size(), kPageTextStart))
        return changed(table);
    const std::size_t a = front = p + kBetweenColumns.size() + kPageTextStart.size();
    std::size_t linksStart = 0;
    return readLinks(tableEnd, Column::Right, linksStart) && readMiddle(a, linksStart, TextEnd::Plain);
}

// Name, height and width from the tag between its opening and its closing. The name may hold anything of the tag
// itself, so the attributes after it are found from the end.
bool Reader::readImageAttributes(string_view tag)
{
    if (!tag.ends_with(kImageAlt))
        return false;
    tag.remove_suffix(kImageAlt.size());
    const std::size_t width = tag.rfind(kImageWidth);
    if (width == npos)
        return false;
    const std::size_t height = tag.rfind(kImageHeight, width);
    if (height == npos || height == 0 || height + kImageHeight.size() > width)
        return false;
    spec.pageImage = tag.substr(0, height);
    spec.imageHeight = tag.substr(height + kImageHeight.size(), width - height - kImageHeight.size());
    spec.imageWidth = tag.substr(width + kImageWidth.size());
    return true;
}

bool Reader::readImageForward(std::size_t p, string_view opening, string_view closing, std::size_t& end)
{
    const std::size_t onLine = closing.find(kNewLine);
    const std::size_t tagStart = p + opening.size();
    const std::size_t tagLineEnd = lineEnd(tagStart);
    if (!at(p, opening) || tagLineEnd == npos || tagLineEnd < tagStart + onLine || !at(tagLineEnd - onLine, closing))
        return false;
    end = tagLineEnd - onLine + closing.size();
    return readImageAttributes(span(tagStart, tagLineEnd - onLine));
}

bool Reader::readImageBackward(std::size_t e, string_view opening, string_view closing, std::size_t& start)
{
    if (!endsAt(e, closing))
        return false;
    const std::size_t closingStart = e - closing.size();
    const std::size_t tagLine = lineStart(closingStart + closing.find(kNewLine));
    const std::size_t openingLines = opening.rfind(kNewLine) + kNewLine.size();
    if (tagLine < front + openingLines)
        return false;
    start = tagLine - openingLines;
    if (!at(start, opening) || start + opening.size() > closingStart)
        return false;
    return readImageAttributes(span(start + opening.size(), closingStart));
}

// A menu option line as its link entry: the address, a TAB, the description.
bool Reader::readOption(string_view line, std::string& entry)
{
    constexpr string_view close = kOptionEnd.substr(0, kOptionEnd.size() - kNewLine.size());
    if (!line.ends_with(close) || line.size() < kOptionStart.size() + close.size())
        return false;
    const string_view both = line.substr(kOptionStart.size(), line.size() - kOptionStart.size() - close.size());
    const std::size_t middle = both.find(kAnchorMiddle);
    if (middle == npos)
        return false;
    entry.reserve(both.size() - kAnchorMiddle.size() + 1);
    if (!unescapeScript(both.substr(0, middle), entry))
        return false;
    entry += '\t';
    return unescapeScript(both.substr(middle + kAnchorMiddle.size()), entry);
}

// The link list block ending at e: up from its last line to the first line that is not a link, counting, then down
// again, reading each; start is where the block begins.
bool Reader::readLinks(std::size_t e, Column column, std::size_t& start)
{
    spec.links.clear();
    spec.linkStyle = LinkStyle::Default;
    constexpr string_view menu = "the jump menu of the link list is not as Larkspan writes it."sv;
    const bool combo = endsAt(e, kMenuEnd);
    std::size_t linesEnd = e;
    if (combo) {
        spec.linkStyle = LinkStyle::ComboBox;
        const string_view go = column == Column::Left ? kGoButtonSpaced : kGoButtonFlush;
        linesEnd -= kMenuEnd.size();
        if (!endsAt(linesEnd, go) || !endsAt(linesEnd - go.size(), kSelectEnd))
            return changed(menu);
        linesEnd -= go.size() + kSelectEnd.size();
    } else if (endsAt(e, kBlankLineEnd)) {
        start = e - kNewLine.size();
        if (headScript)
            return changed("the script in its head does not fit its link list."sv);
        return true;
    } else if (!endsAt(e, kAnchorEnd)) {
        return changed("the link list does not end as Larkspan writes it."sv);
    }

    const string_view opening = combo ? kOptionStart : kAnchorStart;
    std::size_t first = linesEnd;
    lineStarts.clear();
    while (first >= front + kNewLine.size()) {
        const std::size_t line = lineStart(first - kNewLine.size());
        if (line < front || !at(line, opening))
            break;
        first = line;
        lineStarts.push_back(line);
    }
    const std::size_t count = lineStarts.size();
    std::size_t p = first;
    if (combo) {
        if (count == 0 || !endsAt(p, kMenuStart))
            return changed(menu);
        p -= kMenuStart.size();
    }
    if (count == 0 || !endsAt(p, kLinksStart))
        return changed("the link list does not begin as Larkspan writes it."sv);
    start = p - kLinksStart.size();

    spec.links.reserve(count);
    for (std::size_t i = count; i-- > 0;) {
        const std::size_t end = (i == 0 ? linesEnd : lineStarts[i - 1]) - kNewLine.size();
        const string_view text = span(lineStarts[i], end);
        if (combo) {
            if (!readOption(text, spec.links.emplace_back()))
                return changed(menu);
        } else {
            constexpr string_view close = kAnchorEnd.substr(0, kAnchorEnd.size() - kNewLine.size());
            const std::size_t middle = text.find(kAnchorMiddle, kAnchorStart.size());
            if (!text.ends_with(close) || middle == npos || middle + kAnchorMiddle.size() + close.size() > text.size())
                return changed("a link of the link list is not as Larkspan writes it."sv);
            const string_view address = text.substr(kAnchorStart.size(), middle - kAnchorStart.size());
            const string_view description = text.substr(middle + kAnchorMiddle.size(),
                                                        text.size() - middle - kAnchorMiddle.size() - close.size());
            std::string& entry = spec.links.emplace_back();
            entry.reserve(address.size() + 1 + description.size());
            entry.append(address).append(1, '\t').append(description);
        }
    }
    if (headScript != combo)
        return changed("the script in its head does not fit its link list."sv);
    return true;
}

// The page text from a, then the bullet list block up to linksStart.
bool Reader::readMiddle(std::size_t a, std::size_t linksStart, TextEnd textEnd)
{
    spec.bulletItems.clear();
    spec.bulletStyle = 0;
    if (linksStart < a)
        return changed("the page text does not end as Larkspan writes it."sv);
    if (endsAt(linksStart, kBulletsEnd)) {
        const std::size_t itemsEnd = linksStart - kBulletsEnd.size();
        for (std::size_t p = find(kBulletsStart, a); p != npos && p < itemsEnd; p = find(kBulletsStart, p + 1)) {
            std::size_t q = p + kBulletsStart.size();
            int type = 0;
            while (type < 3 && !at(q, kBulletTypes[type]))
                ++type;
            if (type == 3)
                continue;
            q += kBulletTypes[type].size();
            if (q + kBulletItem.size() + kNewLine.size() > itemsEnd || !at(q, kBulletItem)
                || !at(itemsEnd - kNewLine.size(), kNewLine) || !pageTextEndsAt(a, p, textEnd))
                continue;
            spec.bulletStyle = type;
            readItems(q + kBulletItem.size(), itemsEnd - kNewLine.size());
            return true;
        }
        return changed("the bullet list does not begin as Larkspan writes it."sv);
    }
    if (!endsAt(linksStart, kBlankLineEnd))
        return changed("the bullet list does not end as Larkspan writes it."sv);
    if (!pageTextEndsAt(a, linksStart - kNewLine.size(), textEnd))
        return changed("the page text does not end as Larkspan writes it."sv);
    return true;
}

bool Reader::pageTextEndsAt(std::size_t a, std::size_t e, TextEnd textEnd)
{
    const auto plain = [&](std::size_t end) {
        if (end < a + kPageTextEnd.size() || !at(end - kPageTextEnd.size(), kPageTextEnd))
            return false;
        spec.pageText = span(a, end - kPageTextEnd.size());
        return true;
    };
    const auto blank = [&] { return e >= kNewLine.size() && at(e - kNewLine.size(), kNewLine) && plain(e - 2); };
    switch (textEnd) {
    case TextEnd::Plain: return plain(e);
    case TextEnd::Blank: return blank();
    case TextEnd::BasicStyle:
        if (blank()) {
            spec.pageImage.clear();
            return true;
        }
        std::size_t tag = 0;
        const std::size_t saved = front;
        front = a;
        const bool image = readImageBackward(e, kCentredImageStart, kCentredEnd, tag) && plain(tag);
        front = saved;
        if (!image)
            spec.pageImage.clear();
        return image;
    }
    return false;
}

void Reader::readItems(std::size_t start, std::size_t end)
{
    for (std::size_t p = start;;) {
        const std::size_t next = find(kItemSeparator, p);
        if (next == npos || next >= end) {
            spec.bulletItems.emplace_back(span(p, end));
            return;
        }
        spec.bulletItems.emplace_back(span(p, next));
        p = next + kItemSeparator.size();
    }
}

std::size_t firstDifference(string_view input, string_view rewritten, const MakerTexts& maker)
{
    // Compared in three pieces, the maker's addresses left out; positions are the input's.
    const std::size_t tail = input.size() - maker.creditEnd;
    if (rewritten.size() < kMakerLines.size() + kCreditAddress.size() + tail)
        return maker.linesEnd;
    const std::size_t ourCreditEnd = rewritten.size() - tail;
    const string_view inputMiddle = input.substr(maker.linesEnd, maker.creditStart - maker.linesEnd);
    const string_view ourMiddle =
        rewritten.substr(kMakerLines.size(), ourCreditEnd - kCreditAddress.size() - kMakerLines.size());
    if (inputMiddle == ourMiddle && rewritten.substr(ourCreditEnd) == input.substr(maker.creditEnd))
        return npos;
    const auto middle = std::mismatch(inputMiddle.begin(), inputMiddle.end(), ourMiddle.begin(), ourMiddle.end());
    if (middle.first != inputMiddle.end() || middle.second != ourMiddle.end())
        return maker.linesEnd + static_cast<std::size_t>(middle.first - inputMiddle.begin());
    if (rewritten.substr(ourCreditEnd) != input.substr(maker.creditEnd))
        return maker.creditEnd;
    return npos;
}

} // namespace

ReadResult ReadPage(const std::string& document)
{
    ReadResult result;
    string_view input = document;
    if (input.ends_with(kNewLine))
        input.remove_suffix(kNewLine.size());
    if (input.empty()) {
        result.error = "This file is empty: it holds no page.";
        return result;
    }
    Reader reader(input);
    if (!reader.read()) {
        result.error = std::move(reader.error);
        return result;
    }

    std::string rewritten;
    const std::string createdOn(reader.createdOn);
    if (reader.spec.layout == LayoutStyle::TableImageLeft || reader.spec.layout == LayoutStyle::TableImageRight)
        BuildTablePage(reader.spec, createdOn, rewritten);
    else
        BuildBasicPage(reader.spec, createdOn, rewritten);
    if (const std::size_t difference = firstDifference(input, rewritten, reader.maker); difference != npos) {
        const auto line = std::count(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(difference), '\n') + 1;
        result.error = std::string(kChanged) + "line " + std::to_string(line) + " is not as Larkspan writes it.";
        return result;
    }
    result.ok = true;
    result.spec = std::move(reader.spec);
    result.createdOn = createdOn;
    return result;
}

} // namespace larkspan
