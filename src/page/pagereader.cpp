// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/pagereader.h"

#include "page/pagefit.h"
#include "page/pagematch.h"
#include "page/pagereading.h"
#include "page/pagewriter.h"

#include <algorithm>
#include <array>
#include <string>

// The reader takes the fixed texts from both ends: the head from the front, then the footer, the link list and, in
// the table layouts, the cell after the text from the back. User texts that may span lines stand only in the
// middle (the page text and the bullet items), and one-line texts are taken whole between the fixed texts of their
// line, so the only open question is where the page text ends and the bullet list begins. The first place that fits
// is taken: the bullet items after it take up whatever follows, so an earlier fit writes the same bytes as a later
// one. Every step is one pass over its part of the document; at the end the writer, compared with the document as it
// goes, decides.
//
// This file reads the head and the footer and judges the reading; pagereaderbody.cpp reads what stands between.

namespace larkspan {

namespace reading {

bool Reader::readHead()
{
    const std::size_t end1 = lineEnd(0);
    if (end1 == npos)
        return notOurs(ReadFault::NotOurs);
    const string_view line1 = span(0, end1);
    if (!line1.starts_with(kMakerLine1Start) || !line1.ends_with(kCommentEnd))
        return notOurs(ReadFault::NotOurs);
    const std::size_t end2 = lineEnd(end1 + 2);
    if (end2 == npos)
        return notOurs(ReadFault::NotOurs);
    const string_view line2 = span(end1 + 2, end2);
    if (!line2.starts_with(kMakerLine2Start) || !line2.ends_with(kCommentEnd)
        || line2.find(kMakerLine2Middle, kMakerLine2Start.size()) == npos)
        return notOurs(ReadFault::NotOurs);
    maker.linesEnd = end2 + 2;

    std::size_t p = maker.linesEnd;
    const string_view headStart = kPrologue.substr(kMakerLines.size());
    if (!at(p, headStart))
        return notOurs(ReadFault::OtherHead);
    p += headStart.size();
    const std::size_t titleEnd = lineEnd(p);
    constexpr string_view titleClose = kTitleEnd.substr(0, kTitleEnd.size() - kNewLine.size());
    if (titleEnd == npos || !span(p, titleEnd).ends_with(titleClose))
        return changed(PagePart::TitleLine);
    const string_view title = span(p, titleEnd - titleClose.size());
    // An empty title is written as "Untitled"; reading it back as empty gives the same page.
    spec.title = title == kUntitled ? std::string() : std::string(title);
    p = titleEnd + kNewLine.size();
    if (at(p, kNavigationScript)) {
        headScript = true;
        p += kNavigationScript.size();
    }
    if (!at(p, kHeadEnd))
        return changed(PagePart::HeadEnd);
    p += kHeadEnd.size();

    const std::size_t bodyEnd = lineEnd(p);
    if (bodyEnd == npos || bodyEnd == p || doc[bodyEnd - 1] != '>' || !readBodyAttributes(span(p, bodyEnd - 1)))
        return changed(PagePart::BodyTag);
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
    spec.backgroundImage = image.empty()
        ? std::string()
        : unescapePicture(
            image.substr(kBackgroundStart.size(), image.size() - kBackgroundStart.size() - kQuote.size()));
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
        return changed(PagePart::Heading);
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
    return changed(PagePart::Heading);
}

bool Reader::readFooter()
{
    if (!endsAt(doc.size(), kDocumentEnd))
        return changed(PagePart::PageEnd);
    const std::size_t dateEnd = doc.size() - kDocumentEnd.size();
    const std::size_t dateLine = lineStart(dateEnd);
    const std::size_t dateStart = dateLine + kCreditEnd.size() - kCreditEnd.rfind(kNewLine) - kNewLine.size();
    if (dateLine < front + kNewLine.size() || dateStart > dateEnd || !endsAt(dateStart, kCreditEnd))
        return changed(PagePart::Footer);
    createdOn = span(dateStart, dateEnd);
    const std::size_t creditLine = lineStart(dateLine - kNewLine.size());
    if (creditLine < front || !at(creditLine, kCreditStart)
        || creditLine + kCreditStart.size() > dateStart - kCreditEnd.size())
        return changed(PagePart::Footer);
    maker.creditStart = creditLine + kCreditStart.size();
    maker.creditEnd = dateStart - kCreditEnd.size();

    spec.authorEmail.clear();
    std::size_t before = creditLine;
    if (before >= kNewLine.size() && lineStart(before - kNewLine.size()) != before - kNewLine.size()) {
        const std::size_t emailLine = lineStart(before - kNewLine.size());
        constexpr string_view close = kAnchorEnd.substr(0, kAnchorEnd.size() - kNewLine.size());
        const string_view line = span(emailLine, before - kNewLine.size());
        if (emailLine < front || !line.starts_with(kEmailStart) || !line.ends_with(close))
            return changed(PagePart::EmailLine);
        const string_view both = line.substr(kEmailStart.size(), line.size() - kEmailStart.size() - close.size());
        const std::size_t length = both.size() >= kAnchorMiddle.size() ? (both.size() - kAnchorMiddle.size()) / 2 : 0;
        if (length == 0 || both.size() != 2 * length + kAnchorMiddle.size()
            || both.substr(length, kAnchorMiddle.size()) != kAnchorMiddle
            || both.substr(0, length) != both.substr(length + kAnchorMiddle.size()))
            return changed(PagePart::EmailLine);
        spec.authorEmail = both.substr(0, length);
        before = emailLine;
    }
    if (!endsAt(before, kFooterStart))
        return changed(PagePart::Footer);
    footerStart = before - kFooterStart.size();
    return true;
}

std::size_t firstDifference(string_view input, string_view rewritten, const MakerTexts& maker)
{
    // Compared in three pieces, the maker's addresses left out; positions are the input's.
    const std::size_t tail = input.size() - maker.creditEnd;
    if (rewritten.size() < kMakerLines.size() + kCreditAddress.size() + tail)
        return maker.linesEnd;
    const std::size_t ourCreditEnd = rewritten.size() - tail;
    const string_view inputMiddle = input.substr(maker.linesEnd, maker.creditStart - maker.linesEnd);
    const string_view ourMiddle = rewritten.substr(kMakerLines.size(),
                                                   ourCreditEnd - kCreditAddress.size() - kMakerLines.size());
    if (inputMiddle == ourMiddle && rewritten.substr(ourCreditEnd) == input.substr(maker.creditEnd))
        return npos;
    const auto middle = std::mismatch(inputMiddle.begin(), inputMiddle.end(), ourMiddle.begin(), ourMiddle.end());
    if (middle.first != inputMiddle.end() || middle.second != ourMiddle.end())
        return maker.linesEnd + static_cast<std::size_t>(middle.first - inputMiddle.begin());
    if (rewritten.substr(ourCreditEnd) != input.substr(maker.creditEnd))
        return maker.creditEnd;
    return npos;
}

} // namespace reading

using namespace reading;

ReadResult ReadPage(const std::string& document)
{
    ReadResult result;
    string_view input = document;
    if (input.ends_with(kNewLine))
        input.remove_suffix(kNewLine.size());
    if (input.empty()) {
        result.fault = ReadFault::Empty;
        return result;
    }
    Reader reader(input);
    if (!reader.read()) {
        result.fault = reader.fault;
        result.part = reader.part;
        return result;
    }

    const std::string createdOn(reader.createdOn);
    // The document with our own maker's addresses in place of the input's, as the writer would give it.
    const std::array<string_view, 4> expected{
        kMakerLines, input.substr(reader.maker.linesEnd, reader.maker.creditStart - reader.maker.linesEnd),
        kCreditAddress, input.substr(reader.maker.creditEnd)};
    if (!WritesExactly(reader.spec, createdOn, expected, reader.proven)) {
        // Only a page that does not read is written out, to find the line to name.
        PageDocument rewritten;
        if (reader.spec.layout == LayoutStyle::TableImageLeft || reader.spec.layout == LayoutStyle::TableImageRight)
            BuildTablePage(reader.spec, createdOn, rewritten);
        else
            BuildBasicPage(reader.spec, createdOn, rewritten);
        if (const std::size_t difference = firstDifference(input, rewritten.text(), reader.maker); difference != npos) {
            result.fault = ReadFault::ChangedLine;
            result.line = std::size_t(
                std::count(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(difference), '\n') + 1);
            return result;
        }
    }
    // Checked last, as a refusal for this reason is rare and the text check reads the whole page once more.
    if (!IsWellFormedUtf8(input))
        result.refusal.unfit = Unfit::NotWellFormed;
    else
        result.refusal = FitsBoxes(reader.spec);
    if (result.refusal.unfit != Unfit::None) {
        result.fault = ReadFault::CannotHold;
        return result;
    }
    result.ok = true;
    result.spec = std::move(reader.spec);
    result.createdOn = createdOn;
    return result;
}

} // namespace larkspan
