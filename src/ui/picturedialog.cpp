// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picturedialog.h"

#include "ui/wizardcontrols.h"

#include <QCoreApplication>

namespace larkspan {

std::optional<OpenFileResult> choosePicture(WizardControls& wiz)
{
    FileDialogRequest request;
    request.owner = &wiz.window;
    request.title = QCoreApplication::translate("PictureDialog", "Select an Image");
    // Kept as is: the description reads ".*jpg"; the patterns themselves are right.
    request.fileTypes = {FileType{QCoreApplication::translate("PictureDialog", "Web Images (*.gif,.*jpg,*.jpeg)"),
                                  QStringLiteral("*.gif;*.jpg;*.jpeg")}};
    request.chosenType = 0;
    request.defaultExtension = QStringLiteral("gif");
    request.mayNameMissingFile = true;
    return wiz.platform.openFile(request);
}

} // namespace larkspan
