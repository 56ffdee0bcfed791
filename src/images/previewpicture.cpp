// SPDX-License-Identifier: GPL-3.0-or-later
#include "images/previewpicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace larkspan {

namespace {

// Enough for the preview of a 250-megapixel picture at four bytes a pixel; Qt's own default refuses a phone photo.
constexpr int PreviewAllocationLimitMb = 1024;

// The picture's size as it stands upright: the reader reports the stored size, before the orientation turns it.
QSize uprightSize(const QImageReader& reader)
{
    const QSize stored = reader.size();
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

bool fitsTheLimit(QSize size)
{
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return bytes <= qint64(PreviewAllocationLimitMb) * 1024 * 1024;
}

} // namespace

PreviewPicture PreviewPicture::read(const QString& path)
{
    PreviewPicture picture;
    picture.filePath = path;

    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        picture.readable = Outcome::failure(tr("the file does not exist."));
        return picture;
    }
    if (info.isDir()) {
        picture.readable = Outcome::failure(tr("it is a folder, not a picture file."));
        return picture;
    }
    // A pipe or a device would be read without end, and the window with it.
    if (!info.isFile()) {
        picture.readable = Outcome::failure(tr("it is not a regular file (a pipe, a device or a socket)."));
        return picture;
    }
    if (!info.isReadable()) {
        picture.readable = Outcome::failure(tr("the file cannot be opened."));
        return picture;
    }

    QImageReader::setAllocationLimit(PreviewAllocationLimitMb);
    // The reader looks at the content when the name's extension does not fit it. A photo is shown, and measured,
    // the way up its camera recorded.
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        picture.readable = Outcome::failure(tr("it is not a picture in a format that can be read."));
        return picture;
    }
    const QSize upright = uprightSize(reader);
    if (upright.isValid() && !fitsTheLimit(upright)) {
        // Only its name and size go into the page, and both are known.
        picture.dimensions = upright;
        return picture;
    }
    QImage frame;
    if (!reader.read(&frame) || frame.isNull()) {
        picture.readable = Outcome::failure(reader.errorString());
        return picture;
    }
    // A second reader counts the frames, so that the first one is not disturbed while it reads.
    picture.animated = reader.supportsAnimation() && QImageReader(path).imageCount() > 1;
    picture.dimensions = frame.size();
    picture.frame = std::move(frame);
    return picture;
}

} // namespace larkspan
