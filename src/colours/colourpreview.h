// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colours/colorattribute.h"

#include <QFrame>

#include <array>

class QLabel;

namespace larkspan {

// The live page preview of the Colors page: a background area with the four samples "Text", "Link", "Visited Link"
// and "Active Link" on it, each in the colour of its attribute.
class ColourPreview : public QFrame {
    Q_OBJECT

public:
    explicit ColourPreview(QWidget* parent = nullptr);

    void setColour(ColorAttribute attribute, const QColor& colour);
    QColor colour(ColorAttribute attribute) const;
    // The sample label; null for the background area, which is the preview itself.
    QLabel* sample(ColorAttribute attribute) const { return samples[std::size_t(attribute)]; }

private:
    std::array<QLabel*, ColorAttributeCount> samples{};
};

} // namespace larkspan
