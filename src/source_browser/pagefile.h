#pragma once

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

} // namespace larkspan
