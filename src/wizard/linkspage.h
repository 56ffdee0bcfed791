#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The Links page: the link entries and the link style.
class LinksPage {
    Q_DECLARE_TR_FUNCTIONS(LinksPage)

public:
    // Where the descriptions start in the link list, in dialog units from its left edge.
    static constexpr int DescriptionColumn = 50;

    explicit LinksPage(frmWiz& wiz);

    // Gives the link list its description column.
    void formLoad();
    void addLink();
    void removeLink();
    // Any text box changed: "Add Link" follows the description box.
    void txtBox_Change();
    // Either list was clicked: "Remove Link" follows this list's selection.
    void lstBox_Click();
    // The finish step's reset: no links, default style, empty boxes. "Remove Link" is left as it is.
    void resetForAnotherPage();

private:
    void updateCounter();

    frmWiz& wiz;
};

} // namespace larkspan
