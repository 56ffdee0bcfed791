// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/textlist.h"

#include <string>

namespace larkspan {

// List index of the layout style combo; None never reaches a writer.
enum class LayoutStyle : int {
    None = 0,
    BasicStyle = 1,
    BasicImageLeft = 2,
    BasicImageRight = 3,
    TableImageLeft = 4,
    TableImageRight = 5
};

enum class LinkStyle { Default, ComboBox };

// Everything the page writers read: the wizard's answers as the pages show them. Texts are UTF-8 and go into the
// document unchanged.
struct PageSpec {
    LayoutStyle layout = LayoutStyle::None;
    std::string title;
    std::string heading;
    int headingSize = 1; // list index: 0..4 give H1..H5, any other value H6
    std::string bgColorAttr = " BGCOLOR=\"#FFFFFF\"";
    std::string textColorAttr;
    std::string linkColorAttr;
    std::string visitedLinkColorAttr;
    std::string activeLinkColorAttr;
    std::string backgroundImage;
    std::string pageImage;
    std::string imageWidth;
    std::string imageHeight;
    std::string pageText;
    TextList bulletItems;
    int bulletStyle = 0; // list index: 0 disc, 1 square, any other value circle
    TextList links;      // address, TAB, description
    LinkStyle linkStyle = LinkStyle::Default;
    std::string authorEmail;

    friend bool operator==(const PageSpec&, const PageSpec&) = default;
};

} // namespace larkspan
