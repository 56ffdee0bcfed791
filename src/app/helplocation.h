// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace larkspan {

// The help contents page the wizard opens: the document installed with the program when there is one under the
// prefix that applicationDir belongs to, else builtHelpFile, the copy in the build folder. An empty builtHelpFile
// means a wizard built without help. For a language ("de"), its translation of that page, in the folder of that name
// beside it, where there is one.
QString helpContentsFile(const QString& applicationDir, const QString& builtHelpFile, const QString& language = {});

} // namespace larkspan
