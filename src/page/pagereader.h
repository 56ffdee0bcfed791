// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace larkspan {

// What the wizard's boxes and lists hold. A one-line box holds 32767 UTF-16 units and no line break; each list
// 32767 entries. The page text box takes any length, but lays out every line when it is filled: at kPageTextLimit
// bytes of empty lines, its slowest case, opening the page, showing the Text step and pressing the Source Browser
// take some 0.4 s together on a busy two-core machine (bench_sourcebrowser), where 16 MB took over ten seconds.
inline constexpr std::size_t kLineBoxLimit = 32767;
inline constexpr std::size_t kListLimit = 32767;
inline constexpr std::size_t kPageTextLimit = 512 * 1024;

// The answers a refusal is about, in the order of the wizard's pages.
enum class PageField {
    Title,
    Heading,
    BackgroundColour,
    TextColour,
    LinkColour,
    VisitedLinkColour,
    ActiveLinkColour,
    BackgroundImage,
    PageImage,
    PageText,
    BulletItems,
    Links,
    AuthorEmail
};

// Why a page that reads would not survive its answers' boxes; the GUI words it.
enum class Unfit {
    None,
    TooLong,      // field longer than limit (UTF-16 units, bytes for the page text); count says how long
    LineBreak,    // a line break in a one-line box, or one the page text box would change
    TooMany,      // more than limit entries in a list; count says how many
    OtherColour,  // a colour that is neither #RRGGBB nor an HTML 3.2 name; text holds it
    NotWellFormed // a text that is not UTF-8, which no box holds
};

struct Refusal {
    Unfit unfit = Unfit::None;
    PageField field = PageField::Title;
    std::size_t limit = 0;
    std::size_t count = 0;
    std::string text;
};

// Why a document gives no answers.
enum class ReadFault {
    None,
    Empty,       // it holds nothing
    NotOurs,     // it does not begin with the comment lines the writer writes
    OtherHead,   // its head is not the one the writer writes
    Changed,     // a part of it, ReadResult::part, is not as the writer writes it
    ChangedLine, // writing its answers again gives another text from line ReadResult::line on
    CannotHold   // a box cannot hold one of its answers as it is: ReadResult::refusal says which and why
};

// The part of a page that was changed.
enum class PagePart {
    TitleLine,
    HeadEnd,
    BodyTag,
    Heading,
    Table,
    PageImage,
    TextStart,
    TextEnd,
    BulletListStart,
    BulletListEnd,
    LinkListStart,
    Link,
    JumpMenu,
    MenuScript,
    LinkListEnd,
    EmailLine,
    Footer,
    PageEnd
};

// What a saved page says about the answers that made it.
struct ReadResult {
    bool ok = false;
    PageSpec spec;                       // the answers, when ok
    std::string createdOn;               // the footer's date text as written, when ok
    ReadFault fault = ReadFault::None;   // when not ok: why
    PagePart part = PagePart::TitleLine; // for ReadFault::Changed: where
    std::size_t line = 0;                // for ReadFault::ChangedLine: the first line that differs, from 1
    Refusal refusal;                     // for ReadFault::CannotHold: which answer, and why
};

// The colour of a colour attribute's value, 0xRRGGBB: "#" and six hexadecimal digits in any case, or one of the
// sixteen colour names of HTML 3.2 in any case. Nothing for any other value.
std::optional<std::uint32_t> ColourOfValue(std::string_view value);
// The same for a whole attribute text as the colour slots hold it (" BGCOLOR=\"yellow\""), whatever its name.
std::optional<std::uint32_t> ColourOfSlot(std::string_view slot);

// Reads back a document written by BuildBasicPage or BuildTablePage: UTF-8 text with CR LF line ends,
// without the page file's final CR LF (it may be present; it is ignored).
//
// A reading is only given when writing it again gives the document byte for byte, with one allowance: the maker's
// addresses, that is the variable parts of the two comment lines that open the page and the address of the footer's
// credit link, may be those of another build of the program. They are compared as if they were ours, and writing
// the result gives our own. Where the text alone allows several readings (a page text that holds the lines of a
// bullet list, say), the one found is one that writes the same document; the result says which answers give this
// page, not necessarily the very answers that were typed. A reading whose answers the wizard's boxes cannot hold as
// they are (see Unfit) is refused, as is one not in well-formed UTF-8: no box would give it back.
ReadResult ReadPage(const std::string& document);

} // namespace larkspan
