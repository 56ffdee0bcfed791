// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colours/colorattribute.h"
#include "platform/platform.h"

#include <string>
#include <string_view>

namespace larkspan {

// The colour text of a colour: "#RRGGBB", uppercase, two digits each. c is 0x00BBGGRR.
std::string FormatColor(ColorRef c);

// The slot text of an attribute with a colour text: prefix, double quote, colour text, double quote.
std::string colorSlotText(ColorAttribute attribute, std::string_view colorText);

} // namespace larkspan
