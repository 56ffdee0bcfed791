// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helplocation.h"

#include <QDir>
#include <QFileInfo>

namespace larkspan {

QString helpContentsFile(const QString& applicationDir, const QString& builtHelpFile, const QString& language)
{
    if (builtHelpFile.isEmpty())
        return {};
    // The same relative path holds under any prefix, so an install into a temporary folder finds its help too.
    const QString installed = QDir::cleanPath(
        QDir(applicationDir).filePath(QStringLiteral(LARKSPAN_INSTALLED_HELP_FILE)));
    const QFileInfo contents(QFileInfo(installed).isFile() ? installed : builtHelpFile);
    if (!language.isEmpty()) {
        const QString translated = contents.dir().filePath(language + u'/' + contents.fileName());
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return contents.filePath();
}

} // namespace larkspan
