// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/asciitext.h"
#include "page/pagereader.h"

#include <string_view>

namespace larkspan {

// Whether the wizard's boxes and lists hold every answer of spec as it is; the first that they do not, and why.
// The check is of the answers only; the document as a whole must be well-formed UTF-8 (IsWellFormedUtf8).
Refusal FitsBoxes(const PageSpec& spec);

} // namespace larkspan
