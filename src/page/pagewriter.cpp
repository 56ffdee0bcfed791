// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/pagewriter.h"

#include "page/bytecopy.h"
#include "page/bytescan.h"
#include "page/pagematch.h"
#include "page/pageskeleton.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

// Every document is produced by running its writer twice over the same code: once into a sink that only counts,
// once into the target. The target is thus allocated once, before the first byte goes in, each byte is written
// once, and because both passes share the code the count cannot fall short of what is written. A third sink
// compares instead of writing, for the reader.

namespace larkspan {
namespace {

using namespace skeleton;

// Pieces are string_views or strings, never bare character arrays, so no length is ever measured at run time.
template <class... Pieces>
constexpr bool kOnlyViews = (!std::is_array_v<Pieces> && ...);

// The escapes of the jump menu's script strings; the "/" of "</" gets a backslash before it.
constexpr string_view kEscapedBackslash = "\\\\"sv;
constexpr string_view kEscapedQuote = "\\'"sv;
constexpr string_view kEscapedCarriageReturn = "\\r"sv;
constexpr string_view kEscapedLineFeed = "\\n"sv;
constexpr string_view kSlashEscape = "\\"sv;

// The bytes of a link entry that need a look in the jump menu. Sixteen at a time, TAB, LF and CR are found with
// every byte below CR, in one comparison instead of three; the writer passes over the others.
struct ScriptMarks {
    static bool has(char c) { return c == '\t' || c == '\\' || c == '\'' || c == '\r' || c == '\n' || c == '<'; }
#if defined(__SSE2__)
    static unsigned marks(__m128i block)
    {
        const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(block, _mm_set1_epi8('\r')), block);
        const __m128i others = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\\')), _mm_cmpeq_epi8(block, _mm_set1_epi8('\''))),
            _mm_cmpeq_epi8(block, _mm_set1_epi8('<')));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(low, others)));
    }
#endif
};

// The jump menu writes each address and description inside a JavaScript string in single quotes. There they keep
// their mark-up, but the string must hold them whole: a backslash, a quote or a line break would end or spoil it, and
// "</" could end the script early. Each becomes its escape, "</" "<\/". The entry goes to the sink in runs between
// the few bytes that need a look, the first TAB among them, which parts the address from the description.
template <class Sink>
void writeMenuOption(Sink& sink, string_view entry)
{
    // Nearly every entry has its TAB and nothing else to look at; it goes in one piece, so that the sink's cursor
    // is not stored and loaded again between the parts.
    std::size_t tab = scan::npos;
    bool plain = true;
    scan::visitEach(entry, 0, ScriptMarks{}, [&](std::size_t i) {
        plain = tab == scan::npos && entry[i] == '\t';
        tab = i;
        return plain;
    });
    if (plain && tab != scan::npos) {
        sink.put(kOptionStart, entry.substr(0, tab), kAnchorMiddle, entry.substr(tab + 1), kOptionEnd);
        return;
    }

    sink.put(kOptionStart);
    bool inAddress = true;
    std::size_t run = 0;
    scan::visitEach(entry, 0, ScriptMarks{}, [&](std::size_t i) {
        string_view escape;
        switch (entry[i]) {
        case '\t':
            // Further TABs belong to the description as they are.
            if (inAddress) {
                sink.put(entry.substr(run, i - run), kAnchorMiddle);
                run = i + 1;
                inAddress = false;
            }
            return true;
        case '<':
            if (i + 1 < entry.size() && entry[i + 1] == '/') {
                sink.put(entry.substr(run, i + 1 - run), kSlashEscape);
                run = i + 1;
            }
            return true;
        case '\\': escape = kEscapedBackslash; break;
        case '\'': escape = kEscapedQuote; break;
        case '\r': escape = kEscapedCarriageReturn; break;
        case '\n': escape = kEscapedLineFeed; break;
        default: return true;
        }
        sink.put(entry.substr(run, i - run), escape);
        run = i + 1;
        return true;
    });
    sink.put(entry.substr(run));
    // An entry without a TAB cannot come from the links page; it is taken as a bare address so the page is still
    // written.
    if (inAddress)
        sink.put(kAnchorMiddle);
    sink.put(kOptionEnd);
}

