// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/pagefit.h"

#include "page/asciitext.h"

#include <algorithm>
#include <array>
#include <cctype>

// Whether the wizard's boxes hold a reading as it is. A one-line box keeps at most its length in UTF-16 units and
// drops or changes line breaks; the page text box takes its lines at CR LF, so a lone CR and the Unicode line and
// paragraph separators, which it uses for its own line ends, would come back as something else.

namespace larkspan {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

struct NamedValue {
    std::string_view name;
    std::uint32_t rgb;
};

// The sixteen colour names of HTML 3.2.
constexpr std::array<NamedValue, 16> kColourNames{{{"aqua", 0x00FFFF},
                                                   {"black", 0x000000},
                                                   {"blue", 0x0000FF},
                                                   {"fuchsia", 0xFF00FF},
                                                   {"gray", 0x808080},
                                                   {"green", 0x008000},
                                                   {"lime", 0x00FF00},
                                                   {"maroon", 0x800000},
                                                   {"navy", 0x000080},
                                                   {"olive", 0x808000},
                                                   {"purple", 0x800080},
                                                   {"red", 0xFF0000},
                                                   {"silver", 0xC0C0C0},
                                                   {"teal", 0x008080},
                                                   {"white", 0xFFFFFF},
                                                   {"yellow", 0xFFFF00}}};

bool sameLetters(std::string_view a, std::string_view lower)
{
    return a.size() == lower.size() && std::equal(a.begin(), a.end(), lower.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == y;
           });
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The length in UTF-16 units of well-formed UTF-8: a unit for every lead byte, two for a four-byte sequence.
std::size_t utf16Length(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        n += (b & 0xC0) != 0x80;
        n += b >= 0xF0;
    }
    return n;
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos || text.find(kLineSeparator) != std::string_view::npos
        || text.find(kParagraphSeparator) != std::string_view::npos;
}

// A CR not followed by LF, or a separator the text box keeps its own line ends in.
bool hasChangedBreak(std::string_view text)
{
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1))
        if (cr + 1 == text.size() || text[cr + 1] != '\n')
            return true;
    return text.find(kLineSeparator) != std::string_view::npos
        || text.find(kParagraphSeparator) != std::string_view::npos;
}

} // namespace

std::optional<std::uint32_t> ColourOfValue(std::string_view value)
{
    if (value.size() == 7 && value[0] == '#') {
        std::uint32_t rgb = 0;
        for (std::size_t i = 1; i < value.size(); ++i) {
            const int digit = hexDigit(value[i]);
            if (digit < 0)
                return std::nullopt;
            rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
        }
        return rgb;
    }
    for (const NamedValue& named : kColourNames)
        if (sameLetters(value, named.name))
            return named.rgb;
    return std::nullopt;
}

std::optional<std::uint32_t> ColourOfSlot(std::string_view slot)
{
    const std::size_t equals = slot.find("=\"");
    if (equals == std::string_view::npos || slot.size() < equals + 3 || slot.back() != '"')
        return std::nullopt;
    return ColourOfValue(slot.substr(equals + 2, slot.size() - equals - 3));
}

Refusal FitsBoxes(const PageSpec& spec)
{
    Refusal refusal;
    const auto refuse = [&](Unfit unfit, PageField field, std::size_t limit = 0, std::size_t count = 0) {
        refusal.unfit = unfit;
        refusal.field = field;
        refusal.limit = limit;
        refusal.count = count;
        return refusal;
    };

    const std::array<std::pair<const std::string*, PageField>, 5> lines{
        {{&spec.title, PageField::Title},
         {&spec.heading, PageField::Heading},
         {&spec.backgroundImage, PageField::BackgroundImage},
         {&spec.pageImage, PageField::PageImage},
         {&spec.authorEmail, PageField::AuthorEmail}}};
    const std::array<std::pair<const std::string*, PageField>, 5> colours{
        {{&spec.bgColorAttr, PageField::BackgroundColour},
         {&spec.textColorAttr, PageField::TextColour},
         {&spec.linkColorAttr, PageField::LinkColour},
         {&spec.visitedLinkColorAttr, PageField::VisitedLinkColour},
         {&spec.activeLinkColorAttr, PageField::ActiveLinkColour}}};
    for (const auto& [text, field] : lines) {
        if (hasLineBreak(*text))
            return refuse(Unfit::LineBreak, field);
        if (const std::size_t length = utf16Length(*text); length > kLineBoxLimit)
            return refuse(Unfit::TooLong, field, kLineBoxLimit, length);
    }
    for (const auto& [slot, field] : colours) {
        if (!slot->empty() && !ColourOfSlot(*slot)) {
            refuse(Unfit::OtherColour, field);
            const std::size_t equals = slot->find("=\"");
            refusal.text = equals == std::string::npos ? *slot : slot->substr(equals + 2, slot->size() - equals - 3);
            return refusal;
        }
    }
    if (spec.pageText.size() > kPageTextLimit)
        return refuse(Unfit::TooLong, PageField::PageText, kPageTextLimit, spec.pageText.size());
    if (hasChangedBreak(spec.pageText))
        return refuse(Unfit::LineBreak, PageField::PageText);
    if (spec.bulletItems.size() > kListLimit)
        return refuse(Unfit::TooMany, PageField::BulletItems, kListLimit, spec.bulletItems.size());
    if (spec.links.size() > kListLimit)
        return refuse(Unfit::TooMany, PageField::Links, kListLimit, spec.links.size());
    return refusal;
}

} // namespace larkspan
