// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCoreApplication>

namespace larkspan {

namespace {

constexpr int ExitUsage = 2;

// The options that Qt reads itself when the application starts, and whether each takes the next argument as its
// value. Desktop users and administrators set a style, a style sheet, the writing direction or the platform with
// them, as for any program made with Qt; the wizard passes them on untouched.
struct QtOption {
    QLatin1StringView name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {QLatin1StringView("-style"), true},           {QLatin1StringView("-stylesheet"), true},
    {QLatin1StringView("-platform"), true},        {QLatin1StringView("-platformpluginpath"), true},
    {QLatin1StringView("-platformtheme"), true},   {QLatin1StringView("-plugin"), true},
    {QLatin1StringView("-qwindowgeometry"), true}, {QLatin1StringView("-qwindowicon"), true},
    {QLatin1StringView("-qwindowtitle"), true},    {QLatin1StringView("-session"), true},
    {QLatin1StringView("-display"), true},         {QLatin1StringView("-name"), true},
    {QLatin1StringView("-title"), true},           {QLatin1StringView("-geometry"), true},
    {QLatin1StringView("-reverse"), false},        {QLatin1StringView("-widgetcount"), false},
    {QLatin1StringView("-nograb"), false},         {QLatin1StringView("-dograb"), false},
    {QLatin1StringView("-sync"), false},           {QLatin1StringView("-testability"), false},
};

// The Qt option that an argument names, with two hyphens as with one and its value after "=" or not.
const QtOption* qtOption(const QString& argument, bool& valueAttached)
{
    QStringView name(argument);
    if (name.startsWith(u"--"))
        name = name.mid(1);
    const qsizetype equals = name.indexOf(u'=');
    valueAttached = equals >= 0;
    if (valueAttached)
        name = name.left(equals);
    for (const QtOption& option : QtOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

// The words of the usage and help texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

CommandLineOutcome readCommandLine(const QStringList& arguments)
{
    const CommandLineOutcome usage{ExitUsage, {}, CommandLine::tr("Usage: larkspan [--help | --version | PAGE]\n"), {}};
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    QString page;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool valueAttached = false;
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            help = true;
        } else if (!optionsEnded && (argument == QLatin1String("-v") || argument == QLatin1String("--version"))) {
            version = true;
        } else if (const QtOption* qt = optionsEnded ? nullptr : qtOption(argument, valueAttached)) {
            // Its value, if it takes one and has none after "=", is the next argument.
            if (qt->takesValue && !valueAttached && ++i == arguments.size())
                return usage;
        } else if ((!optionsEnded && argument.startsWith(u'-')) || argument.isEmpty() || !page.isEmpty()) {
            // An unknown option, an empty name or a second page: the wizard opens one page at a time.
            return usage;
        } else {
            page = argument;
        }
    }

    if (help) {
        return {0,
                CommandLine::tr("Usage: larkspan [OPTION] [PAGE]\n"
                                "Makes a web page step by step, without your having to know HTML.\n"
                                "Without an option it opens the wizard; with PAGE, a page that Larkspan saved\n"
                                "earlier, it opens the wizard with that page's answers on every step.\n"
                                "\n"
                                "  -h, --help     print this help and exit\n"
                                "  -v, --version  print the version and exit\n"
                                "\n"
                                "Qt's standard options work as in every program made with Qt, among them\n"
                                "-style STYLE, -stylesheet FILE, -reverse and -platform NAME.\n"),
                {},
                {}};
    }
    if (version)
        return {0, QStringLiteral("Larkspan %1\n").arg(QStringLiteral(LARKSPAN_VERSION)), {}, {}};
    return {{}, {}, {}, page};
}

} // namespace larkspan
