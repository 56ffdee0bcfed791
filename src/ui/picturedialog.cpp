// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picturedialog.h"

#include "ui/wizardcontrols.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace larkspan {

std::optional<OpenFileResult> choosePicture(WizardControls& wiz)
{
    FileDialogRequest request;
    request.owner = &wiz.window;
    request.title = QCoreApplication::translate("PictureDialog", "Select an Image");
    // Every browser in use shows PNG and WebP beside GIF and JPEG: screenshots are PNG, many phones give WebP.
    request.fileTypes = {
        FileType{QCoreApplication::translate("PictureDialog", "Web Images (*.gif,*.jpg,*.jpeg,*.png,*.webp)"),
                 QStringLiteral("*.gif;*.jpg;*.jpeg;*.png;*.webp")}};
    request.chosenType = 0;
    request.defaultExtension = QStringLiteral("gif");
    request.mayNameMissingFile = true;
    return wiz.platform.openFile(request);
}

QString knownPicturePath(const QString& boxName, const QString& chosenPath)
{
    if (boxName.isEmpty() || chosenPath.isEmpty() || QFileInfo(chosenPath).fileName() != boxName)
        return {};
    return chosenPath;
}

} // namespace larkspan
