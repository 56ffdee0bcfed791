// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace larkspan {

QPixmap artworkPixmap(const QString& resource, const QSize& size, const QWidget* widget)
{
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
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
