// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/linkspage.h"

#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"
#include "wizard/entrylist.h"
#include "wizard/tabstopdelegate.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace larkspan {

LinksPage::LinksPage(WizardControls& wiz)
    : wiz(wiz), rows(wiz, {CmdAddLink, LblLinkCounter, LstLinks, CmdRemoveLink}, tr("Current Links: %1"))
{
    QWidget* panel = wiz.panel(WizardPage::Links);

    QLabel* instruction = wiz.addInstruction(
        panel, tr("Add some links to your page. Links provide a way for people to visit other sites and pages."));

    QRadioButton* plain = wiz.addRadio(panel, OptDefaultLinkStyle, tr("&Default Link Style"));
    QRadioButton* combo = wiz.addRadio(panel, OptComboLinkStyle, tr("Combo Bo&x (JavaScript)"));
    auto* linkStyle = new QButtonGroup(panel);
    linkStyle->addButton(plain);
    linkStyle->addButton(combo);
    plain->setChecked(true);

    const auto [addressLabel, address] = wiz.addLineBox(panel, TxtLinkAddress,
                                                        tr("Link Address: eg. http://www.example.com/"));

    const auto [descriptionLabel, description] = wiz.addLineBox(panel, TxtLinkDescription,
                                                                tr("Link Description: eg. Click here"));

    rows.make(panel, tr("&Add Link"), tr("Links"), tr("&Remove Link"));

    auto* styles = new QHBoxLayout;
    styles->addWidget(plain);
    styles->addWidget(combo);
    styles->addStretch();

    QVBoxLayout* column = wiz.addColumn(panel, instruction);
    column->addLayout(styles);
    column->addWidget(addressLabel);
    column->addWidget(address);
    column->addWidget(descriptionLabel);
    column->addWidget(description);
    rows.layOut(column);
}

void LinksPage::formLoad()
{
    QListWidget* list = rows.list();
    if (auto* columns = qobject_cast<TabStopDelegate*>(list->itemDelegate()))
        columns->setTabStop(TabStopDelegate::dialogUnitsToPixels(DescriptionColumn, list->fontMetrics()));
}

void LinksPage::addLink()
{
    const QString address = wiz.boxText(TxtLinkAddress);
    const QString description = wiz.boxText(TxtLinkDescription);
    if (address.isEmpty() || description.isEmpty()) {
        wiz.platform.beep();
        wiz.platform.messageBox(&wiz.window, tr("Please include both Link Address and Link Description."),
                                MessageButtons::Ok, MessageIcon::Information, tr("Larkspan"));
        return;
    }
    QListWidget* list = rows.list();
    if (entrylist::isFull(list)) {
        wiz.platform.messageBox(&wiz.window, tr("The list can hold at most %1 links.").arg(entrylist::Capacity),
                                MessageButtons::Ok, MessageIcon::Information, tr("Larkspan"));
        return;
    }
    // Both parts exactly as typed: the page writers split the entry again at its first TAB.
    const QString entry = address + u'\t' + description;
    entrylist::append(list, entry, entry);
    wiz.setBoxText(TxtLinkAddress, {});
    wiz.setBoxText(TxtLinkDescription, {});
    rows.updateCounter();
}

void LinksPage::txtBox_Change(int)
{
    wiz.cmdButton[CmdAddLink]->setEnabled(!wiz.boxText(TxtLinkDescription).isEmpty());
}

void LinksPage::lstBox_Click(int)
{
    rows.selectionChanged();
}

void LinksPage::resetForAnotherPage()
{
    rows.clear();
    wiz.optRadio[OptDefaultLinkStyle]->setChecked(true);
    wiz.setBoxText(TxtLinkAddress, {});
    wiz.setBoxText(TxtLinkDescription, {});
}

void LinksPage::cmdButton_Click(int index)
{
    if (index == CmdAddLink)
        addLink();
    else if (index == CmdRemoveLink)
        rows.removeSelected();
}

void LinksPage::restore(const PageSpec& spec, const QString&)
{
    entrylist::appendAll(rows.list(), spec.links);
    if (spec.linkStyle == LinkStyle::ComboBox)
        wiz.optRadio[OptComboLinkStyle]->setChecked(true);
    rows.updateCounter();
}

void LinksPage::describe(PageSpec& spec) const
{
    spec.links = entrylist::entries(rows.list());
    spec.linkStyle = wiz.optRadio[OptComboLinkStyle]->isChecked() ? LinkStyle::ComboBox : LinkStyle::Default;
}

} // namespace larkspan
