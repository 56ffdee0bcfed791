#include "wizard/textpage.h"

#include "wizard/frmwiz.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace larkspan {

TextPage::TextPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Text);
    wiz.txtBox[TxtPageText] = new QPlainTextEdit(panel);
    wiz.chkBox[ChkKeyMask] = new QCheckBox(tr("Enable Key &Mask"), panel);
    wiz.optRadio[OptEnterBreak] = new QRadioButton(tr("Enter Key = <B&R>"), panel);
    wiz.optRadio[OptEnterParagraph] = new QRadioButton(tr("Enter Key = <&P>"), panel);
}

bool TextPage::txtBox_KeyPress(int)
{
    return false;
}

void TextPage::chkBox_Click() {}

void TextPage::indentSelection() {}

void TextPage::ImportTextFile() {}

} // namespace larkspan
