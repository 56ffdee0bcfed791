// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"
#include "platform/platform.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace larkspan {

// The five body colour attributes, in this order everywhere: slots, menus, check boxes, colour buttons.
enum class ColorAttribute : int { Background = 0, Text = 1, Link = 2, VisitedLink = 3, ActiveLink = 4 };
inline constexpr int ColorAttributeCount = 5;

inline constexpr std::array<ColorAttribute, ColorAttributeCount> AllColorAttributes{
    ColorAttribute::Background, ColorAttribute::Text, ColorAttribute::Link, ColorAttribute::VisitedLink,
    ColorAttribute::ActiveLink};

// Everything that differs between the five attributes; all else is the same for all five. The captions are
// translated in the ColourPage context.
struct ColorAttributeProperties {
    std::string_view prefix;     // begins with a blank, ends with "="
    std::string PageSpec::*slot; // where the page writers find the attribute text
    const char* menuName;        // the items of its colour menu
    const char* hiddenMenuName;  // the top-level menu that holds them, never on a menu bar
    const char* hiddenMenuCaption;
    const char* sampleCaption;          // its sample in the preview; null: the preview's background area
    std::optional<ColorRef> resetColor; // preview colour after reset; none: the desktop's button text colour
    std::string_view resetSlot;         // slot text after reset
    const char* checkBoxCaption;
    int defaultItem; // the menu item checked when the attribute's box is ticked
};

inline constexpr std::array<ColorAttributeProperties, ColorAttributeCount> ColorAttributeTable{{
    {" BGCOLOR=", &PageSpec::bgColorAttr, "mnuColors", "zmnuColors0", QT_TRANSLATE_NOOP("ColourPage", "Color"), nullptr,
     ColorRef(0xFFFFFF), " BGCOLOR=\"#FFFFFF\"", QT_TRANSLATE_NOOP("ColourPage", "Backg&round Color"), 16},
    {" TEXT=", &PageSpec::textColorAttr, "mnuColors1", "zmnuColors1", QT_TRANSLATE_NOOP("ColourPage", "Color1"),
     QT_TRANSLATE_NOOP("ColourPage", "Text"), std::nullopt, "", QT_TRANSLATE_NOOP("ColourPage", "&Text Color"), 3},
    {" LINK=", &PageSpec::linkColorAttr, "mnuColors2", "zmnuColors2", QT_TRANSLATE_NOOP("ColourPage", "Color2"),
     QT_TRANSLATE_NOOP("ColourPage", "Link"), ColorRef(0xFF0000), "", QT_TRANSLATE_NOOP("ColourPage", "&Link Color"),
     4},
    {" VLINK=", &PageSpec::visitedLinkColorAttr, "mnuColors3", "zmnuColors3", QT_TRANSLATE_NOOP("ColourPage", "Color3"),
     QT_TRANSLATE_NOOP("ColourPage", "Visited Link"), ColorRef(0x800080), "",
     QT_TRANSLATE_NOOP("ColourPage", "&Visited Link Color"), 12},
    {" ALINK=", &PageSpec::activeLinkColorAttr, "mnuColors4", "zmnuColors4", QT_TRANSLATE_NOOP("ColourPage", "Color4"),
     QT_TRANSLATE_NOOP("ColourPage", "Active Link"), ColorRef(0x0000FF), "",
     QT_TRANSLATE_NOOP("ColourPage", "&Active Link Color"), 13},
}};

constexpr const ColorAttributeProperties& properties(ColorAttribute attribute)
{
    return ColorAttributeTable[std::size_t(attribute)];
}

} // namespace larkspan
