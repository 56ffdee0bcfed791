#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The BulletList page: the bullet items and their style.
class BulletListPage {
    Q_DECLARE_TR_FUNCTIONS(BulletListPage)

public:
    explicit BulletListPage(frmWiz& wiz);

    // Fills the style combo with its first choice.
    void formLoad();
    // Returns false when the list is full; the item box then keeps its text.
    bool addItem();
    void removeItem();
    // Any text box changed: "Add Item" follows the item box.
    void txtBox_Change();
    // Enter in the item box; returns true when the key is to be swallowed.
    bool txtBox_KeyPress(int keyAscii);
    // Either list was clicked: "Remove Item" follows this list's selection.
    void lstBox_Click();
    // The finish step's reset: no items, first style, empty item box. "Remove Item" is left as it is.
    void resetForAnotherPage();

    // An item as the list shows it: its line breaks as visible marks.
    static QString shownText(const QString& item);

private:
    void updateCounter();

    frmWiz& wiz;
};

} // namespace larkspan
