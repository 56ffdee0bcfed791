#include "colours/colourpage.h"

#include "wizard/frmwiz.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace larkspan {

ColourPage::ColourPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Colors);
    colourSlots[int(ColorAttribute::Background)] = " BGCOLOR=\"#FFFFFF\"";
    wiz.optRadio[OptDefaultColors] = new QRadioButton(tr("&Default Colors"), panel);
    wiz.optRadio[OptCustomColors] = new QRadioButton(tr("C&ustom Colors"), panel);
    wiz.optRadio[OptDefaultColors]->setChecked(true);
    wiz.chkBox[ChkBackgroundImage] = new QCheckBox(tr("Include Background I&mage"), panel);
    wiz.txtBox[TxtBackgroundImage] = new QLineEdit(panel);
}

void ColourPage::formLoad() {}

void ColourPage::optRadio_Click(int) {}

void ColourPage::chkBox_Click(int) {}

std::string ColourPage::slotText(ColorAttribute attribute) const
{
    return colourSlots[int(attribute)];
}

} // namespace larkspan
