// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helplocation.h"

#include <QDir>
#include <QFileInfo>

namespace larkspan {

QString helpContentsFile(const QString& applicationDir, const QString& builtHelpFile)
{
    if (builtHelpFile.isEmpty())
        return {};
    // The same relative path holds under any prefix, so an install into a temporary folder finds its help too.
    const QString installed = QDir::cleanPath(
        QDir(applicationDir).filePath(QStringLiteral(LARKSPAN_INSTALLED_HELP_FILE)));
    return QFileInfo(installed).isFile() ? installed : builtHelpFile;
}

} // namespace larkspan
