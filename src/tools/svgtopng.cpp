// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture at build time: svgtopng <picture.svg> <pixels | WIDTHxHEIGHT> <out.png | out.argb>.
// The build uses it for the desktop icons, so that they are drawn by the same renderer as the window's icon, and for
// the picture the window shows at its start, as bare premultiplied ARGB32 pixels that the window takes as they are.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

// The image's bytes as they stand in memory: premultiplied ARGB32 in this machine's byte order, which the program
// built beside this tool reads as they are.
bool writePixels(const QImage& image, const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes()
        && file.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    // No application object: drawing shapes into an image needs no screen and no fonts (its pictures have no text).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream err(stderr);
    QSize size;
    if (arguments.size() == 4) {
        const QStringList sides = arguments[2].split(u'x');
        bool widthRead = false;
        bool heightRead = sides.size() == 1;
        const int width = sides.first().toInt(&widthRead);
        const int height = sides.size() == 2 ? sides.last().toInt(&heightRead) : width;
        if (widthRead && heightRead && sides.size() <= 2)
            size = QSize(width, height);
    }
    if (size.isEmpty()) {
        err << "usage: svgtopng <picture.svg> <pixels | WIDTHxHEIGHT> <out.png | out.argb>\n";
        return 2;
    }

    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        err << "svgtopng: " << arguments[1] << " is not a picture that can be drawn\n";
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const bool written = arguments[3].endsWith(QStringLiteral(".argb")) ? writePixels(image, arguments[3])
                                                                        : image.save(arguments[3], "PNG");
    if (!written) {
        err << "svgtopng: " << arguments[3] << " cannot be written\n";
        return 1;
    }
    return 0;
}