// The address is the text before the first TAB, the description all after it, further TABs included. An entry
// without a TAB cannot come from the links page; it is taken as a bare address so the page is still written.
template <class Sink>
void writeLink(Sink& sink, string_view entry)
{
    const auto tab = scan::findFirst(entry, 0, scan::AnyOf<'\t'>{});
    if (tab == scan::npos)
        sink.put(kAnchorStart, entry, kAnchorMiddle, kAnchorEnd);
    else
        sink.put(kAnchorStart, entry.substr(0, tab), kAnchorMiddle, entry.substr(tab + 1), kAnchorEnd);
}

// A picture's name stands in an address (SRC=, BACKGROUND=), where "#" would start a fragment, "?" a query, "%" an
// escape and a double quote the attribute's end; those four are written as their escapes, so that the browser asks
// for the file by its own name. Every other byte goes in as it is. Names with any of them are rare: the common case
// is one search and one piece.
template <class Sink>
void writePictureName(Sink& sink, string_view name)
{
    constexpr string_view marks = "%#?\""sv;
    std::size_t run = name.find_first_of(marks);
    if (run == string_view::npos) {
        sink.put(name);
        return;
    }
    sink.put(name.substr(0, run));
    for (std::size_t i = run; i < name.size(); ++i) {
        string_view escape;
        switch (name[i]) {
        case '%': escape = "%25"sv; break;
        case '#': escape = "%23"sv; break;
        case '?': escape = "%3F"sv; break;
        case '"': escape = "%22"sv; break;
        default: continue;
        }
        sink.put(name.substr(run, i - run), escape);
        run = i + 1;
    }
    sink.put(name.substr(run));
}

bool plainPictureName(string_view name)
{
    return name.find_first_of("%#?\""sv) == string_view::npos;
}

// Counts, without writing, an upper bound of the bytes a writer produces.
class SizeSink {
public:
    template <class... Pieces>
    void put(const Pieces&... pieces)
    {
        static_assert(kOnlyViews<Pieces...>, "pass literals as string_view constants");
        total += (std::size_t{0} + ... + string_view(pieces).size());
    }

    // A whole list at once: around is what each entry adds, and its text counts timesText times. A link is counted
    // whole, so the TAB the writer drops makes the count one too high; in the jump menu an entry at most doubles,
    // its TAB becoming the two bytes between address and description. Those bounds spare the count a search of
    // every entry.
    void putEach(const TextList& list, std::size_t around, std::size_t timesText)
    {
        total += list.size() * around + timesText * list.textBytes();
    }

    std::size_t size() const { return total; }

private:
    std::size_t total = 0;
};

template <class Sink>
constexpr bool kCountsOnly = std::is_same_v<Sink, SizeSink>;

// Fills the room that the counting pass measured. Each call works on a local copy of the cursor, so that the
// compiler keeps it in a register across the copies, and is inlined by force: with three sinks to serve, GCC no
// longer inlines it unasked, which made large pages a third slower. Should the count ever fall short, the sink
// writes nothing more and says so.
class TextSink {
public:
    TextSink(char* start, std::size_t room) : start(start), cursor(start), limit(start + room) {}

    template <class... Pieces>
    [[gnu::always_inline]] void put(const Pieces&... pieces)
    {
        static_assert(kOnlyViews<Pieces...>, "pass literals as string_view constants");
        const std::size_t n = (std::size_t{0} + ... + string_view(pieces).size());
        if (n > static_cast<std::size_t>(limit - cursor)) [[unlikely]] {
            overflowed = true;
            limit = cursor;
            return;
        }
        char* out = cursor;
        ((out = bytecopy::copyShort(out, string_view(pieces))), ...);
        cursor = out;
    }

