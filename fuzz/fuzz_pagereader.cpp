// SPDX-License-Identifier: GPL-3.0-or-later
// The page reader from both sides. An input whose first byte is even is a document: reading it either fails with a
// sentence or gives answers that write the document again, the maker's addresses taken as ours. An odd first byte
// makes the rest a page description the wizard could hold, whose document must read back to answers that write
// it byte for byte, also after a trip through the page file's encoding. Every reading given fits the wizard's boxes
// as a restatement of their limits here sees them.
#include "check.h"
#include "wellformedutf8.h"

#include "page/asciitext.h"
#include "page/pagereader.h"
#include "page/pagewriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

using namespace larkspan;

namespace {

const std::string kNewLine = "\r\n";
const std::string kOurMakerLines = "<!-- This Document was Created with Larkspan 1.1 -->\r\n"
                                   "<!-- Get your own copy at http://www.larkspan.example/lks"
                                   " or contact the author at larkspan@larkspan.example-->\r\n";
const std::string kCreditStart = "<A HREF=\"";
const std::string kOurCreditAddress = "http://www.larkspan.example/lks/";
const std::string kCreditEnd = "\">Created by the Larkspan</A> \r\non ";

std::string write(const PageSpec& spec, const std::string& createdOn)
{
    PageDocument document;
    const bool table = spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight;
    (table ? BuildTablePage : BuildBasicPage)(spec, createdOn, document);
    return std::string(document.text());
}

// The document with our own addresses where a page read as made by another build has its own: the first two lines
// and the address of the last credit link. Empty when it has no such places.
std::string withOurAddresses(std::string document)
{
    const auto first = document.find(kNewLine);
    const auto second = first == std::string::npos ? first : document.find(kNewLine, first + 2);
    const auto creditEnd = document.rfind(kCreditEnd);
    if (second == std::string::npos || creditEnd == std::string::npos || creditEnd < second)
        return {};
    const auto creditLine = document.rfind(kNewLine, creditEnd);
    const auto creditStart = creditLine == std::string::npos ? creditLine : creditLine + kNewLine.size();
    if (creditStart == std::string::npos || creditStart < second
        || document.compare(creditStart, kCreditStart.size(), kCreditStart) != 0)
        return {};
    document.replace(creditStart + kCreditStart.size(), creditEnd - creditStart - kCreditStart.size(),
                     kOurCreditAddress);
    document.replace(0, second + 2, kOurMakerLines);
    return document;
}

// The wizard's boxes, restated from what Qt's widgets do rather than from the reader's check: a one-line box holds
// 32767 UTF-16 units and no CR, LF, line or paragraph separator; the page text box ends its lines at CR LF and keeps
// a lone LF, so a lone CR or a separator would come back changed; a list holds 32767 entries; the Colors step shows
// "#" and six hexadecimal digits or one of the sixteen HTML 3.2 names.
bool fitsOneLineBox(std::string_view text)
{
    std::size_t units = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const fuzzutf8::Sequence s = fuzzutf8::wellFormedAt(rest);
        if (s.length == 0 || s.codePoint == '\r' || s.codePoint == '\n' || s.codePoint == 0x2028
            || s.codePoint == 0x2029)
            return false;
        units += s.codePoint > 0xFFFF ? 2 : 1;
        rest.remove_prefix(s.length);
    }
    return units <= 32767;
}

bool fitsTextBox(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
    return text.size() <= kPageTextLimit && fuzzutf8::isWellFormed(text)
        && text.find("\xE2\x80\xA8") == std::string_view::npos && text.find("\xE2\x80\xA9") == std::string_view::npos;
}

bool shownColour(std::string_view slot)
{
    if (slot.empty())
        return true;
    const auto open = slot.find('"');
    if (open == std::string_view::npos || slot.back() != '"')
        return false;
    std::string value(slot.substr(open + 1, slot.size() - open - 2));
    for (char& c : value)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (value.size() == 7 && value[0] == '#')
        return value.find_first_not_of("0123456789abcdef", 1) == std::string::npos;
    for (const char* name : {"aqua", "black", "blue", "fuchsia", "gray", "green", "lime", "maroon", "navy", "olive",
                             "purple", "red", "silver", "teal", "white", "yellow"})
        if (value == name)
            return true;
    return false;
}

bool fitsEveryBox(const PageSpec& spec)
{
    bool fits = fitsOneLineBox(spec.title) && fitsOneLineBox(spec.heading) && fitsOneLineBox(spec.backgroundImage)
        && fitsOneLineBox(spec.pageImage) && fitsOneLineBox(spec.authorEmail) && fitsTextBox(spec.pageText)
        && spec.bulletItems.size() <= 32767 && spec.links.size() <= 32767;
    for (const std::string* slot : {&spec.bgColorAttr, &spec.textColorAttr, &spec.linkColorAttr,
                                    &spec.visitedLinkColorAttr, &spec.activeLinkColorAttr})
        fits = fits && shownColour(*slot);
    for (const auto& entries : {spec.bulletItems, spec.links})
        for (const std::string_view entry : entries)
            fits = fits && fuzzutf8::isWellFormed(entry);
    return fits && fuzzutf8::isWellFormed(spec.imageWidth) && fuzzutf8::isWellFormed(spec.imageHeight);
}

