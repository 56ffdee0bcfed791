// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace larkspan {

// The calls that the scripted platform records, by the name of the platform's function.
enum class PlatformCall {
    OpenFile,
    SaveFile,
    ChooseColor,
    MessageBox,
    Beep,
    RunModal,
    ShowHelpContents,
    ShowFileProperties,
    OpenUrl,
    BeginBusy,
    EndBusy
};

// A platform for tests: plays back queued answers and records every call with its arguments.
// With no answer queued, dialogs are cancelled, message boxes answer OK (or No), help and properties succeed.
class ScriptedPlatform final : public Platform {
public:
    struct Call {
        PlatformCall what;
        QStringList args;
    };

    struct ColorAnswer {
        std::optional<ColorRef> color; // nullopt: cancelled
        CustomColors customColors{};   // what the user left in the custom slots
    };

    std::deque<std::optional<OpenFileResult>> openAnswers;
    std::deque<std::optional<SaveFileResult>> saveAnswers;
    std::deque<ColorAnswer> colorAnswers;
    std::deque<MessageResult> messageAnswers;
    std::deque<QString> helpAnswers;
    std::deque<int> propertiesAnswers;
    std::deque<bool> openUrlAnswers; // whether a program took the address; true when none is queued
    // The failedLater of every openUrl call, in order: a test runs one as the launcher finding no program later.
    std::vector<std::function<void()>> urlFailures;
    // Runs while a window is "shown modally"; the window is then closed, as a user would.
    std::function<void(QDialog*)> whileModal;
    // Runs while a message box is "shown", before it answers.
    std::function<void(const Call&)> whileMessage;

    std::vector<Call> calls;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<CustomColors> colorDialogSlots; // the custom slots each colour dialog opened with
    int busyDepth = 0;

    int count(PlatformCall what) const;
    std::vector<Call> callsOf(PlatformCall what) const;
    QStringList messages() const; // the texts of all message boxes, in order

    std::optional<OpenFileResult> openFile(const FileDialogRequest& request) override;
    std::optional<SaveFileResult> saveFile(const FileDialogRequest& request) override;
    std::optional<ColorRef> chooseColor(QWidget* owner, CustomColors& customColors) override;
    MessageResult messageBox(QWidget* owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                             const QString& title) override;
    void beep() override;
    void runModal(QDialog* window) override;
    Outcome showHelpContents(QWidget* owner, const QString& helpFile) override;
    int showFileProperties(QWidget* owner, const QString& path) override;
    bool openUrl(const QUrl& address, std::function<void()> failedLater) override;
    void beginBusy(QWidget* window, BusyScope scope) override;
    void endBusy(QWidget* window, BusyScope scope) override;
};

QString nameOf(PlatformCall call); // the function's name: "openFile", "messageBox", ...
char* toString(PlatformCall call); // for QCOMPARE
QString toString(MessageIcon icon);
QString toString(MessageButtons buttons);
QString toString(BusyScope scope);

} // namespace larkspan
