#include "wizard/bulletlistpage.h"

#include "wizard/frmwiz.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

namespace larkspan {

BulletListPage::BulletListPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::BulletList);
    wiz.cbBox[CbBulletStyle] = new QComboBox(panel);
    wiz.txtBox[TxtBulletItem] = new QPlainTextEdit(panel);
    wiz.lstBox[LstItems] = new QListWidget(panel);
}

void BulletListPage::formLoad() {}

void BulletListPage::addItem() {}

void BulletListPage::removeItem() {}

void BulletListPage::txtBox_Change() {}

bool BulletListPage::txtBox_KeyPress(int)
{
    return false;
}

void BulletListPage::lstBox_Click() {}

} // namespace larkspan
