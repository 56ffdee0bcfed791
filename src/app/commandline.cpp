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
    bool help = false;
    bool version = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
        } else {
            // Unknown options and file names alike: the wizard opens no page given to it.
            return {ExitUsage, {}, tr("Usage: larkspan [--help | --version]\n")};
        }
    }

    if (help) {
        return {0,
                tr("Usage: larkspan [OPTION]\n"
                   "Makes a web page step by step, without your having to know HTML.\n"
                   "Without an option it opens the wizard.\n"
                   "\n"
                   "  -h, --help     print this help and exit\n"
                   "  -v, --version  print the version and exit\n"),
                {}};
    }
    if (version)
        return {0, QStringLiteral("Larkspan %1\n").arg(QStringLiteral(LARKSPAN_VERSION)), {}};
    return {};
}

} // namespace larkspan
