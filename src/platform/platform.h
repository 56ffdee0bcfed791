// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/outcome.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QDialog;
class QUrl;
class QWidget;

namespace larkspan {

// A colour as one number: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;
using CustomColors = std::array<ColorRef, 16>;

struct FileType {
    QString description; // "Plain Text Files (*.txt)"
    QString patterns;    // "*.txt", several separated by ';'
};

struct FileDialogRequest {
    QWidget* owner = nullptr;
    QString title;
    QList<FileType> fileTypes;
    int chosenType = 0;    // index into fileTypes
    QString initialFolder; // empty: the system's choice
    QString initialName;
    QString defaultExtension;        // without the dot; added to a name typed without one
    bool mayNameMissingFile = false; // open only: a missing file may be named after confirming its creation
};

struct OpenFileResult {
    QString fullPath;
    QString fileName; // the bare name, without its folder
};

struct SaveFileResult {
    QString folder;
    QString fileName;
    QString fullPath;
};

// YesNoDefaultNo: a question whose Yes loses something, so that Enter alone does not lose it.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageIcon { None, Information, Critical };
enum class MessageResult { Ok, Yes, No };

enum class BusyScope { Window, Application };

// Where the wizard meets the desktop: dialogs, message boxes, the beep, the busy pointer, help and file
// properties. Windows receive it by reference; tests hand them a scripted one.
class Platform {
public:
    virtual ~Platform() = default;

    virtual std::optional<OpenFileResult> openFile(const FileDialogRequest& request) = 0;
    // Asks before overwriting an existing file.
    virtual std::optional<SaveFileResult> saveFile(const FileDialogRequest& request) = 0;
    // customColors is read on opening and written back only when the user confirms.
    virtual std::optional<ColorRef> chooseColor(QWidget* owner, CustomColors& customColors) = 0;

    virtual MessageResult messageBox(QWidget* owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                                     const QString& title) = 0;
    virtual void beep() = 0;

    // Shows window modally and returns when it has been closed.
    virtual void runModal(QDialog* window) = 0;

    // Shows the help, or says why it cannot.
    virtual Outcome showHelpContents(QWidget* owner, const QString& helpFile) = 0;
    // Result code: greater than 32 on success.
    virtual int showFileProperties(QWidget* owner, const QString& path) = 0;
    // Hands the address to the desktop's own program for it (a web page to the web browser); false when none
    // could be started. The launcher that chooses the program may find none only after it started: failedLater then
    // runs, from the event loop.
    virtual bool openUrl(const QUrl& address, std::function<void()> failedLater) = 0;

    virtual void beginBusy(QWidget* window, BusyScope scope) = 0;
    virtual void endBusy(QWidget* window, BusyScope scope) = 0;
};

// Shows the busy pointer for as long as it lives.
class BusyPointer {
public:
    BusyPointer(Platform& platform, QWidget* window, BusyScope scope) : platform(platform), window(window), scope(scope)
    {
        platform.beginBusy(window, scope);
    }
    ~BusyPointer() { platform.endBusy(window, scope); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Platform& platform;
    QWidget* window;
    BusyScope scope;
};

} // namespace larkspan
