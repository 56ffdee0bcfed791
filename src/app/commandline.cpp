// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCoreApplication>

namespace larkspan {

namespace {

constexpr int ExitUsage = 2;

QString tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

} // namespace

CommandLineOutcome readCommandLine(const QStringList& arguments)
{
    const CommandLineOutcome usage{ExitUsage, {}, tr("Usage: larkspan [--help | --version | PAGE]\n"), {}};
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    QString page;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            help = true;
        } else if (!optionsEnded && (argument == QLatin1String("-v") || argument == QLatin1String("--version"))) {
            version = true;
        } else if ((!optionsEnded && argument.startsWith(u'-')) || argument.isEmpty() || !page.isEmpty()) {
            // An unknown option, an empty name or a second page: the wizard opens one page at a time.
            return usage;
        } else {
            page = argument;
        }
    }

    if (help) {
        return {0,
                tr("Usage: larkspan [OPTION] [PAGE]\n"
                   "Makes a web page step by step, without your having to know HTML.\n"
                   "Without an option it opens the wizard; with PAGE, a page that Larkspan saved\n"
                   "earlier, it opens the wizard with that page's answers on every step.\n"
                   "\n"
                   "  -h, --help     print this help and exit\n"
                   "  -v, --version  print the version and exit\n"),
                {},
                {}};
    }
    if (version)
        return {0, QStringLiteral("Larkspan %1\n").arg(QStringLiteral(LARKSPAN_VERSION)), {}, {}};
    return {{}, {}, {}, page};
}

} // namespace larkspan
