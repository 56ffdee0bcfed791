#include "wizard/finishpage.h"

#include "wizard/frmwiz.h"

#include <QLineEdit>

namespace larkspan {

FinishPage::FinishPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Finish);
    wiz.txtBox[TxtEmail] = new QLineEdit(panel);
}

void FinishPage::fillSummary() {}

void FinishPage::sourceBrowser() {}

void FinishPage::finish() {}

} // namespace larkspan
