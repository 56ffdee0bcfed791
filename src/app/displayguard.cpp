// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displayguard.h"

#include "app/translations.h"

#include <QCoreApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace larkspan {

namespace {

// The context's strings are Qt's own literals, which outlive the guard.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* held = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held->append({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    // No application object exists yet to carry a translator.
    const QString line = translateBeforeStart(
        "CommandLine",
        QT_TRANSLATE_NOOP("CommandLine",
                          "larkspan: no display found; it needs a graphical desktop (X11 or Wayland)\n"));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard()
{
    held = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *held) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
    delete held;
    held = nullptr;
}

} // namespace larkspan
