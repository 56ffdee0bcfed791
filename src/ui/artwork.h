// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace larkspan {

// Renders one of our SVG pictures at its logical size, sharp on the screen that shows widget.
QPixmap artworkPixmap(const QString& resource, const QSize& size, const QWidget* widget);
QIcon artworkIcon(const QString& resource);

} // namespace larkspan
