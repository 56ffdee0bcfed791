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

LinksPage::LinksPage(WizardControls& wiz) : wiz(wiz)
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

    const auto [addressLabel, address] =
        wiz.addLineBox(panel, TxtLinkAddress, tr("Link Address: eg. http://www.example.com/"));

    const auto [descriptionLabel, description] =
        wiz.addLineBox(panel, TxtLinkDescription, tr("Link Description: eg. Click here"));

    QPushButton* add = wiz.addButton(panel, CmdAddLink, tr("&Add Link"), false);

    QLabel* counter = wiz.addLabel(panel, LblLinkCounter, tr("Current Links: 0"));
    QListWidget* list = wiz.addList(panel, LstLinks, tr("Links"));
    entrylist::prepare(list);

    QPushButton* remove = wiz.addButton(panel, CmdRemoveLink, tr("&Remove Link"), false);

    auto* styles = new QHBoxLayout;
    styles->addWidget(plain);
    styles->addWidget(combo);
    styles->addStretch();

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 0, 4, 0);
    column->addWidget(instruction);
    column->addLayout(styles);
    column->addWidget(addressLabel);
    column->addWidget(address);
    column->addWidget(descriptionLabel);
    column->addWidget(description);
    entrylist::layOut(column, add, counter, list, remove);
}

void LinksPage::formLoad()
{
    QListWidget* list = wiz.lstBox[LstLinks];
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
    QListWidget* list = wiz.lstBox[LstLinks];
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
    updateCounter();
}

void LinksPage::removeLink()
{
    QListWidget* list = wiz.lstBox[LstLinks];
    entrylist::removeSelected(list);
    wiz.cmdButton[CmdRemoveLink]->setEnabled(entrylist::hasSelection(list));
    updateCounter();
}

void LinksPage::txtBox_Change(int)
{
    wiz.cmdButton[CmdAddLink]->setEnabled(!wiz.boxText(TxtLinkDescription).isEmpty());
}

void LinksPage::lstBox_Click(int)
{
    wiz.cmdButton[CmdRemoveLink]->setEnabled(entrylist::hasSelection(wiz.lstBox[LstLinks]));
}

void LinksPage::resetForAnotherPage()
{
    entrylist::clearKeepingButtons(wiz.lstBox[LstLinks]);
    updateCounter();
    wiz.optRadio[OptDefaultLinkStyle]->setChecked(true);
    wiz.setBoxText(TxtLinkAddress, {});
    wiz.setBoxText(TxtLinkDescription, {});
}

void LinksPage::cmdButton_Click(int index)
{
    if (index == CmdAddLink)
        addLink();
    else if (index == CmdRemoveLink)
        removeLink();
}

void LinksPage::restore(const PageSpec& spec, const QString&)
{
    entrylist::appendAll(wiz.lstBox[LstLinks], spec.links);
    if (spec.linkStyle == LinkStyle::ComboBox)
        wiz.optRadio[OptComboLinkStyle]->setChecked(true);
    updateCounter();
}

void LinksPage::describe(PageSpec& spec) const
{
    spec.links = entrylist::entries(wiz.lstBox[LstLinks]);
    spec.linkStyle = wiz.optRadio[OptComboLinkStyle]->isChecked() ? LinkStyle::ComboBox : LinkStyle::Default;
}

void LinksPage::updateCounter()
{
    wiz.lblLabel[LblLinkCounter]->setText(tr("Current Links: %1").arg(wiz.lstBox[LstLinks]->count()));
}

} // namespace larkspan
