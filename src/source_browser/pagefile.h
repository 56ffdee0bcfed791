#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace larkspan {

// What became of writing the page file: written, or the system's reason why not.
struct PageFileResult {
    bool ok = true;
    QString reason;

    explicit operator bool() const { return ok; }
};

// Writes document (UTF-8) followed by one CR LF to the file, as Windows-1252 text. fileName ends at its first NUL, as
// a file dialog's buffer hands it back; a name without folder is in the current folder. The file is replaced whole
// or not at all: on failure an existing file keeps its old content.
[[nodiscard]] PageFileResult SavePageFile(const QString& fileName, std::string_view document);

// UTF-8 to Windows-1252; a character that code page cannot hold becomes a numeric character reference ("&#26085;")
// and a byte that is not UTF-8 the reference of the replacement character. Nothing when no converter is available.
std::optional<std::string> toWindows1252(std::string_view utf8);

} // namespace larkspan
