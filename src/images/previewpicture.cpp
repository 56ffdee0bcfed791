// SPDX-License-Identifier: GPL-3.0-or-later
#include "images/previewpicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include <QtEndian>

namespace larkspan {

namespace {

// Enough for the preview of a 250-megapixel picture at four bytes a pixel; Qt's own default refuses a phone photo.
constexpr int PreviewAllocationLimitMb = 1024;

// An EXIF orientation (1 to 8) as the turns and flips that make the picture stand upright.
QImageIOHandler::Transformations transformationOf(int orientation)
{
    switch (orientation) {
    case 2: return QImageIOHandler::TransformationMirror;
    case 3: return QImageIOHandler::TransformationRotate180;
    case 4: return QImageIOHandler::TransformationFlip;
    case 5: return QImageIOHandler::TransformationFlipAndRotate90;
    case 6: return QImageIOHandler::TransformationRotate90;
    case 7: return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8: return QImageIOHandler::TransformationRotate270;
    default: return QImageIOHandler::TransformationNone;
    }
}

// The orientation tag of an EXIF block (a TIFF header and its first directory, perhaps after "Exif" and two
// zero bytes); 0 when it has none.
int exifOrientation(QByteArray exif)
{
    if (exif.startsWith(QByteArrayView("Exif\0\0", 6)))
        exif.remove(0, 6);
    const bool little = exif.startsWith(QByteArrayView("II*\0", 4));
    if (!little && !exif.startsWith(QByteArrayView("MM\0*", 4)))
        return 0;
    const auto* bytes = reinterpret_cast<const uchar*>(exif.constData());
    const qint64 size = exif.size();
    const auto word = [&](qint64 at) -> quint32 {
        return little ? qFromLittleEndian<quint16>(bytes + at) : qFromBigEndian<quint16>(bytes + at);
    };
    const auto longWord = [&](qint64 at) -> quint32 {
        return little ? qFromLittleEndian<quint32>(bytes + at) : qFromBigEndian<quint32>(bytes + at);
    };
    if (size < 8)
        return 0;
    const qint64 directory = longWord(4);
    if (directory + 2 > size)
        return 0;
    constexpr quint32 OrientationTag = 0x0112;
    constexpr quint32 ShortType = 3;
    const quint32 entries = word(directory);
    for (quint32 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * qint64(i);
        if (entry + 12 > size)
            break;
        if (word(entry) == OrientationTag && word(entry + 2) == ShortType)
            return int(word(entry + 8));
    }
    return 0;
}

// The EXIF block of a PNG (its eXIf chunk) or a WebP file (its EXIF chunk), found by walking the chunk headers;
// empty when there is none. Qt reads the orientation of a JPEG itself, but not of these two.
QByteArray exifBlock(const QString& path, const QByteArray& format)
{
    constexpr qint64 ExifLimit = 1 << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const bool png = format == "png";
    if (!png && format != "webp")
        return {};
    // PNG: an 8-byte signature, then length (big-endian), type, data, CRC. WebP: "RIFF", size, "WEBP", then
    // type, length (little-endian), data padded to an even length.
    if (!file.seek(png ? 8 : 12))
        return {};
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return {};
        const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
        const qint64 length = png ? qFromBigEndian<quint32>(bytes) : qFromLittleEndian<quint32>(bytes + 4);
        const QByteArray type = png ? header.mid(4, 4) : header.left(4);
        if (type == (png ? "eXIf" : "EXIF"))
            return length <= ExifLimit ? file.read(length) : QByteArray();
        if (png && type == "IEND")
            return {};
        const qint64 next = file.pos() + length + (png ? 4 : length % 2);
        if (next > file.size() || !file.seek(next))
            return {};
    }
}

// How the picture is to be turned to stand upright: what Qt's reader found, or else the file's own EXIF block.
QImageIOHandler::Transformations uprightTransformation(const QImageReader& reader, const QString& path)
{
    if (reader.transformation() != QImageIOHandler::TransformationNone)
        return reader.transformation();
    if (reader.supportsOption(QImageIOHandler::ImageTransformation))
        return QImageIOHandler::TransformationNone;
    return transformationOf(exifOrientation(exifBlock(path, reader.format())));
}

void turnUpright(QImage& image, QImageIOHandler::Transformations turn)
{
    if (turn == QImageIOHandler::TransformationNone)
        return;
    image = image.mirrored(turn.testFlag(QImageIOHandler::TransformationMirror),
                           turn.testFlag(QImageIOHandler::TransformationFlip));
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
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
    // Read before the picture: a reader that has read no longer tells.
    const QImageIOHandler::Transformations reported = reader.transformation();
    const QImageIOHandler::Transformations upright = uprightTransformation(reader, path);
    const QSize stored = reader.size();
    const QSize uprightSize = upright.testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
    if (uprightSize.isValid() && !fitsTheLimit(uprightSize)) {
        // Only its name and size go into the page, and both are known.
        picture.dimensions = uprightSize;
        return picture;
    }
    QImage frame;
    if (!reader.read(&frame) || frame.isNull()) {
        picture.readable = Outcome::failure(reader.errorString());
        return picture;
    }
    // What Qt's reader turned itself is upright already.
    if (reported == QImageIOHandler::TransformationNone)
        turnUpright(frame, upright);
    // A second reader counts the frames, so that the first one is not disturbed while it reads.
    picture.animated = reader.supportsAnimation() && QImageReader(path).imageCount() > 1;
    picture.dimensions = frame.size();
    picture.frame = std::move(frame);
    return picture;
}

} // namespace larkspan
