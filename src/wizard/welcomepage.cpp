// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/welcomepage.h"

#include "ui/wizardcontrols.h"

#include <QLabel>
#include <QVBoxLayout>

namespace larkspan {

WelcomePage::WelcomePage(WizardControls& wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Welcome);
    auto* text = new QLabel(
        tr("Welcome to Larkspan! The easiest way to make a home page. Larkspan includes a series of questions about "
           "the style and look of your page as well if you want to include images, text, links and much more! It's "
           "as easy as filling in blanks. When you're done you'll have a great looking page that rivals those made "
           "by the pros!"),
        panel);
    text->setObjectName(QStringLiteral("welcomeText"));
    text->setWordWrap(true);
    QFont larger = text->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.15);
    text->setFont(larger);

    auto* start = new QLabel(tr("Click the Start button to begin !"), panel);
    start->setObjectName(QStringLiteral("welcomeStart"));
    QFont bold = start->font();
    bold.setBold(true);
    start->setFont(bold);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(12, 24, 12, 12);
    column->addWidget(text);
    column->addSpacing(24);
    column->addWidget(start);
    column->addStretch();
}

} // namespace larkspan
