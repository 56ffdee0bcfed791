// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagedocument.h"
#include "page/pagespec.h"

#include <string>

namespace larkspan {

// Replaces target with the whole document; createdOn is the footer's date, already formatted.
void BuildBasicPage(const PageSpec& spec, const std::string& createdOn, PageDocument& target);
void BuildTablePage(const PageSpec& spec, const std::string& createdOn, PageDocument& target);

} // namespace larkspan
