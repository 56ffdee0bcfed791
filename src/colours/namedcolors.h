// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <string_view>

namespace larkspan {

// The items of every colour menu, by index.
inline constexpr int ColorMenuItemCount = 18;
inline constexpr int CustomColorItem = 0;
inline constexpr int ColorSeparatorItem = 1;
inline constexpr int FirstNamedColorItem = 2;

// One of the sixteen named colours of HTML 3.2 as its colour menu item offers it. The caption is translated in the
// ColourPage context; colorText is always FormatColor of the components.
struct NamedColor {
    int menuIndex;
    const char* caption;
    int red;
    int green;
    int blue;
    std::string_view colorText;

    constexpr ColorRef value() const { return ColorRef(red) | ColorRef(green) << 8 | ColorRef(blue) << 16; }
};

inline constexpr std::array<NamedColor, 16> NamedColors{{
    {2, QT_TRANSLATE_NOOP("ColourPage", "&Aqua"), 0, 255, 255, "#00FFFF"},
    {3, QT_TRANSLATE_NOOP("ColourPage", "&Black"), 0, 0, 0, "#000000"},
    {4, QT_TRANSLATE_NOOP("ColourPage", "Bl&ue"), 0, 0, 255, "#0000FF"},
    {5, QT_TRANSLATE_NOOP("ColourPage", "&Fuchsia"), 255, 0, 255, "#FF00FF"},
    {6, QT_TRANSLATE_NOOP("ColourPage", "&Gray"), 128, 128, 128, "#808080"},
    {7, QT_TRANSLATE_NOOP("ColourPage", "Gr&een"), 0, 128, 0, "#008000"},
    {8, QT_TRANSLATE_NOOP("ColourPage", "&Lime"), 0, 255, 0, "#00FF00"},
    {9, QT_TRANSLATE_NOOP("ColourPage", "&Maroon"), 128, 0, 0, "#800000"},
    {10, QT_TRANSLATE_NOOP("ColourPage", "&Navy"), 0, 0, 128, "#000080"},
    {11, QT_TRANSLATE_NOOP("ColourPage", "&Olive"), 128, 128, 0, "#808000"},
    {12, QT_TRANSLATE_NOOP("ColourPage", "&Purple"), 128, 0, 128, "#800080"},
    {13, QT_TRANSLATE_NOOP("ColourPage", "&Red"), 255, 0, 0, "#FF0000"},
    {14, QT_TRANSLATE_NOOP("ColourPage", "&Silver"), 192, 192, 192, "#C0C0C0"},
    {15, QT_TRANSLATE_NOOP("ColourPage", "&Teal"), 0, 128, 128, "#008080"},
    {16, QT_TRANSLATE_NOOP("ColourPage", "&White"), 255, 255, 255, "#FFFFFF"},
    {17, QT_TRANSLATE_NOOP("ColourPage", "&Yellow"), 255, 255, 0, "#FFFF00"},
}};

// The named colour of a menu item; null for "Custom..." and the separator.
constexpr const NamedColor* namedColorAt(int menuIndex)
{
    if (menuIndex < FirstNamedColorItem || menuIndex >= ColorMenuItemCount)
        return nullptr;
    return &NamedColors[std::size_t(menuIndex - FirstNamedColorItem)];
}

} // namespace larkspan
