// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace larkspan {

// What became of one picture to be copied beside a page.
enum class PictureCopy {
    Copied,
    AlreadyThere,   // a file of that name with the same content: left alone
    OtherFileThere, // a file of that name with other content: never overwritten
    Failed,         // the reason says why
};

struct PictureCopyResult {
    PictureCopy result = PictureCopy::Copied;
    QString reason; // the system's words, for Failed
};

// Copies the picture at source into folder under name. The copy appears whole or not at all: it is written aside
// in that folder and then given its name, which never replaces a file that is there by then.
[[nodiscard]] PictureCopyResult CopyPictureBeside(const QString& source, const QString& folder, const QString& name);

// True when the two names are one file, or two files of the same content.
[[nodiscard]] bool SameContent(const QString& first, const QString& second);

} // namespace larkspan
