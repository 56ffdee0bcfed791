#include "images/imagepage.h"

#include "wizard/frmwiz.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace larkspan {

ImagePage::ImagePage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Image);
    wiz.chkBox[ChkPageImage] = new QCheckBox(tr("Include I&mage"), panel);
    wiz.txtBox[TxtPageImage] = new QLineEdit(panel);
    wiz.lblLabel[LblImageWidth] = new QLabel(panel);
    wiz.lblLabel[LblImageHeight] = new QLabel(panel);
}

void ImagePage::BrowseForImage(ImageTarget) {}

void ImagePage::chkBox_Click() {}

} // namespace larkspan
