#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

enum class ImageTarget { BackgroundImage, PageImage };

// The Image page: the page picture, its scrolling preview, its size and its properties.
class ImagePage {
    Q_DECLARE_TR_FUNCTIONS(ImagePage)

public:
    explicit ImagePage(frmWiz& wiz);

    void BrowseForImage(ImageTarget target);
    // "Include Image" changed.
    void chkBox_Click();

private:
    frmWiz& wiz;
};

} // namespace larkspan
