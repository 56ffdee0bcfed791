// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/displayguard.h"
#include "app/helplocation.h"
#include "app/translations.h"
#include "files/filename.h"
#include "platform/qtplatform.h"
#include "wizard/frmwiz.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[])
{
    // Read before the application exists, so that --help and --version need no screen.
    // Each argument as its bytes, so that a page's name that is not UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << larkspan::fileNameFromBytes(argv[i]);
    larkspan::CommandLineOutcome outcome = larkspan::readCommandLine(arguments);
    if (outcome.exitCode) {
        // Read again in the desktop's language, which takes an application object but no screen.
        QCoreApplication core(argc, argv);
        larkspan::installTranslations();
        outcome = larkspan::readCommandLine(arguments);
        std::fputs(outcome.output.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.error.toLocal8Bit().constData(), stderr);
        return *outcome.exitCode;
    }

    std::optional<larkspan::DisplayGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    const QString language = larkspan::installTranslations();
    QApplication::setApplicationName(QStringLiteral("Larkspan"));
    QApplication::setApplicationVersion(QStringLiteral(LARKSPAN_VERSION));
    // The desktop finds the entry, and with it the icon, under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(LARKSPAN_APP_ID));
    larkspan::QtPlatform platform;
    // The window shows with its Welcome page, and builds the others once that is on the screen.
    larkspan::frmWiz window(
        platform,
        larkspan::helpContentsFile(QApplication::applicationDirPath(), QStringLiteral(LARKSPAN_HELP_FILE), language),
        nullptr, larkspan::frmWiz::Building::WelcomeFirst);
    window.show();
    // A page that cannot be opened is named in a message over the wizard, which then starts empty.
    if (!outcome.pageFile.isEmpty())
        window.openPage(outcome.pageFile);
    return app.exec();
}
