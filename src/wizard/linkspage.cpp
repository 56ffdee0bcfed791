#include "wizard/linkspage.h"

#include "wizard/frmwiz.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace larkspan {

LinksPage::LinksPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Links);
    wiz.optRadio[OptDefaultLinkStyle] = new QRadioButton(tr("&Default Link Style"), panel);
    wiz.optRadio[OptComboLinkStyle] = new QRadioButton(tr("Combo Bo&x (JavaScript)"), panel);
    wiz.optRadio[OptDefaultLinkStyle]->setChecked(true);
    wiz.txtBox[TxtLinkAddress] = new QLineEdit(panel);
    wiz.txtBox[TxtLinkDescription] = new QLineEdit(panel);
    wiz.lstBox[LstLinks] = new QListWidget(panel);
}

void LinksPage::formLoad() {}

void LinksPage::addLink() {}

void LinksPage::removeLink() {}

void LinksPage::txtBox_Change() {}

void LinksPage::lstBox_Click() {}

} // namespace larkspan