    // How many bytes were written, or nothing when they did not all fit.
    std::optional<std::size_t> written() const
    {
        if (overflowed)
            return std::nullopt;
        return static_cast<std::size_t>(cursor - start);
    }

private:
    char* start;
    char* cursor;
    char* limit;
    bool overflowed = false;
};

// Compares what would be written with a document given in parts, and remembers whether all of it was the same. The
// reader checks its reading this way: on a page that reads, the whole document is compared but nothing is written.
// Like TextSink it works on a local copy of its cursor, and it compares short pieces as overlapping words.
class MatchSink {
public:
    MatchSink(std::span<const string_view> parts, ProvenBlocks proven)
        : proven(proven), next(parts.begin()), last(parts.end())
    {
        if (next != last) {
            cursor = next->data();
            partEnd = cursor + next->size();
            ++next;
        }
    }

    template <class... Pieces>
    [[gnu::always_inline]] void put(const Pieces&... pieces)
    {
        static_assert(kOnlyViews<Pieces...>, "pass literals as string_view constants");
        const std::size_t n = (std::size_t{0} + ... + string_view(pieces).size());
        if (n > static_cast<std::size_t>(partEnd - cursor)) {
            // Only the two pieces that hold the maker's addresses reach across parts.
            (matchAcross(string_view(pieces)), ...);
            return;
        }
        const char* in = cursor;
        std::uint64_t differ = 0;
        ((differ |= difference(in, string_view(pieces)), in += string_view(pieces).size()), ...);
        cursor = in;
        same = same && differ == 0;
    }

    // Passes over a proven block when the writing has come to it; false when it has not, and the list is then
    // compared entry by entry.
    bool skip(string_view block)
    {
        if (block.empty() || block.data() != cursor || block.size() > static_cast<std::size_t>(partEnd - cursor))
            return false;
        cursor += block.size();
        return true;
    }

    const ProvenBlocks proven;

    // Whether everything written was the same as the parts, and nothing of them is left over.
    bool matched() const
    {
        return same && cursor == partEnd && std::all_of(next, last, [](string_view part) { return part.empty(); });
    }

private:
    // Not zero when the piece differs from the bytes at in.
    [[gnu::always_inline]] static std::uint64_t difference(const char* in, string_view piece)
    {
        const char* p = piece.data();
        const std::size_t n = piece.size();
        const auto word = [](const char* at) {
            std::uint64_t w;
            std::memcpy(&w, at, sizeof w);
            return w;
        };
        const auto half = [](const char* at) {
            std::uint32_t w;
            std::memcpy(&w, at, sizeof w);
            return w;
        };
        if (n > 16)
            return scan::sameBytes(in, p, n) ? 0 : 1;
        if (n >= 8)
            return (word(in) ^ word(p)) | (word(in + n - 8) ^ word(p + n - 8));
        if (n >= 4)
            return (half(in) ^ half(p)) | (half(in + n - 4) ^ half(p + n - 4));
        std::uint64_t differ = 0;
        for (std::size_t i = 0; i < n; ++i)
            differ |= static_cast<unsigned char>(in[i] ^ p[i]);
        return differ;
    }

    void matchAcross(string_view piece)
    {
        while (piece.size() > static_cast<std::size_t>(partEnd - cursor)) {
            const std::size_t rest = static_cast<std::size_t>(partEnd - cursor);
            if (next == last || !scan::sameBytes(piece.data(), cursor, rest)) {
                same = false;
                return;
            }
            piece.remove_prefix(rest);
            cursor = next->data();
            partEnd = cursor + next->size();
            ++next;
        }
        same = same && scan::sameBytes(piece.data(), cursor, piece.size());
        cursor += piece.size();
    }

    const char* cursor = nullptr;
    const char* partEnd = nullptr;
    std::span<const string_view>::iterator next;
    std::span<const string_view>::iterator last;
    bool same = true;
};

// Whether the sink passed over a list as a block that the reader proved; only the check does.
template <class Sink>
bool skipsProven(Sink& sink, string_view ProvenBlocks::*block)
{
    if constexpr (std::is_same_v<Sink, MatchSink>)
        return sink.skip(sink.proven.*block);
    else
        return false;
}

