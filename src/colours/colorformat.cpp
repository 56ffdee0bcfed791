// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours/colorformat.h"

namespace larkspan {

namespace {

// Uppercase hexadecimal without leading zeros, then padded to at least two digits.
std::string componentText(ColorRef value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (text.size() < 2)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

std::string FormatColor(ColorRef c)
{
    const ColorRef blue = c / 65536;
    const ColorRef green = (c - blue * 65536) / 256;
    const ColorRef red = c - blue * 65536 - green * 256;
    return '#' + componentText(red) + componentText(green) + componentText(blue);
}

std::string colorSlotText(ColorAttribute attribute, std::string_view colorText)
{
    std::string slot(properties(attribute).prefix);
    slot += '"';
    slot += colorText;
    slot += '"';
    return slot;
}

} // namespace larkspan
