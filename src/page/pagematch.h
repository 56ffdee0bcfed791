// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader's check of its reading, which the writers answer without writing the page. Not part of the core's
// interface.

#include "page/pagespec.h"

#include <span>
#include <string>
#include <string_view>

namespace larkspan {

// Whether BuildBasicPage or BuildTablePage, as spec's layout chooses, gives exactly the parts joined.
bool WritesExactly(const PageSpec& spec, const std::string& createdOn, std::span<const std::string_view> parts);

} // namespace larkspan
