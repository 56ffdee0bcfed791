// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader's check of its reading, which the writers answer without writing the page. Not part of the core's
// interface.

#include "page/pagespec.h"

#include <span>
#include <string>
#include <string_view>

namespace larkspan {

// Blocks of the parts that the reader took apart in a way whose writing gives back exactly their bytes: the bullet
// items, split at each separator that the writer puts between them, and the links when no address holds a TAB.
// The check passes over such a block without comparing it when it stands where the writer is about to write that
// list. Empty when there is none.
struct ProvenBlocks {
    std::string_view items; // from the first item's opening tag to the last item's line end
    std::string_view links; // from the first link's line to the last one's line end
};

// Whether BuildBasicPage or BuildTablePage, as spec's layout chooses, gives exactly the parts joined.
bool WritesExactly(const PageSpec& spec, const std::string& createdOn, std::span<const std::string_view> parts,
                   ProvenBlocks proven = {});

} // namespace larkspan
