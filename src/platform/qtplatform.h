// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QPointer>

#include <memory>

namespace larkspan {

class HelpWindow;

// The platform on the desktop: Qt's own dialogs and windows.
// It keeps no settings: Qt's dialogs find nowhere to read or write their state.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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

private:
    QPointer<HelpWindow> helpWindow;
    std::unique_ptr<QObject> questionGuard;
};

} // namespace larkspan
