// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixed texts of the page skeleton, shared by the writers and the reader so that both spell them alike.

#include <string_view>

#define CRLF "\r\n"

namespace larkspan::skeleton {

// Each constant is laid out line by line as the page shows it.
// clang-format off

using namespace std::string_view_literals;
using std::string_view;

inline constexpr string_view kNewLine = CRLF ""sv;

// The product's own addresses, fixed when the program is built. They stand in the two comment lines that open every
// page and in the footer's credit link; pages from another build of the program carry other addresses there.
#define LARKSPAN_MAKER_LINES                                                                                       \
    "<!-- This Document was Created with Larkspan 1.1 -->" CRLF                                                    \
    "<!-- Get your own copy at http://www.larkspan.example/lks"                                                    \
    " or contact the author at larkspan@larkspan.example-->" CRLF
#define LARKSPAN_CREDIT_ADDRESS "http://www.larkspan.example/lks/"

inline constexpr string_view kMakerLines = LARKSPAN_MAKER_LINES ""sv;
inline constexpr string_view kMakerLine1Start = "<!--"sv;
inline constexpr string_view kMakerLine2Start = "<!-- Get your own copy at "sv;
inline constexpr string_view kMakerLine2Middle = " or contact the author at "sv;
inline constexpr string_view kCommentEnd = "-->"sv;
inline constexpr string_view kPrologue =
    LARKSPAN_MAKER_LINES CRLF
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">" CRLF CRLF
    "<HTML>" CRLF
    "<HEAD>" CRLF
    "   <TITLE>"sv;
inline constexpr string_view kUntitled = "Untitled"sv;
inline constexpr string_view kTitleEnd = "</TITLE>" CRLF ""sv;

inline constexpr string_view kNavigationScript =
    CRLF "<SCRIPT LANGUAGE=\"JavaScript\">" CRLF
    "<!--// original code by the Larkspan authors 12/12/96" CRLF
    "function go(){" CRLF
    "if (document.selecter.select1.options[document.selecter.select1.selectedIndex].value != \"none\") {" CRLF
    "location = document.selecter.select1.options[document.selecter.select1.selectedIndex].value" CRLF
    "       }" CRLF
    "   }" CRLF
    "//-->" CRLF
    "</SCRIPT>" CRLF CRLF ""sv;

inline constexpr string_view kHeadEnd = "</HEAD>" CRLF CRLF "<BODY"sv;
inline constexpr string_view kBackgroundStart = " BACKGROUND=\""sv;
inline constexpr string_view kQuote = "\""sv;
inline constexpr string_view kBodyTagEnd = ">" CRLF ""sv;

inline constexpr string_view kHeaderStart = CRLF "<!-- Page Header -->" CRLF "<CENTER>"sv;
inline constexpr string_view kHeaderEnd = "</CENTER>" CRLF CRLF "<P>" CRLF CRLF ""sv;
// Indexed by headingSize; anything outside 0..4 falls through to the last entry, H6.
inline constexpr string_view kHeadingOpen[] = {"<H1>"sv, "<H2>"sv, "<H3>"sv, "<H4>"sv, "<H5>"sv, "<H6>"sv};
inline constexpr string_view kHeadingClose[] = {"</H1>"sv, "</H2>"sv, "</H3>"sv, "</H4>"sv, "</H5>"sv, "</H6>"sv};
inline constexpr int kLastHeading = 5;

inline constexpr string_view kPageTextStart = "<!-- Page Text -->" CRLF ""sv;
inline constexpr string_view kPageTextEnd = CRLF "<P>" CRLF ""sv;

inline constexpr string_view kImageStart = "<!-- Image -->" CRLF "<IMG SRC=\""sv;
inline constexpr string_view kCentredImageStart = "<!-- Image -->" CRLF "<CENTER><IMG SRC=\""sv;
inline constexpr string_view kImageHeight = "\" BORDER=0 HEIGHT="sv;
inline constexpr string_view kImageWidth = " WIDTH="sv;
inline constexpr string_view kImageAlt = " ALT=\"Image\""sv;
inline constexpr string_view kFloatLeftEnd = " ALIGN=\"LEFT\" HSPACE=5 VSPACE=5>" CRLF CRLF ""sv;
inline constexpr string_view kFloatRightEnd = " ALIGN=\"RIGHT\" HSPACE=5 VSPACE=5>" CRLF CRLF ""sv;
inline constexpr string_view kCentredEnd = "></CENTER>" CRLF CRLF "<P>" CRLF ""sv;
inline constexpr string_view kCellImageEnd = ">" CRLF ""sv;

inline constexpr string_view kBulletsStart = CRLF "<!-- Begin Bullets -->" CRLF "<UL TYPE=\""sv;
inline constexpr string_view kBulletTypes[] = {"disc\">" CRLF ""sv, "square\">" CRLF ""sv, "circle\">" CRLF ""sv};
inline constexpr int kCircleBullet = 2;
inline constexpr string_view kBulletItem = "   <LI>"sv;
inline constexpr string_view kBulletsEnd = "</UL>" CRLF ""sv;

inline constexpr string_view kLinksStart = CRLF "<!-- Begin Links -->" CRLF ""sv;
inline constexpr string_view kMenuStart =
    "<SCRIPT LANGUAGE=\"JavaScript\">" CRLF
    "<!--" CRLF
    "document.write('<form name=\"selecter\"><select name=\"select1\" size=1>');" CRLF
    "document.write('<option value=none>Select your destination');" CRLF
    "document.write('<option value=none>--------------------');" CRLF ""sv;
inline constexpr string_view kAnchorStart = "<A HREF=\""sv;
inline constexpr string_view kAnchorMiddle = "\">"sv;
inline constexpr string_view kAnchorEnd = "</A><BR>" CRLF ""sv;
inline constexpr string_view kOptionStart = "document.write('<option value=\""sv;
inline constexpr string_view kOptionEnd = "');" CRLF ""sv;
inline constexpr string_view kSelectEnd = "document.write('</select>');" CRLF ""sv;
inline constexpr string_view kGoButtonSpaced = "document.write('&nbsp; <INPUT TYPE=\"button\" VALUE=\"Go\""
                                        " onclick=\"go()\">');" CRLF ""sv;
// Kept as is: in the right-hand table column the Go button has no blank before it.
inline constexpr string_view kGoButtonFlush =
    "document.write('<INPUT TYPE=\"button\" VALUE=\"Go\" onclick=\"go()\">');" CRLF ""sv;
inline constexpr string_view kMenuEnd =
    "document.write('</form>');" CRLF
    "// end hiding contents -->" CRLF
    "</SCRIPT>" CRLF ""sv;

inline constexpr string_view kTableStart =
    "<TABLE WIDTH=100% BORDER=0 CELLPADDING=5>" CRLF
    "<TR>" CRLF
    "<!-- Left hand column -->" CRLF
    "<TD VALIGN=\"TOP\">" CRLF CRLF ""sv;
inline constexpr string_view kBetweenColumns =
    "</TD>" CRLF CRLF
    "<!-- Right hand column -->" CRLF
    "<TD VALIGN=\"TOP\">" CRLF CRLF ""sv;
inline constexpr string_view kTableEnd = CRLF "</TD>" CRLF "</TR>" CRLF "</TABLE>" CRLF CRLF ""sv;

inline constexpr string_view kFooterStart = CRLF "<HR NOSHADE SIZE=1>" CRLF CRLF ""sv;
inline constexpr string_view kEmailStart = "Email the author of this page at <A HREF=\"mailto:"sv;
inline constexpr string_view kCreditStart = "<A HREF=\""sv;
inline constexpr string_view kCreditAddress = LARKSPAN_CREDIT_ADDRESS ""sv;
inline constexpr string_view kCreditEnd = "\">Created by the Larkspan</A> " CRLF "on "sv;
inline constexpr string_view kCredit =
    "<A HREF=\"" LARKSPAN_CREDIT_ADDRESS "\">Created by the Larkspan</A> " CRLF "on "sv;
inline constexpr string_view kDocumentEnd = CRLF CRLF CRLF "</BODY>" CRLF "</HTML>"sv;

// clang-format on

} // namespace larkspan::skeleton

#undef LARKSPAN_MAKER_LINES
#undef LARKSPAN_CREDIT_ADDRESS
#undef CRLF
