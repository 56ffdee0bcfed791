// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/outcome.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

namespace larkspan {

// A picture file read for the preview before anything on the page changes: its size, its first frame and whether
// it moves, or, when it is no picture, the reason in words for the user. A picture too large to decode has its size
// from the file's header and no frame.
class PreviewPicture {
    Q_DECLARE_TR_FUNCTIONS(PreviewPicture)

public:
    static PreviewPicture read(const QString& path);

    bool isValid() const { return !dimensions.isEmpty(); }
    bool isTooLargeToShow() const { return isValid() && frame.isNull(); }
    const QString& path() const { return filePath; }
    const QImage& firstFrame() const { return frame; }
    // Upright, as a browser shows it.
    QSize size() const { return dimensions; }
    bool isAnimated() const { return animated; }
    // Why the file is no picture; ok when the picture is valid.
    const Outcome& outcome() const { return readable; }

private:
    QString filePath;
    QSize dimensions;
    QImage frame;
    bool animated = false;
    Outcome readable;
};

} // namespace larkspan
