// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
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

// A JPEG with an EXIF orientation (6: turned a quarter clockwise to stand upright), which Qt does not write itself.
inline QByteArray withOrientation(const QByteArray& jpeg, int orientation)
{
    QByteArray exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif.append(char(orientation)).append(3, '\0').append(4, '\0'); // the value, then no further directory
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// A picture of exactly size pixels as stored in folder, GIF or JPEG after the name's extension, a JPEG with the
// EXIF orientation given (0: none); the empty string when it failed.
inline QString makePicture(const QString& folder, const QString& name, QSize size, int frames = 1, int orientation = 0)
{
    const QString path = QDir(folder).filePath(name);
    if (name.endsWith(QStringLiteral(".gif")))
        return writeAll(path, gifData(size, frames)) ? path : QString();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QBuffer jpeg;
    if (!jpeg.open(QIODevice::WriteOnly) || !picture.save(&jpeg, "JPEG"))
        return {};
    const QByteArray bytes = orientation ? withOrientation(jpeg.data(), orientation) : jpeg.data();
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
