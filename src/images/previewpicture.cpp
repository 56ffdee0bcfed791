#include "images/previewpicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace larkspan {

PreviewPicture PreviewPicture::read(const QString& path)
{
    PreviewPicture picture;
    picture.filePath = path;

    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        picture.reason = tr("the file does not exist.");
        return picture;
    }
    if (info.isDir()) {
        picture.reason = tr("it is a folder, not a picture file.");
        return picture;
    }
    if (!info.isReadable()) {
        picture.reason = tr("the file cannot be opened.");
        return picture;
    }

    // The reader looks at the content when the name's extension does not fit it.
    QImageReader reader(path);
    if (!reader.canRead()) {
        picture.reason = tr("it is not a picture in a format that can be read.");
        return picture;
    }
    QImage frame;
    if (!reader.read(&frame) || frame.isNull()) {
        picture.reason = reader.errorString();
        return picture;
    }
    // A second reader counts the frames, so that the first one is not disturbed while it reads.
    picture.animated = reader.supportsAnimation() && QImageReader(path).imageCount() > 1;
    picture.frame = std::move(frame);
    return picture;
}

} // namespace larkspan
