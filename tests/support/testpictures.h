// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "testfiles.h"

namespace larkspan {

// Qt reads GIF but does not write it, so the tests write their own: GIF89a of an exact size, two colours, each frame
// one colour. A clear code before every second pixel keeps the compressor's codes three bits wide.
inline QByteArray gifData(QSize size, int frames)
{
    QByteArray data("GIF89a");
    const auto word = [&data](int value) {
        data.append(char(value & 0xFF));
        data.append(char((value >> 8) & 0xFF));
    };
    word(size.width());
    word(size.height());
    data.append(char(0x80)); // a global colour table of two entries
    data.append(2, '\0');    // background colour, aspect ratio
    data.append("\xFF\x00\x00\x00\x00\xFF", 6);
    constexpr int Clear = 4;
    constexpr int End = 5;
    for (int frame = 0; frame < frames; ++frame) {
        data.append("\x21\xF9\x04\x00", 4); // graphic control: ten hundredths of a second per frame
        word(10);
        data.append(2, '\0');
        data.append(',');
        word(0);
        word(0);
        word(size.width());
        word(size.height());
        data.append('\0');
        data.append(char(2)); // minimum code size

        QByteArray packed;
        quint32 bits = 0;
        int bitCount = 0;
        const auto code = [&](int value) {
            bits |= quint32(value) << bitCount;
            bitCount += 3;
            for (; bitCount >= 8; bitCount -= 8, bits >>= 8)
                packed.append(char(bits & 0xFF));
        };
        const qint64 pixels = qint64(size.width()) * size.height();
        for (qint64 i = 0; i < pixels; ++i) {
            if (i % 2 == 0)
                code(Clear);
            code(frame % 2);
        }
        code(End);
        if (bitCount > 0)
            packed.append(char(bits & 0xFF));
        for (qsizetype at = 0; at < packed.size(); at += 255) {
            const QByteArray block = packed.mid(at, 255);
            data.append(char(block.size()));
            data.append(block);
        }
        data.append('\0');
    }
    data.append(';');
    return data;
}

// A GIF whose header states a size that its one tiny frame does not have: only the header is ever read.
inline QByteArray gifHeaderOnly(QSize stated)
{
    QByteArray data = gifData(QSize(2, 2), 1);
    for (const int at : {6, 32}) { // the logical screen and the image descriptor
        data[at] = char(stated.width() & 0xFF);
        data[at + 1] = char(stated.width() >> 8);
        data[at + 2] = char(stated.height() & 0xFF);
        data[at + 3] = char(stated.height() >> 8);
    }
    return data;
}

// The TIFF part of an EXIF block holding only an orientation (6: turned a quarter clockwise to stand upright).
inline QByteArray exifOrientationBlock(int orientation)
{
    QByteArray tiff("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18);
    tiff.append(char(orientation)).append(3, '\0').append(4, '\0'); // the value, then no further directory
    return tiff;
}

// A JPEG with an EXIF orientation, which Qt does not write itself.
inline QByteArray withOrientation(const QByteArray& jpeg, int orientation)
{
    const QByteArray exif = QByteArray("Exif\0\0", 6) + exifOrientationBlock(orientation);
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

inline quint32 pngCrc(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

inline QByteArray bigEndian32(quint32 value)
{
    return QByteArray(1, char(value >> 24)) + char((value >> 16) & 0xFF) + char((value >> 8) & 0xFF)
        + char(value & 0xFF);
}

// A PNG with an eXIf chunk after its header chunk.
inline QByteArray pngWithOrientation(const QByteArray& png, int orientation)
{
    const QByteArray typeAndData = "eXIf" + exifOrientationBlock(orientation);
    const QByteArray chunk = bigEndian32(quint32(typeAndData.size() - 4)) + typeAndData
        + bigEndian32(pngCrc(typeAndData));
    constexpr int AfterHeader = 8 + 25;
    return png.left(AfterHeader) + chunk + png.mid(AfterHeader);
}

inline QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray data;
    for (int i = 0; i < bytes; ++i)
        data.append(char((value >> (8 * i)) & 0xFF));
    return data;
}

inline QByteArray webpChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk = type + littleEndian(quint32(data.size()), 4) + data;
    if (data.size() % 2)
        chunk.append('\0');
    return chunk;
}

// A WebP file of one colour as Qt writes it: RIFF, WEBP, then one image chunk.
inline QByteArray simpleWebp(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QBuffer webp;
    if (!webp.open(QIODevice::WriteOnly) || !picture.save(&webp, "WEBP"))
        return {};
    return webp.data();
}

// A WebP in the extended format, which Qt does not write: frames of alternating colours as an animation, or one
// picture with an EXIF orientation (0: none).
inline QByteArray extendedWebp(QSize size, int frames, int orientation)
{
    constexpr char AnimationFlag = 0x02;
    constexpr char ExifFlag = 0x08;
    QByteArray header(1, char((frames > 1 ? AnimationFlag : 0) | (orientation ? ExifFlag : 0)));
    header.append(3, '\0');
    header += littleEndian(quint32(size.width() - 1), 3) + littleEndian(quint32(size.height() - 1), 3);
    QByteArray body = webpChunk("VP8X", header);
    if (frames > 1) {
        body += webpChunk("ANIM", QByteArray(4, '\xFF') + littleEndian(0, 2));
        for (int frame = 0; frame < frames; ++frame) {
            QByteArray data = littleEndian(0, 3) + littleEndian(0, 3);
            data += littleEndian(quint32(size.width() - 1), 3) + littleEndian(quint32(size.height() - 1), 3);
            data += littleEndian(100, 3) + QByteArray(1, '\0'); // a tenth of a second, no blending
            data += simpleWebp(size, frame % 2 ? Qt::blue : Qt::red).mid(12);
            body += webpChunk("ANMF", data);
        }
    } else {
        body += simpleWebp(size, Qt::darkGreen).mid(12);
    }
    if (orientation)
        body += webpChunk("EXIF", exifOrientationBlock(orientation));
    return "RIFF" + littleEndian(quint32(body.size() + 4), 4) + "WEBP" + body;
}

// A picture of exactly size pixels as stored in folder, GIF, PNG, WebP or JPEG after the name's extension, with the
// EXIF orientation given (0: none; not for GIF); the empty string when it failed. GIF and WebP may have frames.
inline QString makePicture(const QString& folder, const QString& name, QSize size, int frames = 1, int orientation = 0)
{
    const QString path = QDir(folder).filePath(name);
    if (name.endsWith(QStringLiteral(".gif")))
        return writeAll(path, gifData(size, frames)) ? path : QString();
    if (name.endsWith(QStringLiteral(".webp"))) {
        const QByteArray webp = frames > 1 || orientation ? extendedWebp(size, frames, orientation)
                                                          : simpleWebp(size, Qt::darkGreen);
        return !webp.isEmpty() && writeAll(path, webp) ? path : QString();
    }
    const bool png = name.endsWith(QStringLiteral(".png"));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QBuffer stored;
    if (!stored.open(QIODevice::WriteOnly) || !picture.save(&stored, png ? "PNG" : "JPEG"))
        return {};
    QByteArray bytes = stored.data();
    if (orientation)
        bytes = png ? pngWithOrientation(bytes, orientation) : withOrientation(bytes, orientation);
    return writeAll(path, bytes) ? path : QString();
}

inline QString makePicture(const QTemporaryDir& dir, const QString& name, QSize size, int frames = 1,
                           int orientation = 0)
{
    return makePicture(dir.path(), name, size, frames, orientation);
}

// The drawing of that resource as it is painted at size, to compare with what a control shows.
inline QImage drawnPicture(const QString& resource, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// What a control shows, in the format of drawnPicture().
inline QImage shownPicture(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace larkspan
