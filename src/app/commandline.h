#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace larkspan {

// What the program's arguments ask for: the wizard (no exit code), or a text to print and the code to exit with.
struct CommandLineOutcome {
    std::optional<int> exitCode;
    QString output; // for the standard output
    QString error;  // for the standard error
};

// Reads the arguments, the program's own name first. The program takes no argument but --help and --version.
CommandLineOutcome readCommandLine(const QStringList& arguments);

} // namespace larkspan