// Left-column cells of the table layouts and the basic layouts' single column share one form; the right column
// drops an empty line in each cell and the blank before the Go button.
enum class Column { Left, Right };

template <class Sink>
void writeHead(Sink& sink, const PageSpec& spec)
{
    sink.put(kPrologue, spec.title.empty() ? kUntitled : string_view(spec.title), kTitleEnd);
    if (!spec.links.empty() && spec.linkStyle == LinkStyle::ComboBox)
        sink.put(kNavigationScript);
    sink.put(kHeadEnd);
    if (!spec.backgroundImage.empty()) {
        sink.put(kBackgroundStart);
        writePictureName(sink, spec.backgroundImage);
        sink.put(kQuote);
    }
    sink.put(spec.bgColorAttr, spec.textColorAttr, spec.linkColorAttr, spec.visitedLinkColorAttr,
             spec.activeLinkColorAttr, kBodyTagEnd);
    if (!spec.heading.empty()) {
        const int level = spec.headingSize >= 0 && spec.headingSize < kLastHeading ? spec.headingSize : kLastHeading;
        sink.put(kHeaderStart, kHeadingOpen[level], spec.heading, kHeadingClose[level], kHeaderEnd);
    }
}

template <class Sink>
void writeImageTag(Sink& sink, const PageSpec& spec, string_view opening, string_view closing)
{
    if (plainPictureName(spec.pageImage)) {
        sink.put(opening, spec.pageImage, kImageHeight, spec.imageHeight, kImageWidth, spec.imageWidth, kImageAlt,
                 closing);
        return;
    }
    sink.put(opening);
    writePictureName(sink, spec.pageImage);
    sink.put(kImageHeight, spec.imageHeight, kImageWidth, spec.imageWidth, kImageAlt, closing);
}

template <class Sink>
void writeBullets(Sink& sink, const PageSpec& spec)
{
    if (spec.bulletItems.empty()) {
        sink.put(kNewLine);
        return;
    }
    const int type = spec.bulletStyle == 0 || spec.bulletStyle == 1 ? spec.bulletStyle : kCircleBullet;
    sink.put(kBulletsStart, kBulletTypes[type]);
    if constexpr (kCountsOnly<Sink>) {
        sink.putEach(spec.bulletItems, kBulletItem.size() + kNewLine.size(), 1);
    } else if (!skipsProven(sink, &ProvenBlocks::items)) {
        for (const string_view item : spec.bulletItems)
            sink.put(kBulletItem, item, kNewLine);
    }
    sink.put(kBulletsEnd);
}

template <class Sink>
void writeLinks(Sink& sink, const PageSpec& spec, Column column)
{
    if (spec.links.empty()) {
        sink.put(kNewLine);
        return;
    }
    const bool menu = spec.linkStyle == LinkStyle::ComboBox;
    sink.put(kLinksStart);
    if (menu) {
        sink.put(kMenuStart);
        if constexpr (kCountsOnly<Sink>) {
            sink.putEach(spec.links, kOptionStart.size() + kAnchorMiddle.size() + kOptionEnd.size(), 2);
        } else if (!skipsProven(sink, &ProvenBlocks::links)) {
            for (const string_view entry : spec.links)
                writeMenuOption(sink, entry);
        }
        sink.put(kSelectEnd, column == Column::Left ? kGoButtonSpaced : kGoButtonFlush, kMenuEnd);
    } else if constexpr (kCountsOnly<Sink>) {
        sink.putEach(spec.links, kAnchorStart.size() + kAnchorMiddle.size() + kAnchorEnd.size(), 1);
    } else if (!skipsProven(sink, &ProvenBlocks::links)) {
        for (const string_view entry : spec.links)
            writeLink(sink, entry);
    }
}

