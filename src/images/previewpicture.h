#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

namespace larkspan {

// A picture file read for the preview before anything on the page changes: its first frame and whether it moves,
// or, when it cannot be shown, the reason in words for the user.
class PreviewPicture {
    Q_DECLARE_TR_FUNCTIONS(PreviewPicture)

public:
    static PreviewPicture read(const QString& path);

    bool isValid() const { return !frame.isNull(); }
    const QString& path() const { return filePath; }
    const QImage& firstFrame() const { return frame; }
    QSize size() const { return frame.size(); }
    bool isAnimated() const { return animated; }
    // Empty when the picture is valid.
    const QString& error() const { return reason; }

private:
    QString filePath;
    QImage frame;
    bool animated = false;
    QString reason;
};

} // namespace larkspan
