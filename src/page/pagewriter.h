// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"

#include <string>

namespace larkspan {

// Replaces target with the whole document; createdOn is the footer's date, already formatted.
void BuildBasicPage(const PageSpec& spec, const std::string& createdOn, std::string& target);
void BuildTablePage(const PageSpec& spec, const std::string& createdOn, std::string& target);

} // namespace larkspan