template <class Sink>
void writeFooter(Sink& sink, const PageSpec& spec, const std::string& createdOn)
{
    sink.put(kFooterStart);
    if (!spec.authorEmail.empty())
        sink.put(kEmailStart, spec.authorEmail, kAnchorMiddle, spec.authorEmail, kAnchorEnd);
    sink.put(kCredit, createdOn, kDocumentEnd);
}

template <class Sink>
void writeBasicDocument(Sink& sink, const PageSpec& spec, const std::string& createdOn)
{
    const bool hasImage = !spec.pageImage.empty();
    writeHead(sink, spec);
    if (hasImage && spec.layout == LayoutStyle::BasicImageLeft)
        writeImageTag(sink, spec, kImageStart, kFloatLeftEnd);
    else if (hasImage && spec.layout == LayoutStyle::BasicImageRight)
        writeImageTag(sink, spec, kImageStart, kFloatRightEnd);
    sink.put(kPageTextStart, spec.pageText, kPageTextEnd);
    if (spec.layout == LayoutStyle::BasicStyle) {
        // The centred image stands below the text; without one, its place is kept by an empty line.
        if (hasImage)
            writeImageTag(sink, spec, kCentredImageStart, kCentredEnd);
        else
            sink.put(kNewLine);
    }
    writeBullets(sink, spec);
    writeLinks(sink, spec, Column::Left);
    writeFooter(sink, spec, createdOn);
}

template <class Sink>
void writeImageCell(Sink& sink, const PageSpec& spec, Column column)
{
    if (spec.pageImage.empty()) {
        sink.put(kNewLine);
        return;
    }
    writeImageTag(sink, spec, kImageStart, kCellImageEnd);
    if (column == Column::Left)
        sink.put(kNewLine);
}

template <class Sink>
void writeTextCell(Sink& sink, const PageSpec& spec, Column column)
{
    sink.put(kPageTextStart, spec.pageText, kPageTextEnd);
    if (column == Column::Left)
        sink.put(kNewLine);
    writeBullets(sink, spec);
    writeLinks(sink, spec, column);
}

template <class Sink>
void writeTableDocument(Sink& sink, const PageSpec& spec, const std::string& createdOn)
{
    writeHead(sink, spec);
    sink.put(kTableStart);
    if (spec.layout == LayoutStyle::TableImageLeft)
        writeImageCell(sink, spec, Column::Left);
    else
        writeTextCell(sink, spec, Column::Left);
    sink.put(kBetweenColumns);
    if (spec.layout == LayoutStyle::TableImageRight)
        writeImageCell(sink, spec, Column::Right);
    else
        writeTextCell(sink, spec, Column::Right);
    sink.put(kTableEnd);
    writeFooter(sink, spec, createdOn);
}

template <class Write>
void writeSized(PageDocument& target, Write write)
{
    SizeSink size;
    write(size);
    // The count is a bound by construction; were it ever short, the document is written again in more room.
    std::size_t room = size.size();
    while (!target.write(room, [&](char* out) {
        TextSink text(out, room);
        write(text);
        return text.written();
    }))
        room = 2 * room + 64;
}

template <class Write>
bool writesExactly(std::span<const string_view> parts, ProvenBlocks proven, Write write)
{
    MatchSink match(parts, proven);
    write(match);
    return match.matched();
}

} // namespace

void BuildBasicPage(const PageSpec& spec, const std::string& createdOn, PageDocument& target)
{
    writeSized(target, [&](auto& sink) { writeBasicDocument(sink, spec, createdOn); });
}

void BuildTablePage(const PageSpec& spec, const std::string& createdOn, PageDocument& target)
{
    writeSized(target, [&](auto& sink) { writeTableDocument(sink, spec, createdOn); });
}

bool WritesExactly(const PageSpec& spec, const std::string& createdOn, std::span<const string_view> parts,
                   ProvenBlocks proven)
{
    if (spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight)
        return writesExactly(parts, proven, [&](auto& sink) { writeTableDocument(sink, spec, createdOn); });
    return writesExactly(parts, proven, [&](auto& sink) { writeBasicDocument(sink, spec, createdOn); });
}

} // namespace larkspan
