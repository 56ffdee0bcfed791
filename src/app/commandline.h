// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace larkspan {

// What the program's arguments ask for: the wizard (no exit code), or a text to print and the code to exit with.
struct CommandLineOutcome {
    std::optional<int> exitCode;
    QString output;   // for the standard output
    QString error;    // for the standard error
    QString pageFile; // for the wizard: a page saved earlier, to open
};

// Reads the arguments, the program's own name first: --help, --version, or the name of one page to open (after
// "--" also a name that begins with a hyphen).
CommandLineOutcome readCommandLine(const QStringList& arguments);

} // namespace larkspan
