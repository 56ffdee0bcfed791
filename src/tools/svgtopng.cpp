// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture into a square PNG of the given size: svgtopng <picture.svg> <pixels> <out.png>.
// The build uses it for the desktop icons, so that they are drawn by the same renderer as the window's icon.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // No application object: drawing shapes into an image needs no screen and no fonts (the icon has no text).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream err(stderr);
    bool sizeRead = false;
    const int pixels = arguments.size() == 4 ? arguments[2].toInt(&sizeRead) : 0;
    if (!sizeRead || pixels <= 0) {
        err << "usage: svgtopng <picture.svg> <pixels> <out.png>\n";
        return 2;
    }

    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        err << "svgtopng: " << arguments[1] << " is not a picture that can be drawn\n";
        return 1;
    }
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(arguments[3], "PNG")) {
        err << "svgtopng: " << arguments[3] << " cannot be written\n";
        return 1;
    }
    return 0;
}
