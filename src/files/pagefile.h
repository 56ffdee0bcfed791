// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"
#include "platform/outcome.h"

#include <QString>

#include <string>
#include <string_view>

namespace larkspan {

// Writes document (UTF-8) followed by one CR LF to the file, as ASCII with numeric character references (see
// EncodeAsAscii). fileName ends at its first NUL, as a file dialog's buffer hands it back; a name without folder is
// in the current folder. The file is replaced whole or not at all: on failure an existing file keeps its old content.
// A name that exists and is not a regular file (a pipe, a socket, a device, a folder) is refused; a symbolic link to
// a regular file writes that file.
[[nodiscard]] Outcome SavePageFile(const QString& fileName, std::string_view document);

// A page file read back: the answers that write it again and the footer's date as it stands, or why not.
struct LoadedPage {
    Outcome outcome;
    PageSpec spec;
    std::string createdOn;
};

// No page this program writes comes near this size; a larger file is something else, and is not read.
inline constexpr qint64 PageFileSizeLimit = 16 * 1024 * 1024;

// Reads a page file that this program saved, in ASCII or in the ANSI code page of older pages. A name that is not
// a regular file, a file over the size limit, one that cannot be read and one that is no page of ours all give
// their reason in one sentence for the user.
[[nodiscard]] LoadedPage LoadPageFile(const QString& fileName);

} // namespace larkspan
