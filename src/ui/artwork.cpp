// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/artwork.h"

#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QWidget>

#include <cstring>

namespace larkspan {

namespace {

// A picture the build drew at this size, as premultiplied ARGB32 pixels: ":/side/welcome" at 150 by 290 is
// ":/drawn/side/welcome@150x290.argb". Null where there is none.
QPixmap drawnAtBuild(const QString& resource, const QSize& size)
{
    if (!resource.startsWith(u':'))
        return {};
    const QResource drawn(QStringLiteral(":/drawn") + resource.mid(1)
                          + QStringLiteral("@%1x%2.argb").arg(size.width()).arg(size.height()));
    if (!drawn.isValid())
        return {};
    const QByteArray pixels = drawn.uncompressedData();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixels.constData(), size_t(pixels.size()));
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap artworkPixmap(const QString& resource, const QSize& size, const QWidget* widget)
{
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
    if (ratio == 1.0)
        if (QPixmap drawn = drawnAtBuild(resource, size); !drawn.isNull())
            return drawn;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon artworkIcon(const QString& resource)
{
    return QIcon(resource);
}

} // namespace larkspan
