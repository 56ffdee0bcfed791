#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The Layout page: layout style with its thumbnail and description, page title, heading and heading size.
class LayoutPage {
    Q_DECLARE_TR_FUNCTIONS(LayoutPage)

public:
    explicit LayoutPage(frmWiz& wiz);

    // Centres the thumbnails and fills the layout and heading size combos with their first choices.
    void formLoad();
    // The layout combo's choice changed, by the user or by the program.
    void cbBox_Click();
    void DescribeLayout(int index);
    // True when a layout style is chosen; otherwise tells the user and keeps the page.
    bool checkLayout();

private:
    frmWiz& wiz;
};

} // namespace larkspan
