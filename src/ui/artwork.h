// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace larkspan {

// Renders one of our SVG pictures at its logical size, sharp on the screen that shows widget; where the build drew
// it already at that size for a screen of ordinary density, and widget is on one, it is taken as drawn.
QPixmap artworkPixmap(const QString& resource, const QSize& size, const QWidget* widget);
QIcon artworkIcon(const QString& resource);

} // namespace larkspan
