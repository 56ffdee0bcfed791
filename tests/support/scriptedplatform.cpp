// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedplatform.h"

#include <QDialog>
#include <QUrl>

#include <utility>

namespace larkspan {

namespace {

template <typename T>
T takeFront(std::deque<T>& queue, const T& fallback)
{
    if (queue.empty())
        return fallback;
    const T value = queue.front();
    queue.pop_front();
    return value;
}

QString describe(const QWidget* widget)
{
    return widget ? widget->objectName() : QStringLiteral("(none)");
}

} // namespace

QString toString(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QStringLiteral("none");
    case MessageIcon::Information: return QStringLiteral("information");
    case MessageIcon::Critical: return QStringLiteral("critical");
    }
    return {};
}

QString toString(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QStringLiteral("ok");
    case MessageButtons::YesNo: return QStringLiteral("yesno");
    case MessageButtons::YesNoDefaultNo: return QStringLiteral("yesno, default no");
    }
    return {};
}

QString toString(BusyScope scope)
{
    return scope == BusyScope::Application ? QStringLiteral("application") : QStringLiteral("window");
}

QString nameOf(PlatformCall call)
{
    static const char* const names[] = {"openFile", "saveFile",  "chooseColor",      "messageBox",
                                        "beep",     "runModal",  "showHelpContents", "showFileProperties",
                                        "openUrl",  "beginBusy", "endBusy"};
    return QLatin1String(names[int(call)]);
}

char* toString(PlatformCall call)
{
    return qstrdup(qPrintable(nameOf(call)));
}

int ScriptedPlatform::count(PlatformCall what) const
{
    return int(callsOf(what).size());
}

std::vector<ScriptedPlatform::Call> ScriptedPlatform::callsOf(PlatformCall what) const
{
    std::vector<Call> found;
    for (const Call& call : calls)
        if (call.what == what)
            found.push_back(call);
    return found;
}

QStringList ScriptedPlatform::messages() const
{
    QStringList texts;
    for (const Call& call : callsOf(PlatformCall::MessageBox))
        texts << call.args.value(0);
    return texts;
}

std::optional<OpenFileResult> ScriptedPlatform::openFile(const FileDialogRequest& request)
{
    calls.push_back({PlatformCall::OpenFile, {request.title, describe(request.owner)}});
    fileRequests.push_back(request);
    return takeFront(openAnswers, std::optional<OpenFileResult>{});
}

std::optional<SaveFileResult> ScriptedPlatform::saveFile(const FileDialogRequest& request)
{
    calls.push_back({PlatformCall::SaveFile, {request.title, describe(request.owner)}});
    fileRequests.push_back(request);
    return takeFront(saveAnswers, std::optional<SaveFileResult>{});
}

std::optional<ColorRef> ScriptedPlatform::chooseColor(QWidget* owner, CustomColors& customColors)
{
    calls.push_back({PlatformCall::ChooseColor, {describe(owner)}});
    colorDialogSlots.push_back(customColors);
    const ColorAnswer answer = takeFront(colorAnswers, ColorAnswer{});
    if (answer.color)
        customColors = answer.customColors;
    return answer.color;
}

MessageResult ScriptedPlatform::messageBox(QWidget* owner, const QString& text, MessageButtons buttons,
                                           MessageIcon icon, const QString& title)
{
    calls.push_back({PlatformCall::MessageBox, {text, toString(buttons), toString(icon), title, describe(owner)}});
    if (whileMessage)
        whileMessage(calls.back());
    const MessageResult fallback = buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
    return takeFront(messageAnswers, fallback);
}

void ScriptedPlatform::beep()
{
    calls.push_back({PlatformCall::Beep, {}});
}

void ScriptedPlatform::runModal(QDialog* window)
{
    calls.push_back({PlatformCall::RunModal, {describe(window)}});
    window->show();
    if (whileModal)
        whileModal(window);
    window->close();
}

Outcome ScriptedPlatform::showHelpContents(QWidget* owner, const QString& helpFile)
{
    calls.push_back({PlatformCall::ShowHelpContents, {helpFile, describe(owner)}});
    const QString error = takeFront(helpAnswers, QString());
    return error.isEmpty() ? Outcome{} : Outcome::failure(error);
}

int ScriptedPlatform::showFileProperties(QWidget* owner, const QString& path)
{
    calls.push_back({PlatformCall::ShowFileProperties, {path, describe(owner)}});
    return takeFront(propertiesAnswers, 42);
}

bool ScriptedPlatform::openUrl(const QUrl& address, std::function<void()> failedLater)
{
    calls.push_back({PlatformCall::OpenUrl, {address.toString()}});
    urlFailures.push_back(std::move(failedLater));
    return takeFront(openUrlAnswers, true);
}

void ScriptedPlatform::beginBusy(QWidget* window, BusyScope scope)
{
    ++busyDepth;
    calls.push_back({PlatformCall::BeginBusy, {toString(scope), describe(window)}});
}

void ScriptedPlatform::endBusy(QWidget* window, BusyScope scope)
{
    --busyDepth;
    calls.push_back({PlatformCall::EndBusy, {toString(scope), describe(window)}});
}

} // namespace larkspan
