// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/pagereading.h"

#include <algorithm>

// The body between the heading and the footer: the basic layouts' text, image and lists, or the table's two cells.

namespace larkspan::reading {

bool Reader::readBody()
{
    if (at(front, kTableOpening)) {
        if (!at(front, kTableStart))
            return changed(PagePart::Table);
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
            return changed(PagePart::PageImage);
        floating = true;
        p = end;
    }
    if (!at(p, kPageTextStart))
        return changed(PagePart::TextStart);
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
    fault = ReadFault::None;
    spec.layout = LayoutStyle::BasicImageLeft;
    spec.pageImage.clear();
    return readMiddle(a, linksStart, TextEnd::Plain);
}

bool Reader::readTable(std::size_t p)
{
    spec.pageImage.clear();
    spec.imageWidth.clear();
    spec.imageHeight.clear();
    front = p;
    if (!endsAt(footerStart, kTableEnd))
        return changed(PagePart::Table);
    const std::size_t tableEnd = footerStart - kTableEnd.size();

    if (at(p, kPageTextStart)) {
        // Text on the left, the image cell on the right.
        spec.layout = LayoutStyle::TableImageRight;
        const std::size_t a = front = p + kPageTextStart.size();
        std::size_t columns = 0;
        if (endsAt(tableEnd, kBlankLineEnd) && endsAt(tableEnd - kNewLine.size(), kBetweenColumns))
            columns = tableEnd - kNewLine.size();
        else if (!readImageBackward(tableEnd, kImageStart, kCellImageEnd, columns))
            return changed(PagePart::PageImage);
        if (!endsAt(columns, kBetweenColumns))
            return changed(PagePart::Table);
        std::size_t linksStart = 0;
        return readLinks(columns - kBetweenColumns.size(), Column::Left, linksStart)
            && readMiddle(a, linksStart, TextEnd::Blank);
    }

    // The image cell on the left, text on the right.
    spec.layout = LayoutStyle::TableImageLeft;
    if (at(p, kImageStart)) {
        std::size_t end = 0;
        if (!readImageForward(p, kImageStart, kCellImageEnd, end) || !at(end, kNewLine))
            return changed(PagePart::PageImage);
        p = end + kNewLine.size();
    } else if (at(p, kNewLine)) {
        p += kNewLine.size();
    } else {
        return changed(PagePart::PageImage);
    }
    if (!at(p, kBetweenColumns) || !at(p + kBetweenColumns.size(), kPageTextStart))
        return changed(PagePart::Table);
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
    // A written name holds no double quote, so the first one ends it; the height and the width are as typed, and
    // any split of them between the last " WIDTH=" writes the same.
    const std::size_t height = tag.find(kImageHeight);
    if (height == npos || height == 0 || height + kImageHeight.size() > width
        || !isWrittenPictureAddress(tag.substr(0, height)))
        return false;
    spec.pageImage = unescapePicture(tag.substr(0, height));
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

// A menu option line as its link entry, the address, a TAB and the description, added to the links. exact becomes
// false when the address holds a TAB, which the writer would take for the end of the address.
bool Reader::readOption(string_view line, bool& exact)
{
    constexpr string_view close = kOptionEnd.substr(0, kOptionEnd.size() - kNewLine.size());
    if (!line.ends_with(close) || line.size() < kOptionStart.size() + close.size())
        return false;
    const string_view both = line.substr(kOptionStart.size(), line.size() - kOptionStart.size() - close.size());
    // Nearly every option holds nothing that the writer escapes: one look finds its middle, that there is nothing
    // to undo and whether a TAB comes before the middle, and the two parts go in as they stand.
    std::size_t middle = npos;
    bool plain = true;
    bool tabInAddress = false;
    scan::visitEach(both, 0, scan::AnyOf<'"', '\\', '\'', '\r', '\n', '<', '\t'>{}, [&](std::size_t i) {
        if (both[i] == '\t') {
            tabInAddress = tabInAddress || middle == npos;
            return true;
        }
        plain = both[i] == '"';
        if (plain && middle == npos && i + 1 < both.size() && both[i + 1] == '>')
            middle = i;
        return plain;
    });
    if (!plain)
        middle = findAnchorMiddle(both, 0);
    if (middle == npos)
        return false;
    const string_view address = both.substr(0, middle);
    const string_view description = both.substr(middle + kAnchorMiddle.size());
    exact = exact && (plain ? !tabInAddress : address.find('\t') == npos);
    if (plain) {
        spec.links.pushJoined(address, '\t', description);
        return true;
    }
    unescaped.clear();
    if (!unescapeScript(address, unescaped))
        return false;
    unescaped += '\t';
    if (!unescapeScript(description, unescaped))
        return false;
    spec.links.push_back(unescaped);
    return true;
}

// The link list block ending at e: up from its last line to the first line that is not a link, counting, then down
// again, reading each; start is where the block begins.
bool Reader::readLinks(std::size_t e, Column column, std::size_t& start)
{
    spec.links.clear();
    spec.linkStyle = LinkStyle::Default;
    proven.links = {};
    const bool combo = endsAt(e, kMenuEnd);
    std::size_t linesEnd = e;
    if (combo) {
        spec.linkStyle = LinkStyle::ComboBox;
        const string_view go = column == Column::Left ? kGoButtonSpaced : kGoButtonFlush;
        linesEnd -= kMenuEnd.size();
        if (!endsAt(linesEnd, go) || !endsAt(linesEnd - go.size(), kSelectEnd))
            return changed(PagePart::JumpMenu);
        linesEnd -= go.size() + kSelectEnd.size();
        // The last option's line end: the sweep up the lines below starts before it.
        if (!endsAt(linesEnd, kNewLine))
            return changed(PagePart::JumpMenu);
    } else if (endsAt(e, kBlankLineEnd)) {
        start = e - kNewLine.size();
        if (headScript)
            return changed(PagePart::MenuScript);
        return true;
    } else if (!endsAt(e, kAnchorEnd)) {
        return changed(PagePart::LinkListEnd);
    }

    const string_view opening = combo ? kOptionStart : kAnchorStart;
    std::size_t first = linesEnd;
    lineStarts.clear();
    if (first >= front + kNewLine.size()) {
        // Up the line ends in one sweep; only a LF after a CR ends a line.
        scan::visitEachBackward(doc, first - kNewLine.size(), scan::AnyOf<'\n'>{}, [&](std::size_t feed) {
            if (feed == 0 || doc[feed - 1] != '\r')
                return true;
            const std::size_t line = feed + 1;
            if (line < front || !at(line, opening))
                return false;
            first = line;
            lineStarts.push_back(line);
            return first >= front + kNewLine.size();
        });
    }
    const std::size_t count = lineStarts.size();
    std::size_t p = first;
    if (combo) {
        if (count == 0 || !endsAt(p, kMenuStart))
            return changed(PagePart::JumpMenu);
        p -= kMenuStart.size();
    }
    if (count == 0 || !endsAt(p, kLinksStart))
        return changed(PagePart::LinkListStart);
    start = p - kLinksStart.size();

    spec.links.reserve(count, linesEnd - first);
    // The lines write back as they stand when no address holds a TAB, which the writer would take for the end of
    // the address: the anchors hold their texts as they are, and the menu's escapes are the only ones the writer
    // makes, for the only bytes it escapes.
    bool exact = true;
    for (std::size_t i = count; i-- > 0;) {
        const std::size_t end = (i == 0 ? linesEnd : lineStarts[i - 1]) - kNewLine.size();
        const string_view text = span(lineStarts[i], end);
        if (combo) {
            if (!readOption(text, exact))
                return changed(PagePart::JumpMenu);
        } else {
            constexpr string_view close = kAnchorEnd.substr(0, kAnchorEnd.size() - kNewLine.size());
            const std::size_t middle = findAnchorMiddle(text, kAnchorStart.size());
            if (!text.ends_with(close) || middle == npos || middle + kAnchorMiddle.size() + close.size() > text.size())
                return changed(PagePart::Link);
            const string_view address = text.substr(kAnchorStart.size(), middle - kAnchorStart.size());
            const string_view description = text.substr(middle + kAnchorMiddle.size(),
                                                        text.size() - middle - kAnchorMiddle.size() - close.size());
            exact = exact && address.find('\t') == npos;
            spec.links.pushJoined(address, '\t', description);
        }
    }
    if (headScript != combo)
        return changed(PagePart::MenuScript);
    if (exact)
        proven.links = span(first, linesEnd);
    return true;
}

// The page text from a, then the bullet list block up to linksStart.
bool Reader::readMiddle(std::size_t a, std::size_t linksStart, TextEnd textEnd)
{
    spec.bulletItems.clear();
    spec.bulletStyle = 0;
    proven.items = {};
    if (linksStart < a)
        return changed(PagePart::TextEnd);
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
        return changed(PagePart::BulletListStart);
    }
    if (!endsAt(linksStart, kBlankLineEnd))
        return changed(PagePart::BulletListEnd);
    if (!pageTextEndsAt(a, linksStart - kNewLine.size(), textEnd))
        return changed(PagePart::TextEnd);
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
    // The separators first, so that the list is allocated once; only those that begin before end count.
    const string_view items = doc.substr(0, end + kItemSeparator.size() - 1);
    static_assert(kItemSeparator.starts_with('\r'));
    itemEnds.clear();
    std::size_t next = start;
    scan::visitEach(items, start, scan::AnyOf<'\r'>{}, [&](std::size_t i) {
        if (i >= next && items.size() - i >= kItemSeparator.size()
            && sameBytes(items.data() + i, kItemSeparator.data(), kItemSeparator.size())) {
            itemEnds.push_back(i);
            next = i + kItemSeparator.size();
        }
        return true;
    });
    spec.bulletItems.reserve(itemEnds.size() + 1, end - start);
    std::size_t p = start;
    for (const std::size_t itemEnd : itemEnds) {
        spec.bulletItems.push_back(span(p, itemEnd));
        p = itemEnd + kItemSeparator.size();
    }
    spec.bulletItems.push_back(span(p, end));
    // Joined again with the separator they were split at, the items give back the same bytes.
    proven.items = span(start - kBulletItem.size(), end + kNewLine.size());
}

} // namespace larkspan::reading
