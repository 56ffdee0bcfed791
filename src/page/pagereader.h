// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"

#include <string>

namespace larkspan {

// What a saved page says about the answers that made it.
struct ReadResult {
    bool ok = false;
    PageSpec spec;         // the answers, when ok
    std::string createdOn; // the footer's date text as written, when ok
    std::string error;     // when not ok: one sentence for the user, saying what does not fit
};

// Reads back a document written by BuildBasicPage or BuildTablePage: UTF-8 text with CR LF line ends,
// without the page file's final CR LF (it may be present; it is ignored).
//
// A reading is only given when writing it again gives the document byte for byte, with one allowance: the maker's
// addresses, that is the variable parts of the two comment lines that open the page and the address of the footer's
// credit link, may be those of another build of the program. They are compared as if they were ours, and writing
// the result gives our own. Where the text alone allows several readings (a page text that holds the lines of a
// bullet list, say), the one found is one that writes the same document; the result says which answers give this
// page, not necessarily the very answers that were typed.
ReadResult ReadPage(const std::string& document);

} // namespace larkspan
