// SPDX-License-Identifier: GPL-3.0-or-later
// Any page description through both writers: no crash, the fixed start and end, and every text of the description
// in its place, unchanged but for the escapes the jump menu's script strings need.
#include "check.h"

#include "page/pagewriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

using namespace larkspan;

namespace {

// The input: four bytes for the choices, then the texts, separated by NUL bytes, in the order of the fields below;
// the texts after those are list entries, a link when it starts with byte 1 (the mark is dropped), else a bullet
// item. Texts thus hold any byte but NUL, which the writers treat like any other.
enum Choice : std::size_t { ChoiceLayout, ChoiceHeadingSize, ChoiceBulletStyle, ChoiceLinkStyle, ChoiceCount };
constexpr char LinkMark = '\x01';

struct Page {
    PageSpec spec;
    std::string createdOn;
};

Page readPage(std::string_view input)
{
    Page page;
    PageSpec& spec = page.spec;
    const auto choice = [&](std::size_t i) { return i < input.size() ? static_cast<signed char>(input[i]) : 0; };
    // Any layout and any list index, not only those the combo boxes offer.
    spec.layout = static_cast<LayoutStyle>(choice(ChoiceLayout));
    spec.headingSize = choice(ChoiceHeadingSize);
    spec.bulletStyle = choice(ChoiceBulletStyle);
    spec.linkStyle = choice(ChoiceLinkStyle) & 1 ? LinkStyle::ComboBox : LinkStyle::Default;
    input.remove_prefix(std::min(input.size(), std::size_t{ChoiceCount}));

    std::string* const fields[] = {&spec.title,
                                   &spec.heading,
                                   &spec.bgColorAttr,
                                   &spec.textColorAttr,
                                   &spec.linkColorAttr,
                                   &spec.visitedLinkColorAttr,
                                   &spec.activeLinkColorAttr,
                                   &spec.backgroundImage,
                                   &spec.pageImage,
                                   &spec.imageWidth,
                                   &spec.imageHeight,
                                   &spec.pageText,
                                   &spec.authorEmail,
                                   &page.createdOn};
    for (std::string* field : fields)
        field->clear();
    std::size_t index = 0;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        const std::string_view text = input.substr(0, end);
        input.remove_prefix(std::min(input.size(), end + 1));
        if (index < std::size(fields))
            *fields[index] = text;
        else if (text.starts_with(LinkMark))
            spec.links.push_back(text.substr(1));
        else
            spec.bulletItems.push_back(text);
        ++index;
    }
    return page;
}

bool contains(const std::string& document, const std::string& piece)
{
    return document.find(piece) != std::string::npos;
}

// The jump menu's script strings: backslash, quote and line ends as their escapes, "</" as "<\/".
std::string scriptEscaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '\\': out += "\\\\"; break;
        case '\'': out += "\\'"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default:
            out += text[i];
            if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '/')
                out += '\\';
        }
    }
    return out;
}

struct Link {
    std::string_view address;
    std::string_view description;
};

Link split(std::string_view entry)
{
    const std::size_t tab = entry.find('\t');
    if (tab == std::string_view::npos)
        return {entry, {}};
    return {entry.substr(0, tab), entry.substr(tab + 1)};
}

const std::string NL = "\r\n";