void checkDocument(std::string_view input)
{
    const std::string document(input);
    const ReadResult result = ReadPage(document);
    FUZZ_CHECK(result.ok == (result.fault == ReadFault::None));
    if (result.ok) {
        std::string page = document;
        if (page.ends_with(kNewLine))
            page.resize(page.size() - kNewLine.size());
        FUZZ_CHECK(write(result.spec, result.createdOn) == withOurAddresses(page));
        FUZZ_CHECK(fitsEveryBox(result.spec));
    }
    // The page file's decoding gives well-formed UTF-8 whatever the bytes, and for well-formed text it undoes the
    // encoding exactly as far as the encoding can tell.
    FUZZ_CHECK(fuzzutf8::isWellFormed(DecodePageFile(input)));
    // Line ends are made CR LF when the first is not, so the encoding is undone exactly only when it is.
    const std::size_t firstEnd = input.find_first_of("\r\n");
    const bool crLfFirst = firstEnd == std::string_view::npos || input.substr(firstEnd, 2) == "\r\n";
    if (fuzzutf8::isWellFormed(input) && crLfFirst) {
        const std::string encoded = EncodeAsAscii(input);
        FUZZ_CHECK(EncodeAsAscii(DecodePageFile(encoded)) == encoded);
    }
}

// The description: six choice bytes, then texts separated by NUL bytes in the order of the fields below; the texts
// after those are bullet items, or links when they start with byte 1. Each field is then made what its box can hold.
PageSpec describedPage(std::string_view input, std::string& createdOn)
{
    enum Choice : std::size_t { Layout, HeadingSize, BulletStyle, LinkStyleChoice, Colours, ColourBits, Count };
    const auto choice = [&](std::size_t i) { return i < input.size() ? static_cast<unsigned char>(input[i]) : 0u; };
    PageSpec spec;
    spec.layout = static_cast<LayoutStyle>(1 + choice(Layout) % 5);
    spec.headingSize = static_cast<int>(choice(HeadingSize) % 6);
    spec.bulletStyle = static_cast<int>(choice(BulletStyle) % 3);
    spec.linkStyle = choice(LinkStyleChoice) & 1 ? LinkStyle::ComboBox : LinkStyle::Default;
    const char* const names[] = {" BGCOLOR=", " TEXT=", " LINK=", " VLINK=", " ALINK="};
    std::string* const colours[] = {&spec.bgColorAttr, &spec.textColorAttr, &spec.linkColorAttr,
                                    &spec.visitedLinkColorAttr, &spec.activeLinkColorAttr};
    for (std::size_t i = 0; i < std::size(colours); ++i) {
        static constexpr char hex[] = "0123456789ABCDEF";
        std::string value = "#";
        for (unsigned bits = choice(ColourBits) * 7919u + unsigned(i) * 104729u, n = 0; n < 6; ++n, bits /= 3)
            value += hex[bits % 16];
        *colours[i] = choice(Colours) >> i & 1 ? std::string(names[i]) + '"' + value + '"' : std::string();
    }
    input.remove_prefix(std::min(input.size(), std::size_t{Count}));

    // Erasing a separator can join the bytes around it into another, so they go until none is left.
    const auto withoutSeparators = [](std::string text) {
        for (std::size_t at; (at = text.find("\xE2\x80\xA8")) != std::string::npos
             || (at = text.find("\xE2\x80\xA9")) != std::string::npos;)
            text.erase(at, 3);
        return text;
    };
    const auto oneLine = [&](std::string text) {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        return withoutSeparators(text);
    };
    const auto textBox = [&](std::string text) {
        text = withoutSeparators(text);
        for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', cr + 2))
            if (cr + 1 == text.size() || text[cr + 1] != '\n')
                text.insert(cr + 1, 1, '\n');
        return text;
    };
    const auto digits = [](std::string text) {
        std::erase_if(text, [](char c) { return c < '0' || c > '9'; });
        return text;
    };
    std::string* const lines[] = {&spec.title,      &spec.heading,     &spec.backgroundImage, &spec.pageImage,
                                  &spec.imageWidth, &spec.imageHeight, &spec.authorEmail,     &createdOn};
    std::size_t index = 0;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        std::string text(input.substr(0, end));
        input.remove_prefix(std::min(input.size(), end + 1));
        if (index < std::size(lines))
            *lines[index] = lines[index] == &spec.imageWidth || lines[index] == &spec.imageHeight ? digits(text)
                                                                                                  : oneLine(text);
        else if (index == std::size(lines))
            spec.pageText = textBox(text);
        else if (text.starts_with('\x01')) {
            // The links page takes an address and a description, both not empty.
            std::string entry = oneLine(text.substr(1));
            if (entry.find('\t') == std::string::npos)
                entry += '\t';
            spec.links.push_back('a' + entry + 'd');
        } else {
            // Typed in a text box like the page text's, and read back on either side of it.
            spec.bulletItems.push_back(textBox(text));
        }
        ++index;
    }
    return spec;
}

void checkDescription(std::string_view input)
{
    std::string createdOn;
    const PageSpec spec = describedPage(input, createdOn);
    const std::string document = write(spec, createdOn);
    // The boxes hold only UTF-8, which is all the page file's decoding gives.
    if (!fuzzutf8::isWellFormed(document))
        return;
    for (const std::string& form : {document, document + kNewLine}) {
        const ReadResult result = ReadPage(form);
        if (!result.ok)
            std::fprintf(stderr, "fault %d (unfit %d, field %d)\n", int(result.fault), int(result.refusal.unfit),
                         int(result.refusal.field));
        FUZZ_CHECK(result.ok);
        FUZZ_CHECK(write(result.spec, result.createdOn) == document);
    }
    if (fuzzutf8::isWellFormed(document)) {
        const std::string file = EncodeAsAscii(document);
        const ReadResult result = ReadPage(DecodePageFile(file + kNewLine));
        FUZZ_CHECK(result.ok);
        FUZZ_CHECK(EncodeAsAscii(write(result.spec, result.createdOn)) == file);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        checkDescription(input);
    else
        checkDocument(input);
    return 0;
}
