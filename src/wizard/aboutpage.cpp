// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/aboutpage.h"

#include "ui/wizardcontrols.h"

#include <QLabel>
#include <QVBoxLayout>

namespace larkspan {

AboutPage::AboutPage(WizardControls& wiz)
{
    QWidget* panel = wiz.panel(WizardPage::About);
    auto* heading = new QLabel(tr("Larkspan 1.1"), panel);
    heading->setObjectName(QStringLiteral("aboutHeading"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(18);
    arial.setBold(true);
    heading->setFont(arial);

    // Kept as is, "I you have" included: these are the program's own words. Two blanks precede the address.
    auto* text = new QLabel(
        tr("Larkspan was developed for anyone wanting to make a web page, but didn't know how. It is created for the "
           "novice user in mind and also powerful enough for a veteran web page designer which makes it a tool "
           "everyone should use. I you have any comments or suggestions about Larkspan please let me know at")
            + QStringLiteral("  larkspan@larkspan.example."),
        panel);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(12, 24, 12, 12);
    column->addWidget(heading);
    column->addSpacing(12);
    column->addWidget(text);
    column->addStretch();
}

} // namespace larkspan