void checkDocument(const Page& page, const std::string& document, bool placesImage)
{
    const PageSpec& spec = page.spec;

    const std::string start = "<!-- This Document was Created with Larkspan 1.1 -->" + NL
        + "<!-- Get your own copy at http://www.larkspan.example/lks"
          " or contact the author at larkspan@larkspan.example-->"
        + NL + NL + "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">" + NL + NL + "<HTML>" + NL + "<HEAD>" + NL
        + "   <TITLE>" + (spec.title.empty() ? "Untitled" : spec.title) + "</TITLE>" + NL;
    FUZZ_CHECK(document.starts_with(start));

    const std::string email = spec.authorEmail.empty() ? std::string()
                                                       : "Email the author of this page at <A HREF=\"mailto:"
            + spec.authorEmail + "\">" + spec.authorEmail + "</A><BR>" + NL;
    const std::string end = NL + "<HR NOSHADE SIZE=1>" + NL + NL + email
        + "<A HREF=\"http://www.larkspan.example/lks/\">Created by the Larkspan</A> " + NL + "on " + page.createdOn + NL
        + NL + NL + "</BODY>" + NL + "</HTML>";
    FUZZ_CHECK(document.ends_with(end));

    // A picture's name stands in its address with "%", "#", "?" and '"' written as %-escapes.
    const auto address = [](const std::string& name) {
        std::string escaped;
        for (const char c : name) {
            if (c == '%')
                escaped += "%25";
            else if (c == '#')
                escaped += "%23";
            else if (c == '?')
                escaped += "%3F";
            else if (c == '"')
                escaped += "%22";
            else
                escaped += c;
        }
        return escaped;
    };
    const std::string background = spec.backgroundImage.empty()
        ? std::string()
        : " BACKGROUND=\"" + address(spec.backgroundImage) + "\"";
    FUZZ_CHECK(contains(document,
                        "</HEAD>" + NL + NL + "<BODY" + background + spec.bgColorAttr + spec.textColorAttr
                            + spec.linkColorAttr + spec.visitedLinkColorAttr + spec.activeLinkColorAttr + ">" + NL));

    if (!spec.heading.empty()) {
        const int level = spec.headingSize >= 0 && spec.headingSize <= 4 ? spec.headingSize + 1 : 6;
        const std::string h = std::to_string(level);
        FUZZ_CHECK(contains(document, "<CENTER><H" + h + ">" + spec.heading + "</H" + h + "></CENTER>" + NL));
    }

    FUZZ_CHECK(contains(document, "<!-- Page Text -->" + NL + spec.pageText + NL + "<P>" + NL));

    if (placesImage && !spec.pageImage.empty()) {
        FUZZ_CHECK(contains(document,
                            "<IMG SRC=\"" + address(spec.pageImage) + "\" BORDER=0 HEIGHT=" + spec.imageHeight
                                + " WIDTH=" + spec.imageWidth + " ALT=\"Image\""));
    }

    if (!spec.bulletItems.empty()) {
        const char* const type = spec.bulletStyle == 0 ? "disc" : spec.bulletStyle == 1 ? "square" : "circle";
        std::string list = "<!-- Begin Bullets -->" + NL + "<UL TYPE=\"" + type + "\">" + NL;
        for (const std::string_view item : spec.bulletItems)
            list += "   <LI>" + std::string(item) + NL;
        FUZZ_CHECK(contains(document, list + "</UL>" + NL));
    }

    if (!spec.links.empty()) {
        const bool menu = spec.linkStyle == LinkStyle::ComboBox;
        std::string entries;
        for (const std::string_view entry : spec.links) {
            const Link link = split(entry);
            if (menu) {
                entries += "document.write('<option value=\"" + scriptEscaped(link.address) + "\">"
                    + scriptEscaped(link.description) + "');" + NL;
            } else {
                entries += "<A HREF=\"" + std::string(link.address) + "\">" + std::string(link.description) + "</A><BR>"
                    + NL;
            }
        }
        const std::string list = "<!-- Begin Links -->" + NL
            + (menu ? "<SCRIPT LANGUAGE=\"JavaScript\">" + NL + "<!--" + NL
                       + "document.write('<form name=\"selecter\"><select name=\"select1\" size=1>');" + NL
                       + "document.write('<option value=none>Select your destination');" + NL
                       + "document.write('<option value=none>--------------------');" + NL + entries
                       + "document.write('</select>');" + NL
                    : entries);
        FUZZ_CHECK(contains(document, list));
    }
}

bool isBasic(LayoutStyle layout)
{
    return layout == LayoutStyle::BasicStyle || layout == LayoutStyle::BasicImageLeft
        || layout == LayoutStyle::BasicImageRight;
}

bool isTable(LayoutStyle layout)
{
    return layout == LayoutStyle::TableImageLeft || layout == LayoutStyle::TableImageRight;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Page page = readPage(std::string_view(reinterpret_cast<const char*>(data), size));

    // The target starts out holding text, which the document replaces.
    PageDocument document(page.createdOn);
    BuildBasicPage(page.spec, page.createdOn, document);
    checkDocument(page, std::string(document.text()), isBasic(page.spec.layout));
    BuildTablePage(page.spec, page.createdOn, document);
    checkDocument(page, std::string(document.text()), isTable(page.spec.layout));
    return 0;
}
