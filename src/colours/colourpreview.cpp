// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours/colourpreview.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace larkspan {

ColourPreview::ColourPreview(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setAccessibleName(QCoreApplication::translate("ColourPage", "Page Preview"));

    auto* column = new QVBoxLayout(this);
    // The samples sit at the top of the area, as the text would on the page.
    column->setContentsMargins(10, 12, 10, 8);
    column->setSpacing(6);
    for (const ColorAttribute attribute : AllColorAttributes) {
        const char* caption = properties(attribute).sampleCaption;
        if (!caption)
            continue;
        auto* sample = new QLabel(QCoreApplication::translate("ColourPage", caption), this);
        sample->setObjectName(QStringLiteral("previewSample_%1").arg(int(attribute)));
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(8.25);
        font.setUnderline(attribute != ColorAttribute::Text);
        sample->setFont(font);
        column->addWidget(sample);
        samples[std::size_t(attribute)] = sample;
    }
    column->addStretch();
}

void ColourPreview::setColour(ColorAttribute attribute, const QColor& colour)
{
    QWidget* element = attribute == ColorAttribute::Background ? static_cast<QWidget*>(this) : sample(attribute);
    const QPalette::ColorRole role = attribute == ColorAttribute::Background ? QPalette::Window : QPalette::WindowText;
    QPalette palette = element->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    element->setPalette(palette);
}

QColor ColourPreview::colour(ColorAttribute attribute) const
{
    if (attribute == ColorAttribute::Background)
        return palette().color(QPalette::Window);
    return sample(attribute)->palette().color(QPalette::WindowText);
}

} // namespace larkspan
